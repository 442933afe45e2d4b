#ifndef OSTREL_TESTS_E2E_COMMANDS_SUPPORT_H_
#define OSTREL_TESTS_E2E_COMMANDS_SUPPORT_H_

// The running program with what the tests of the main window's commands reach for: the page's
// render window, the developer-tools panel, the configuration menu, system dialogs and input
// boxes, all driven from outside the program as a user (or the engine) would.

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/running_program.h"

namespace e2e {

// A small PNG image, served as /images/logo.png.
extern const std::string kSamplePng;

// Replaces the text of `window`, a window of another process.
void SetText(HWND window, const std::wstring& text);
// The first descendant of `parent` of class `class_name` with the text `text`.
HWND FindDescendantWithText(HWND parent, const std::wstring& class_name, const std::wstring& text);

class Commands : public RunningProgram {
 protected:
  Commands();

  void Start();
  void TearDown() override { CloseStarted(); }

  // The main browser's render window, which takes the page's input.
  HWND RenderWindow() const { return render_; }
  // F12 pressed and released in the browser `browser` (1: the page).
  void PressF12(int browser);
  // The identifier of the `nth` developer-tools browser once the engine has created it.
  int WaitForDevTools(int nth);
  // The panel the developer tools show in, once they show there; nullptr when they do not.
  HWND WaitForToolsHost();
  void ExpectToolsPanelAtAQuarter(HWND host);
  // The window that has the keyboard focus in the thread of `window`.
  static HWND FocusOf(HWND window);
  std::wstring StatusPanel(int panel) const;
  HWND ConfigButton() const;

  // Opens the configuration menu and chooses with the keys given, e.g. {VK_DOWN, VK_RETURN}.
  void ChooseFromConfigMenu(const std::vector<WPARAM>& keys);
  // Positions in the configuration menu (separators not counted).
  enum ConfigItem : int {
    kDevTools = 1,
    kOpenFileUrl,
    kOpenDataUrl,
    kPrint,
    kPrintToPdf,
    kZoom,
    kPreferences,
    kResolveHost,
    kDownloadImage,
    kSimulateKeys,
    kFlushCookies,
    kMemoryInfo,
  };
  // Chooses item `position` (1-based, separators not counted) of the configuration menu.
  void ChooseConfigItem(int position);
  // Waits for a system file dialog, types `path` as its file name and confirms it; returns the
  // file name the dialog proposed.
  std::wstring AnswerFileDialog(const std::wstring& path);
  // Waits for the input box `caption`, returns the text it proposed; answers with `answer`.
  std::wstring AnswerInputBox(const std::wstring& caption, const std::wstring& answer);
  // The text of the next message box, which is then dismissed.
  std::wstring NextMessageBoxText();

  HWND render_ = nullptr;
  HWND main_host_ = nullptr;
};

}  // namespace e2e

#endif  // OSTREL_TESTS_E2E_COMMANDS_SUPPORT_H_
