// TStatusBar: panels of text along the bottom of a form.
// https://learn.microsoft.com/windows/win32/controls/status-bars

#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"
#include "ui/dpi.h"

bool TStatusBar::Create(const CreateArgs& args) {
  if (args.parent == nullptr) return false;
  for (int width : args.panelWidths) {
    FWidths.push_back(ScaleForDpi(width, DisplayDpi(), args.parent->DesignDpi()));
  }
  // Placed by the dock layout like any control, not by the bar's own parent-alignment.
  DWORD style = CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  if (args.sizeGrip) style |= SBARS_SIZEGRIP;
  return CreateChild(STATUSCLASSNAMEW, false, style, 0, PlacementOf(args));
}

void TStatusBar::PlaceHandle(const TBounds& bounds) {
  TWindow::PlaceHandle(bounds);
  if (FWidths.empty()) return;
  std::vector<int> edges;
  int right = 0;
  for (size_t i = 0; i < FWidths.size(); ++i) {
    right += FWidths[i];
    edges.push_back(i + 1 == FWidths.size() ? -1 : right);  // -1: to the bar's right end
  }
  SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void TStatusBar::SetPanelText(int index, std::wstring_view text) {
  if (Handle() == nullptr || index < 0 || index >= PanelCount()) return;
  const std::wstring copy(text);
  SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(copy.c_str()));
}

std::wstring TStatusBar::PanelText(int index) const {
  if (Handle() == nullptr || index < 0 || index >= PanelCount()) return {};
  const auto length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, index, 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(Handle(), SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}
