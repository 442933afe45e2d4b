// TImage: a static control showing an icon, or a bitmap stretched to the control.
// https://learn.microsoft.com/windows/win32/controls/static-control-styles

#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"

namespace {

void SetImageType(HWND window, DWORD type) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  SetWindowLongPtrW(window, GWL_STYLE, (style & ~SS_TYPEMASK) | type | SS_REALSIZECONTROL);
}

}  // namespace

bool TImage::Create(const CreateArgs& args) {
  const DWORD type = args.icon != nullptr ? SS_ICON : SS_BITMAP;
  if (!CreateChild(WC_STATICW, false, type | SS_REALSIZECONTROL, 0, PlacementOf(args))) {
    return false;
  }
  if (args.icon != nullptr) {
    SetIcon(args.icon);
  } else if (args.bitmap != nullptr) {
    SetBitmap(args.bitmap);
  }
  return true;
}

void TImage::SetIcon(HICON icon) {
  if (Handle() == nullptr) return;
  SetImageType(Handle(), SS_ICON);
  SendMessageW(Handle(), STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  PlaceHandle(Bounds());  // the control sizes itself to a new image; keep the layout's size
}

void TImage::SetBitmap(HBITMAP bitmap) {
  if (Handle() == nullptr) return;
  SetImageType(Handle(), SS_BITMAP);
  SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  PlaceHandle(Bounds());
}
