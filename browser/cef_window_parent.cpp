#include "browser/cef_window_parent.h"

#include <windows.h>

#include "ui/form.h"
#include "ui/messages.h"

namespace {

// What the host answers to WM_GETDLGCODE: arrow keys and characters are its own.
constexpr LRESULT kHostDialogCode = DLGC_WANTARROWS | DLGC_WANTCHARS;  // 0x81

bool IsArrowKey(WPARAM key) { return key >= VK_LEFT && key <= VK_DOWN; }

}  // namespace

// ---- TCEFWinControl ----

bool TCEFWinControl::Create(const CreateArgs& args) {
  // Clipping the children keeps the host from painting over the engine window.
  return CreateChild(L"OstrelCefWindowParent", true, WS_CLIPCHILDREN, 0, PlacementOf(args));
}

HWND TCEFWinControl::ChildWindowHandle() const {
  return Handle() != nullptr ? GetWindow(Handle(), GW_CHILD) : nullptr;
}

void TCEFWinControl::UpdateSize() {
  HWND child = ChildWindowHandle();
  if (child == nullptr) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  SetWindowPos(child, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCEFWinControl::InvalidateChildren() {
  if (Handle() != nullptr) {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

bool TCEFWinControl::DestroyChildWindow() {
  HWND child = ChildWindowHandle();
  return child != nullptr && DestroyWindow(child) != FALSE;
}

LRESULT TCEFWinControl::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = TWindow::WndProc(message, wparam, lparam);
  if (message == WM_SIZE) UpdateSize();
  return result;
}

// ---- TCEFWindowParent ----

bool TCEFWindowParent::WantsKey(WPARAM key) const {
  // Return, Escape and the arrows get the framework's treatment: the dialog code decides, and
  // Return and Escape go to the form only when a button there takes them (otherwise the dialog
  // manager would swallow them and the page would never see Enter).
  if (IsArrowKey(key)) return (kHostDialogCode & DLGC_WANTARROWS) != 0;
  if (key == VK_RETURN || key == VK_ESCAPE) {
    const TForm* form = TForm::FormOf(this);
    if (form == nullptr) return true;
    return key == VK_RETURN ? !form->HasDefaultButton() : !form->HasCancelButton();
  }
  return true;
}

LRESULT TCEFWindowParent::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETFOCUS:
      // Posted, not set: the engine window hands the focus on to the page's own window itself.
      PostToWindow(ChildWindowHandle(), WM_SETFOCUS, wparam);
      break;
    case WM_ERASEBKGND:
      // The engine window covers the whole client area: erasing behind it only flickers.
      if (ChildWindowHandle() != nullptr) return 1;
      break;
    case WM_GETDLGCODE:
      return kHostDialogCode;
    default:
      break;
  }
  return TCEFWinControl::WndProc(message, wparam, lparam);
}
