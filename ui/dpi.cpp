#include "ui/dpi.h"

#include <windows.h>

TBounds ScaleForDpi(const TBounds& bounds, int toDpi, int fromDpi) {
  return {ScaleForDpi(bounds.left, toDpi, fromDpi), ScaleForDpi(bounds.top, toDpi, fromDpi),
          ScaleForDpi(bounds.width, toDpi, fromDpi), ScaleForDpi(bounds.height, toDpi, fromDpi)};
}

TPadding ScaleForDpi(const TPadding& padding, int toDpi, int fromDpi) {
  return {ScaleForDpi(padding.left, toDpi, fromDpi), ScaleForDpi(padding.top, toDpi, fromDpi),
          ScaleForDpi(padding.right, toDpi, fromDpi), ScaleForDpi(padding.bottom, toDpi, fromDpi)};
}

int DisplayDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int value = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return dpi;
}
