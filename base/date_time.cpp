#include "base/date_time.h"

#include <chrono>
#include <cmath>

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr sys_days kEpoch{std::chrono::year{1899} / std::chrono::December / 30};
constexpr int64_t kMillisecondsPerDay = 86400000;
constexpr int64_t kMillisecondsPerMinute = 60000;

bool InRange(int year) { return year >= 1 && year <= 9999; }

// Milliseconds since the epoch on the time line (negative before it).
TDateTime FromMilliseconds(int64_t milliseconds) {
  const int64_t whole = milliseconds >= 0
                            ? milliseconds / kMillisecondsPerDay
                            : -((-milliseconds + kMillisecondsPerDay - 1) / kMillisecondsPerDay);
  const double fraction =
      static_cast<double>(milliseconds - whole * kMillisecondsPerDay) / kMillisecondsPerDay;
  return whole < 0 ? static_cast<double>(whole) - fraction : static_cast<double>(whole) + fraction;
}

bool ToMilliseconds(const TDateTimeParts& parts, int64_t& milliseconds) {
  const year_month_day date{std::chrono::year{parts.Year},
                            std::chrono::month{static_cast<unsigned>(parts.Month)},
                            std::chrono::day{static_cast<unsigned>(parts.Day)}};
  if (!InRange(parts.Year) || parts.Month < 1 || parts.Day < 1 || !date.ok() || parts.Hour < 0 ||
      parts.Hour > 23 || parts.Minute < 0 || parts.Minute > 59 || parts.Second < 0 ||
      parts.Second > 59 || parts.Millisecond < 0 || parts.Millisecond > 999) {
    return false;
  }
  const int64_t day = (sys_days{date} - kEpoch).count();
  milliseconds = day * kMillisecondsPerDay +
                 ((parts.Hour * 60LL + parts.Minute) * 60 + parts.Second) * 1000 +
                 parts.Millisecond;
  return true;
}

}  // namespace

bool EncodeDateTime(const TDateTimeParts& parts, TDateTime& value) {
  int64_t milliseconds = 0;
  if (!ToMilliseconds(parts, milliseconds)) return false;
  value = FromMilliseconds(milliseconds);
  return true;
}

bool DecodeDateTime(TDateTime value, TDateTimeParts& parts) {
  if (!std::isfinite(value) || std::fabs(value) > 3e6) return false;
  double whole = std::trunc(value);
  int64_t milliseconds = std::llround(std::fabs(value - whole) * kMillisecondsPerDay);
  if (milliseconds == kMillisecondsPerDay) {  // rounded up to the next midnight, a day later
    milliseconds = 0;
    whole += 1;
  }
  const sys_days day = kEpoch + days{static_cast<int64_t>(whole)};
  const year_month_day date{day};
  parts.Year = static_cast<int>(date.year());
  parts.Month = static_cast<int>(static_cast<unsigned>(date.month()));
  parts.Day = static_cast<int>(static_cast<unsigned>(date.day()));
  parts.Hour = static_cast<int>(milliseconds / 3600000);
  parts.Minute = static_cast<int>(milliseconds / 60000 % 60);
  parts.Second = static_cast<int>(milliseconds / 1000 % 60);
  parts.Millisecond = static_cast<int>(milliseconds % 1000);
  parts.DayOfWeek = static_cast<int>(std::chrono::weekday{day}.c_encoding());
  return InRange(parts.Year);
}

bool AddMinutes(TDateTime& value, int64_t minutes) {
  TDateTimeParts parts;
  int64_t milliseconds = 0;
  if (!DecodeDateTime(value, parts) || !ToMilliseconds(parts, milliseconds)) return false;
  const TDateTime moved = FromMilliseconds(milliseconds + minutes * kMillisecondsPerMinute);
  if (!DecodeDateTime(moved, parts)) return false;
  value = moved;
  return true;
}
