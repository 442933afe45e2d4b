// TGroupBox: a container that paints the etched frame and caption of a group box itself. (A
// system group box as a sibling of the controls would need to stay at the bottom of the Z
// order, and as their parent it would swallow their notifications.)

#include <algorithm>

#include "ui/controls.h"
#include "ui/dpi.h"

namespace {

int TextHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
}

}  // namespace

bool TGroupBox::Create(const CreateArgs& args) {
  if (!CreateChild(L"OstrelGroupBox", true, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                   PlacementOf(args))) {
    return false;
  }
  SetPadding(ScaleForDpi(args.padding, DisplayDpi(), DesignDpi()));
  return true;
}

void TGroupBox::SetText(std::wstring_view text) {
  TWindow::SetText(text);
  Invalidate();  // a window of our own class does not repaint on WM_SETTEXT
}

TBounds TGroupBox::AlignArea() const {
  const int caption = Handle() != nullptr ? TextHeight(Handle(), Font()) : 0;
  const int edge = 2;
  return {edge, caption, std::max(0, ClientWidth() - 2 * edge),
          std::max(0, ClientHeight() - caption - edge)};
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) return TWindow::WndProc(message, wparam, lparam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  HGDIOBJ old = SelectObject(dc, Font() != nullptr ? Font() : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame{0, metrics.tmHeight / 2, ClientWidth(), ClientHeight()};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring text = Text();
  if (!text.empty()) {
    // Drawn opaque over the frame's top line, as the system's group box does.
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    RECT caption{Scale(8), 0, ClientWidth() - Scale(8), metrics.tmHeight};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
              DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
  }
  SelectObject(dc, old);
  EndPaint(Handle(), &paint);
  return 0;
}
