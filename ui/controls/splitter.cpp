// TSplitter: a bar the user drags to resize the control docked beside it. The arithmetic is in
// ui/layout.cpp; the neighbour follows the mouse while the button is down.

#include <vector>

#include "ui/controls.h"
#include "ui/dpi.h"

bool TSplitter::Create(const CreateArgs& args) {
  if (args.parent == nullptr) return false;
  FMinSize = ScaleForDpi(args.minSize, DisplayDpi(), args.parent->DesignDpi());
  return CreateChild(L"OstrelSplitter", true, 0, 0, PlacementOf(args));
}

int TSplitter::MousePosition() const {
  POINT point{};
  GetCursorPos(&point);
  return Horizontal() ? point.x : point.y;
}

LRESULT TSplitter::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, Horizontal() ? IDC_SIZEWE : IDC_SIZENS));
      return TRUE;
    case WM_LBUTTONDOWN: {
      TWindow* parent = Parent();
      if (parent == nullptr) break;
      std::vector<TAlignItem> items;
      int self = -1;
      for (const TWindow* child : parent->Children()) {
        if (child == this) self = static_cast<int>(items.size());
        items.push_back({child->Align(), child->Visible(), child->Bounds()});
      }
      FDrag = BeginSplitterDrag(parent->AlignArea(), parent->Padding(), items, self, FMinSize);
      if (FDrag.neighbour < 0) break;
      FNeighbour = parent->Children()[FDrag.neighbour];
      FNeighbourLife = FNeighbour->LifeToken();
      FStart = MousePosition();
      SetCapture(Handle());
      return 0;
    }
    case WM_MOUSEMOVE:
      if (FNeighbour != nullptr && !FNeighbourLife.expired() && GetCapture() == Handle()) {
        const int size = SplitterDragSize(FDrag, Align(), MousePosition() - FStart, FMinSize);
        if (Horizontal()) {
          FNeighbour->SetWidth(size);
        } else {
          FNeighbour->SetHeight(size);
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == Handle()) ReleaseCapture();  // ends in WM_CAPTURECHANGED
      return 0;
    case WM_CAPTURECHANGED:
      if (FNeighbour != nullptr) {
        FNeighbour = nullptr;
        RaiseEvent(OnMoved);
      }
      return 0;
    default:
      break;
  }
  return TWindow::WndProc(message, wparam, lparam);
}
