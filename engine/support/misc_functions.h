#ifndef OSTREL_ENGINE_SUPPORT_MISC_FUNCTIONS_H_
#define OSTREL_ENGINE_SUPPORT_MISC_FUNCTIONS_H_

// The screen scale the engine's settings are computed from. Free of <windows.h>.

#include <cstdint>

// Horizontal logical pixels per inch of the screen (96 when it cannot be read), and that
// divided by 96.
int32_t ScreenDpi();
float ScreenScale();

#endif  // OSTREL_ENGINE_SUPPORT_MISC_FUNCTIONS_H_
