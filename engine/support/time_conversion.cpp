#include "engine/support/time_conversion.h"

#include <chrono>
#include <cmath>
#include <cstdint>

#include "engine/core/exception_policy.h"

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr sys_days kEpoch{std::chrono::year{1899} / std::chrono::December / 30};
constexpr int64_t kMillisecondsPerDay = 86400000;

bool InSystemRange(int year) { return year >= 1601 && year <= 30827; }

}  // namespace

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time) {
  const sys_days day{std::chrono::year{time.wYear} / time.wMonth / time.wDay};
  const double whole = static_cast<double>((day - kEpoch).count());
  const double fraction =
      static_cast<double>(((time.wHour * 60 + time.wMinute) * 60 + time.wSecond) * 1000 +
                          time.wMilliseconds) /
      kMillisecondsPerDay;
  return whole < 0 ? whole - fraction : whole + fraction;
}

bool DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time) {
  if (!std::isfinite(value)) return false;
  double whole = std::trunc(value);
  int64_t milliseconds = std::llround(std::fabs(value - whole) * kMillisecondsPerDay);
  if (milliseconds == kMillisecondsPerDay) {  // rounded up to the next midnight
    milliseconds = 0;
    whole += 1;
  }
  if (std::fabs(whole) > 1e7) return false;  // far beyond the system's range either way
  const sys_days day = kEpoch + days{static_cast<int64_t>(whole)};
  const year_month_day date{day};
  if (!InSystemRange(static_cast<int>(date.year()))) return false;
  time.wYear = static_cast<WORD>(static_cast<int>(date.year()));
  time.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
  time.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
  time.wDayOfWeek = static_cast<WORD>(std::chrono::weekday{day}.c_encoding());
  time.wHour = static_cast<WORD>(milliseconds / 3600000);
  time.wMinute = static_cast<WORD>(milliseconds / 60000 % 60);
  time.wSecond = static_cast<WORD>(milliseconds / 1000 % 60);
  time.wMilliseconds = static_cast<WORD>(milliseconds % 1000);
  return true;
}

TDateTime CefTimeToDateTime(const TCefTime& time) {
  return GuardRoutine(L"CefTimeToDateTime", TDateTime{0}, [&]() -> TDateTime {
    // Out-of-range fields would wrap silently in the system record's 16-bit fields.
    if (!InSystemRange(time.year) || time.month < 1 || time.month > 12 || time.day_of_month < 1 ||
        time.day_of_month > 31 || time.hour < 0 || time.hour > 23 || time.minute < 0 ||
        time.minute > 59 || time.second < 0 || time.second > 59 || time.millisecond < 0 ||
        time.millisecond > 999) {
      return 0;
    }
    SYSTEMTIME utc{};
    utc.wYear = static_cast<WORD>(time.year);
    utc.wMonth = static_cast<WORD>(time.month);
    utc.wDayOfWeek = static_cast<WORD>(time.day_of_week);
    utc.wDay = static_cast<WORD>(time.day_of_month);
    utc.wHour = static_cast<WORD>(time.hour);
    utc.wMinute = static_cast<WORD>(time.minute);
    utc.wSecond = static_cast<WORD>(time.second);
    utc.wMilliseconds = static_cast<WORD>(time.millisecond);
    SYSTEMTIME local{};
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return 0;
    return SystemTimeToDateTime(local);
  });
}

TCefTime DateTimeToCefTime(TDateTime value) {
  return GuardRoutine(L"DateTimeToCefTime", TCefTime{}, [&] {
    TCefTime result{};
    SYSTEMTIME local{};
    SYSTEMTIME utc{};
    if (!DateTimeToSystemTime(value, local) ||
        !TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc)) {
      return result;
    }
    result.year = utc.wYear;
    result.month = utc.wMonth;
    result.day_of_week = utc.wDayOfWeek;
    result.day_of_month = utc.wDay;
    result.hour = utc.wHour;
    result.minute = utc.wMinute;
    result.second = utc.wSecond;
    result.millisecond = utc.wMilliseconds;
    return result;
  });
}
