#include "ui/dialogs.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "ui/application.h"
#include "ui/controls.h"

namespace {

HWND OwnerWindow() {
  if (HWND active = GetActiveWindow()) return active;
  TForm* main_form = Application().MainForm();
  return main_form != nullptr ? main_form->Handle() : nullptr;
}

}  // namespace

int MessageDlg(std::wstring_view text, std::wstring_view caption, unsigned flags) {
  const std::wstring body(text);
  const std::wstring title(caption.empty() ? Application().Title() : caption);
  return MessageBoxW(OwnerWindow(), body.c_str(), title.c_str(), flags);
}

void ShowMessage(std::wstring_view text) { MessageDlg(text, {}, MB_OK | MB_ICONINFORMATION); }

std::wstring FileDialogFilter(std::wstring_view filter) {
  std::vector<std::wstring_view> parts;
  while (!filter.empty()) {
    const size_t bar = filter.find(L'|');
    parts.push_back(filter.substr(0, bar));
    if (bar == std::wstring_view::npos) break;
    filter.remove_prefix(bar + 1);
  }
  std::wstring result;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    result.append(parts[i]).push_back(L'\0');
    result.append(parts[i + 1]).push_back(L'\0');
  }
  if (!result.empty()) result.push_back(L'\0');
  return result;
}

bool TFileDialog::Run(bool save) {
  const std::wstring filter = FileDialogFilter(Filter);
  std::vector<wchar_t> path(32768, L'\0');
  std::copy_n(FileName.begin(), std::min(FileName.size(), path.size() - 1), path.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = OwnerWindow();
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(std::max(FilterIndex, 1));
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  dialog.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  dialog.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  // NOCHANGEDIR: the program's relative paths stay relative to where it started.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                 OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return false;
  FileName = path.data();
  FilterIndex = static_cast<int>(dialog.nFilterIndex);
  return true;
}

bool InputQuery(std::wstring_view caption, std::wstring_view prompt, std::wstring& value) {
  TForm form;
  if (!form.Create({.caption = caption, .borderStyle = bsDialog, .borderIcons = biSystemMenu})) {
    return false;
  }
  TLabel label;
  TEdit edit;
  TButton ok;
  TButton cancel;
  if (!label.Create({.parent = &form, .bounds = {10, 10, 0, 0}, .text = prompt}) ||
      !edit.Create({.parent = &form, .bounds = {10, 0, 300, 21}, .text = value}) ||
      !ok.Create({.parent = &form,
                  .bounds = {0, 0, 75, 25},
                  .text = L"OK",
                  .isDefault = true,
                  .modalResult = mrOk}) ||
      !cancel.Create({.parent = &form,
                      .bounds = {0, 0, 75, 25},
                      .text = L"Cancel",
                      .isCancel = true,
                      .modalResult = mrCancel})) {
    return false;
  }
  // Laid out in screen pixels around the prompt's measured size.
  const int margin = form.Scale(10);
  const int width = std::max(edit.Width(), label.Width());
  edit.SetBounds({margin, label.Bounds().Bottom() + form.Scale(6), width, edit.Height()});
  const int top = edit.Bounds().Bottom() + form.Scale(12);
  cancel.SetBounds({margin + width - cancel.Width(), top, cancel.Width(), cancel.Height()});
  ok.SetBounds({cancel.Left() - form.Scale(8) - ok.Width(), top, ok.Width(), ok.Height()});
  form.SetClientSize(width + 2 * margin, top + ok.Height() + margin);
  edit.SelectAll();
  if (form.ShowModal() != mrOk) return false;
  value = edit.Text();
  return true;
}

std::wstring InputBox(std::wstring_view caption, std::wstring_view prompt,
                      std::wstring_view defaultValue) {
  std::wstring value(defaultValue);
  return InputQuery(caption, prompt, value) ? value : std::wstring();
}
