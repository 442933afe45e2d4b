#include "upgrade/support/ul_date_time.h"

#include <array>
#include <optional>

#include "upgrade/support/ul_text.h"

namespace {

constexpr std::array<std::wstring_view, 7> kWeekdays{L"sun", L"mon", L"tue", L"wed",
                                                     L"thu", L"fri", L"sat"};
constexpr std::array<std::wstring_view, 12> kMonths{L"jan", L"feb", L"mar", L"apr", L"may", L"jun",
                                                    L"jul", L"aug", L"sep", L"oct", L"nov", L"dec"};

// 1 to 12 for a field that starts with a month's name, else 0.
int MonthOf(std::wstring_view field) {
  const std::wstring name = LowerAscii(field.substr(0, 3));
  for (size_t i = 0; i < kMonths.size(); ++i) {
    if (name == kMonths[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::optional<int> ReadNumber(std::wstring_view field) {
  field = TrimText(field);
  if (field.empty() || field.size() > 9) return std::nullopt;
  int value = 0;
  for (wchar_t c : field) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

// Cuts the text up to `separator` off `rest` (the separator goes with it) and trims the rest.
std::wstring_view TakeField(std::wstring_view& rest, wchar_t separator) {
  const size_t at = rest.find(separator);
  const std::wstring_view field = rest.substr(0, at);
  rest = at == std::wstring_view::npos ? std::wstring_view{} : TrimText(rest.substr(at + 1));
  return field;
}

}  // namespace

TDateTime HttpDateToUtc(std::wstring_view text) {
  std::wstring_view rest = TrimText(text);
  if (rest.empty()) return 0;
  const std::wstring weekday = LowerAscii(rest.substr(0, 3));
  for (const std::wstring_view name : kWeekdays) {
    if (weekday == name) {
      TakeField(rest, L' ');
      break;
    }
  }
  // "06-Nov-94" (RFC 850) or "06 Nov 1994" and "Nov  6 … 1994" (asctime).
  const size_t space = rest.find(L' ');
  const size_t dash = rest.find(L'-', 1);
  const wchar_t separator = dash != std::wstring_view::npos && dash < space ? L'-' : L' ';
  TDateTimeParts parts;
  const std::wstring_view first = TakeField(rest, separator);
  if (const int month = MonthOf(first); month != 0) {
    parts.Month = month;
    parts.Day = ReadNumber(TakeField(rest, separator)).value_or(1);
  } else {
    parts.Day = ReadNumber(first).value_or(1);
    parts.Month = MonthOf(TakeField(rest, separator));
  }
  const std::wstring_view yearField = TakeField(rest, L' ');
  parts.Year = ReadNumber(yearField).value_or(1900);
  if (parts.Year == 1900) {  // asctime: the time comes before the year
    parts.Year = ReadNumber(rest).value_or(1900);
    rest = yearField;
  }
  if (parts.Year < 80) {
    parts.Year += 2000;
  } else if (parts.Year < 100) {
    parts.Year += 1900;
  }
  if (rest.find(L':') != std::wstring_view::npos) {
    std::wstring_view time = TakeField(rest, L' ');
    parts.Hour = ReadNumber(TakeField(time, L':')).value_or(0);
    parts.Minute = ReadNumber(TakeField(time, L':')).value_or(0);
    parts.Second = ReadNumber(time).value_or(0);
  }
  TDateTime value = 0;
  if (!EncodeDateTime(parts, value)) return 0;
  // A numeric zone ("+0800", "-0130") is the local time's offset from UTC; names mean UTC. It
  // can move the last day of 9999 into a year no date value holds.
  rest = TrimText(rest);
  if (rest.size() > 4 && (rest[0] == L'+' || rest[0] == L'-')) {
    const int minutes =
        ReadNumber(rest.substr(1, 2)).value_or(0) * 60 + ReadNumber(rest.substr(3, 2)).value_or(0);
    if (!AddMinutes(value, rest[0] == L'-' ? minutes : -minutes)) return 0;
  }
  return value;
}
