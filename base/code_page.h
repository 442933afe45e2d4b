#ifndef OSTREL_BASE_CODE_PAGE_H_
#define OSTREL_BASE_CODE_PAGE_H_

// Texts in the system's 8-bit (ANSI) code page, as older files and the engine's log take them.

#include <windows.h>

#include <string>
#include <string_view>

std::string ToAnsi(std::wstring_view text);
// From the system's 8-bit code page, or from the one given.
std::wstring FromAnsi(std::string_view bytes, UINT codePage = CP_ACP);

#endif  // OSTREL_BASE_CODE_PAGE_H_
