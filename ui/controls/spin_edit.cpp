// TSpinEdit: a digits-only edit with an up-down control as its buddy, kept within limits.
// https://learn.microsoft.com/windows/win32/controls/up-down-controls

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "ui/controls.h"

TSpinEdit::~TSpinEdit() {
  if (FUpDown != nullptr && IsWindow(FUpDown)) DestroyWindow(FUpDown);
}

bool TSpinEdit::Create(const CreateArgs& args) {
  FMin = std::min(args.minValue, args.maxValue);
  FMax = std::max(args.minValue, args.maxValue);
  if (!CreateChild(WC_EDITW, false, ES_NUMBER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                   PlacementOf(args))) {
    return false;
  }
  DWORD style = WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (args.visible) style |= WS_VISIBLE;
  if (!args.enabled) style |= WS_DISABLED;
  FUpDown = CreateWindowExW(WS_EX_NOPARENTNOTIFY, UPDOWN_CLASSW, L"", style, 0, 0, 0, 0,
                            GetParent(Handle()), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (FUpDown == nullptr) return false;
  SendMessageW(FUpDown, UDM_SETRANGE32, FMin, FMax);
  PlaceHandle(Bounds());
  SetValue(args.value);
  return true;
}

void TSpinEdit::PlaceHandle(const TBounds& bounds) {
  TWindow::PlaceHandle(bounds);
  // Setting the buddy again puts the arrows at its right edge, inside the given width.
  if (FUpDown != nullptr) {
    SendMessageW(FUpDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  }
}

int TSpinEdit::Value() const {
  const std::wstring text = Text();
  wchar_t* end = nullptr;
  const long value = std::wcstol(text.c_str(), &end, 10);
  if (text.empty() || end == text.c_str()) return FMin;
  return static_cast<int>(std::clamp<long>(value, FMin, FMax));
}

void TSpinEdit::SetValue(int value) {
  value = std::clamp(value, FMin, FMax);
  if (FUpDown != nullptr) SendMessageW(FUpDown, UDM_SETPOS32, 0, value);
  SetText(std::to_wstring(value));
}

void TSpinEdit::SetVisible(bool visible) {
  TWindow::SetVisible(visible);
  if (FUpDown != nullptr) ShowWindow(FUpDown, visible ? SW_SHOWNA : SW_HIDE);
}

void TSpinEdit::SetEnabled(bool enabled) {
  TWindow::SetEnabled(enabled);
  if (FUpDown != nullptr) EnableWindow(FUpDown, enabled);
}

bool TSpinEdit::OnCommand(WORD code) {
  if (code == EN_KILLFOCUS) {
    // What was typed out of range (or no number) shows as the value it stands for.
    const std::wstring shown = std::to_wstring(Value());
    if (Text() != shown) SetValue(Value());
    return true;
  }
  if (code != EN_CHANGE) return false;
  RaiseEvent(OnChange);
  return true;
}
