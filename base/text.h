#ifndef OSTREL_BASE_TEXT_H_
#define OSTREL_BASE_TEXT_H_

// Text and path-text helpers every layer uses. Free of <windows.h> (also built natively,
// tests/native).

#include <string>
#include <string_view>

// The line break of every message and list text: carriage return and line feed.
inline constexpr std::wstring_view kLineBreak = L"\r\n";

// Without leading and trailing blanks and control characters (line breaks included).
std::wstring_view TrimText(std::wstring_view text);
// Only A-Z fold: the texts compared with these are switch names, macros, names and addresses.
std::wstring LowerAscii(std::wstring_view text);
bool SameText(std::wstring_view a, std::wstring_view b);
bool ContainsText(std::wstring_view text, std::wstring_view part);

// Path texts: "\" and "/" both separate names, as the system accepts both.
bool IsPathSeparator(wchar_t c);
// A "\" added unless the path ends in a separator; an empty path becomes "\".
std::wstring IncludeTrailingPathDelimiter(std::wstring_view path);
std::wstring ExcludeTrailingPathDelimiter(std::wstring_view path);
// Up to and with the last separator or drive colon ("C:\a\b.txt" gives "C:\a\"), and what
// follows it ("b.txt").
std::wstring_view ExtractFilePath(std::wstring_view path);
std::wstring_view ExtractFileName(std::wstring_view path);
// From the last "." of the last name ("C:\a.b\c" has none), "." included.
std::wstring_view ExtractFileExt(std::wstring_view path);

#endif  // OSTREL_BASE_TEXT_H_
