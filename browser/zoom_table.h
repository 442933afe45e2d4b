#ifndef OSTREL_BROWSER_ZOOM_TABLE_H_
#define OSTREL_BROWSER_ZOOM_TABLE_H_

// The browser control's zoom steps and the engine's zoom arithmetic. Pure: no <windows.h>.
// The engine's zoom level L and the percentage P meet in P = 100 * 1.2^L.

#include <cstdint>

inline constexpr uint8_t kZoomStepCount = 16;
inline constexpr uint8_t kZoomStepDefault = 6;  // 100 %

// The percentage of `step`; 100 for a step outside the table.
double ZoomStepPercentage(uint8_t step);
double ZoomLevelToPct(double level);
// Only for a percentage above 0.
double ZoomPctToLevel(double pct);

#endif  // OSTREL_BROWSER_ZOOM_TABLE_H_
