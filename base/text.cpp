#include "base/text.h"

#include <algorithm>

namespace {

wchar_t LowerAsciiChar(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool IsBlank(wchar_t c) { return c <= L' '; }

constexpr std::wstring_view kNameEnds = L"\\/:";

}  // namespace

std::wstring_view TrimText(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring LowerAscii(std::wstring_view text) {
  std::wstring result(text);
  std::transform(result.begin(), result.end(), result.begin(), LowerAsciiChar);
  return result;
}

bool SameText(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return LowerAsciiChar(x) == LowerAsciiChar(y); });
}

bool ContainsText(std::wstring_view text, std::wstring_view part) {
  return LowerAscii(text).find(LowerAscii(part)) != std::wstring::npos;
}

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring IncludeTrailingPathDelimiter(std::wstring_view path) {
  std::wstring result(path);
  if (result.empty() || !IsPathSeparator(result.back())) result += L'\\';
  return result;
}

std::wstring ExcludeTrailingPathDelimiter(std::wstring_view path) {
  std::wstring result(path);
  if (!result.empty() && IsPathSeparator(result.back())) result.pop_back();
  return result;
}

std::wstring_view ExtractFilePath(std::wstring_view path) {
  const size_t last = path.find_last_of(kNameEnds);
  return last == std::wstring_view::npos ? std::wstring_view{} : path.substr(0, last + 1);
}

std::wstring_view ExtractFileName(std::wstring_view path) {
  return path.substr(ExtractFilePath(path).size());
}

std::wstring_view ExtractFileExt(std::wstring_view path) {
  const size_t at = path.find_last_of(L".\\:");
  return at != std::wstring_view::npos && path[at] == L'.' ? path.substr(at) : std::wstring_view{};
}
