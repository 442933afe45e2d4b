#include "browser/zoom_table.h"

#include <cmath>

namespace {

constexpr double kZoomPercentages[kZoomStepCount] = {25,  33,  50,  67,  75,  90,  100, 110,
                                                     125, 150, 175, 200, 250, 300, 400, 500};
constexpr double kZoomBase = 1.2;

}  // namespace

double ZoomStepPercentage(uint8_t step) {
  return step < kZoomStepCount ? kZoomPercentages[step] : 100.0;
}

double ZoomLevelToPct(double level) { return 100.0 * std::pow(kZoomBase, level); }

double ZoomPctToLevel(double pct) { return std::log(pct / 100.0) / std::log(kZoomBase); }
