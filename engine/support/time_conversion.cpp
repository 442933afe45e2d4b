#include "engine/support/time_conversion.h"

#include "engine/core/exception_policy.h"

namespace {

bool InSystemRange(int year) { return year >= 1601 && year <= 30827; }

}  // namespace

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
    return UtcToLocalDateTime(utc);
  });
}

TCefTime DateTimeToCefTime(TDateTime value) {
  return GuardRoutine(L"DateTimeToCefTime", TCefTime{}, [&] {
    TCefTime result{};
    SYSTEMTIME utc{};
    if (!LocalDateTimeToUtc(value, utc)) return result;
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
