// TLabel: static text. https://learn.microsoft.com/windows/win32/controls/static-controls

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "ui/controls.h"

bool TLabel::Create(const CreateArgs& args) {
  FWordWrap = args.wordWrap;
  FAutoSize = args.autoSize;
  FTransparent = args.transparent;
  // No prefix: a '&' in a server's message is text, not a mnemonic.
  const DWORD style = SS_NOPREFIX | (FWordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
  const DWORD ex_style = FTransparent ? WS_EX_TRANSPARENT : 0;
  if (!CreateChild(WC_STATICW, false, style, ex_style, PlacementOf(args))) return false;
  if (args.textColor != CLR_INVALID) SetColors(args.textColor, CLR_INVALID);
  if (FAutoSize) AdjustSize();
  return true;
}

void TLabel::SetText(std::wstring_view text) {
  TWindow::SetText(text);
  if (FTransparent && Parent() != nullptr && Parent()->Handle() != nullptr) {
    // Nothing erases behind a transparent label: the parent repaints the old text away.
    RECT rect{Left(), Top(), Bounds().Right(), Bounds().Bottom()};
    InvalidateRect(Parent()->Handle(), &rect, TRUE);
  }
  if (FAutoSize) AdjustSize();
}

void TLabel::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  if (FAutoSize) AdjustSize();
}

void TLabel::AdjustSize() {
  if (Handle() == nullptr) return;
  const std::wstring text = Text();
  HDC dc = GetDC(Handle());
  HGDIOBJ old = SelectObject(dc, Font() != nullptr ? Font() : GetStockObject(DEFAULT_GUI_FONT));
  RECT rect{0, 0, FWordWrap ? Width() : 0, 0};
  // The flags the static control draws with, so the measured lines are the drawn ones; an
  // empty label keeps the height of one line.
  const UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0);
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &rect, flags);
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  TBounds bounds = Bounds();
  bounds.height = rect.bottom - rect.top;
  if (!FWordWrap) bounds.width = rect.right - rect.left;
  SetBounds(bounds);
}

HBRUSH TLabel::ControlColor(UINT message, HDC dc) {
  HBRUSH brush = TWindow::ControlColor(message, dc);
  if (!FTransparent) return brush;
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}
