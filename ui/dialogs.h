#ifndef OSTREL_UI_DIALOGS_H_
#define OSTREL_UI_DIALOGS_H_

// Message boxes, the system's open and save dialogs, and an input box. Each is modal and owned
// by the thread's active window (else the main form). UI thread only. Free of <windows.h>.

#include <string>
#include <string_view>

// MessageBoxW with `flags` (MB_...); an empty caption: the application's title. Returns the
// button pressed (IDOK, IDYES, ...; the TModalResult values).
int MessageDlg(std::wstring_view text, std::wstring_view caption = {}, unsigned flags = 0);
// An information box with an OK button, titled with the application's title.
void ShowMessage(std::wstring_view text);

// "Text files (*.txt)|*.TXT|Any file|*.*" as the system dialogs want it: description and
// patterns separated by NULs, two NULs at the end. A description without patterns is dropped.
std::wstring FileDialogFilter(std::wstring_view filter);

class TFileDialog {
 public:
  std::wstring Filter;      // "Description|patterns|Description|patterns"
  int FilterIndex = 1;      // 1-based; after Execute, the pair the user chose
  std::wstring DefaultExt;  // without the dot: added to a name typed without extension
  std::wstring FileName;    // proposed; after Execute, the full path chosen
  std::wstring InitialDir;
  std::wstring Title;

 protected:
  bool Run(bool save);
};

// The chosen file must exist.
class TOpenDialog : public TFileDialog {
 public:
  bool Execute() { return Run(false); }
};

// Asks before replacing an existing file.
class TSaveDialog : public TFileDialog {
 public:
  bool Execute() { return Run(true); }
};

// Asks for one line of text: true, with `value` the text, when OK was pressed; false and
// `value` unchanged when cancelled.
bool InputQuery(std::wstring_view caption, std::wstring_view prompt, std::wstring& value);
// The text when OK was pressed, empty when cancelled: a cancelled box must not act on its
// proposed text.
std::wstring InputBox(std::wstring_view caption, std::wstring_view prompt,
                      std::wstring_view defaultValue);

#endif  // OSTREL_UI_DIALOGS_H_
