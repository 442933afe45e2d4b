#include "engine/support/misc_functions.h"

#include <windows.h>

int32_t ScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return 96;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

float ScreenScale() { return static_cast<float>(ScreenDpi()) / 96.0f; }
