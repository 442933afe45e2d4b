#include "upgrade/controller/ul_version.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <tuple>

namespace {

// -1 for anything but decimal digits that fit an int.
int PartNumber(std::wstring_view part) {
  if (part.empty()) return -1;
  int value = 0;
  for (wchar_t c : part) {
    if (c < L'0' || c > L'9') return -1;
    if (value > (INT_MAX - (c - L'0')) / 10) return -1;
    value = value * 10 + (c - L'0');
  }
  return value;
}

std::array<std::wstring_view, 4> VersionParts(std::wstring_view version) {
  std::array<std::wstring_view, 4> parts{L"0", L"0", L"0", L"0"};
  // As if the text ended in ".": "1.2" has the parts "1" and "2", "" the one part "".
  size_t start = 0;
  for (auto& part : parts) {
    if (start > version.size()) break;
    const size_t dot = std::min(version.find(L'.', start), version.size());
    part = version.substr(start, dot - start);
    start = dot + 1;
  }
  return parts;
}

// `fallback` when the text makes no date.
TDateTimeParts VersionDate(std::wstring_view text, const TDateTimeParts& fallback) {
  const size_t first = text.find(L'/');
  const size_t second = first == std::wstring_view::npos ? first : text.find(L'/', first + 1);
  TDateTimeParts date;
  date.Month = PartNumber(text.substr(0, first));
  if (first != std::wstring_view::npos) {
    date.Day = PartNumber(text.substr(first + 1, second - first - 1));
    if (second != std::wstring_view::npos) date.Year = PartNumber(text.substr(second + 1));
  }
  TDateTime unused;
  return EncodeDateTime(date, unused) ? date : fallback;
}

}  // namespace

bool IsNewerVersionNumber(std::wstring_view server, std::wstring_view local) {
  const auto serverParts = VersionParts(server);
  const auto localParts = VersionParts(local);
  for (size_t i = 0; i < serverParts.size(); ++i) {
    const int a = PartNumber(serverParts[i]);
    const int b = PartNumber(localParts[i]);
    if (a == -1 || b == -1) return server > local;
    if (a != b) return a > b;
  }
  return false;
}

bool IsNewerVersionDate(std::wstring_view server, std::wstring_view local,
                        const TDateTimeParts& today) {
  const TDateTimeParts a = VersionDate(server, today);
  const TDateTimeParts b = VersionDate(local, today);
  return std::tie(a.Year, a.Month, a.Day) > std::tie(b.Year, b.Month, b.Day);
}

std::wstring VersionDateText(const TDateTimeParts& date) {
  wchar_t text[32];
  std::swprintf(text, std::size(text), L"%02d/%02d/%04d", date.Month, date.Day, date.Year);
  return text;
}
