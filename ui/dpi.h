#ifndef OSTREL_UI_DPI_H_
#define OSTREL_UI_DPI_H_

// Layout numbers are written for 96 dots per inch (a form may be designed at another DPI) and
// scaled to the screen's DPI, which the program reads once: its manifest declares it DPI-aware
// for the whole system, so the value never changes while it runs. Free of <windows.h>.

#include <cstdint>

#include "ui/layout.h"

// value × toDpi / fromDpi, rounded half away from zero (as MulDiv does).
constexpr int ScaleForDpi(int value, int toDpi, int fromDpi = 96) {
  if (fromDpi <= 0) return value;
  const int64_t product = static_cast<int64_t>(value) * toDpi;
  const int64_t half = fromDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / fromDpi : (product - half) / fromDpi);
}

TBounds ScaleForDpi(const TBounds& bounds, int toDpi, int fromDpi = 96);
TPadding ScaleForDpi(const TPadding& padding, int toDpi, int fromDpi = 96);

// Horizontal logical pixels per inch of the screen (GetDeviceCaps LOGPIXELSX), read once.
int DisplayDpi();

// A design value (pixels at `fromDpi`) in screen pixels.
inline int Scale(int value, int fromDpi = 96) { return ScaleForDpi(value, DisplayDpi(), fromDpi); }

#endif  // OSTREL_UI_DPI_H_
