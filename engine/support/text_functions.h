#ifndef OSTREL_ENGINE_SUPPORT_TEXT_FUNCTIONS_H_
#define OSTREL_ENGINE_SUPPORT_TEXT_FUNCTIONS_H_

// Small text helpers shared by the engine start-up code. Pure: no <windows.h>.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The line break of every message and list text: carriage return and line feed.
inline constexpr std::wstring_view kLineBreak = L"\r\n";

// Equal without regard to letter case; only ASCII letters fold, like the engine's switch names.
bool SameText(std::wstring_view a, std::wstring_view b);

// Drops leading and trailing blanks and control characters (line breaks included).
std::wstring Trim(std::wstring_view text);

// Splits a comma text: items end at commas and at blanks; an item in double quotes may hold
// both (a doubled quote inside stands for one quote). Empty items are kept.
std::vector<std::wstring> SplitDelimitedList(std::wstring_view text);

// `value` as `digits` upper-case hexadecimal digits, zero-padded.
std::wstring HexText(uint32_t value, int digits);

// Path text helpers: "\" and "/" both separate names, as the system accepts both.
bool IsPathSeparator(wchar_t c);
std::wstring IncludeTrailingPathDelimiter(std::wstring_view path);
std::wstring ExcludeTrailingPathDelimiter(std::wstring_view path);
// The name after the last separator or drive colon.
std::wstring ExtractFileName(std::wstring_view path);

#endif  // OSTREL_ENGINE_SUPPORT_TEXT_FUNCTIONS_H_
