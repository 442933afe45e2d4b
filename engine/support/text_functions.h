#ifndef OSTREL_ENGINE_SUPPORT_TEXT_FUNCTIONS_H_
#define OSTREL_ENGINE_SUPPORT_TEXT_FUNCTIONS_H_

// Text helpers of the engine start-up code (base/text.h has the common ones). Pure: no
// <windows.h>.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

// Splits a comma text: items end at commas and at blanks; an item in double quotes may hold
// both (a doubled quote inside stands for one quote). Empty items are kept.
std::vector<std::wstring> SplitDelimitedList(std::wstring_view text);

// `value` as `digits` upper-case hexadecimal digits, zero-padded.
std::wstring HexText(uint32_t value, int digits);

#endif  // OSTREL_ENGINE_SUPPORT_TEXT_FUNCTIONS_H_
