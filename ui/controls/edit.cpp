// TEdit: a text field or a multi-line text.
// https://learn.microsoft.com/windows/win32/controls/edit-controls

#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"

bool TEdit::Create(const CreateArgs& args) {
  DWORD style = ES_LEFT | ES_AUTOHSCROLL;
  if (args.multiLine) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (args.scrollBars) {
      style |= WS_VSCROLL | WS_HSCROLL;
    } else {
      style &= ~ES_AUTOHSCROLL;  // lines wrap at the edge
    }
  }
  if (args.readOnly) style |= ES_READONLY;
  if (args.password) style |= ES_PASSWORD;
  if (args.digitsOnly) style |= ES_NUMBER;
  if (!CreateChild(WC_EDITW, false, style, args.border ? WS_EX_CLIENTEDGE : 0, PlacementOf(args))) {
    return false;
  }
  // Version 6 shows a dot by default.
  if (args.password) SendMessageW(Handle(), EM_SETPASSWORDCHAR, L'*', 0);
  // 0 lifts the default limit of 32767 characters (long header lists in the text viewer).
  SendMessageW(Handle(), EM_SETLIMITTEXT, args.maxLength > 0 ? args.maxLength : 0, 0);
  return true;
}

void TEdit::SetLines(std::span<const std::wstring> lines) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += L"\r\n";
    text += lines[i];
  }
  SetText(text);
}

void TEdit::SelectAll() {
  if (Handle() != nullptr) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

bool TEdit::OnCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  RaiseEvent(OnChange);
  return true;
}
