#include "base/local_time.h"

namespace {

constexpr int kFirstSystemYear = 1601;

}  // namespace

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time) {
  TDateTime value = 0;
  return EncodeDateTime({time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                         time.wMilliseconds},
                        value)
             ? value
             : 0;
}

bool DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time) {
  TDateTimeParts parts;
  if (!DecodeDateTime(value, parts) || parts.Year < kFirstSystemYear) return false;
  time = {static_cast<WORD>(parts.Year),      static_cast<WORD>(parts.Month),
          static_cast<WORD>(parts.DayOfWeek), static_cast<WORD>(parts.Day),
          static_cast<WORD>(parts.Hour),      static_cast<WORD>(parts.Minute),
          static_cast<WORD>(parts.Second),    static_cast<WORD>(parts.Millisecond)};
  return true;
}

TDateTime UtcToLocalDateTime(const SYSTEMTIME& utc) {
  SYSTEMTIME local;
  return SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) ? SystemTimeToDateTime(local) : 0;
}

bool LocalDateTimeToUtc(TDateTime local, SYSTEMTIME& utc) {
  SYSTEMTIME localTime;
  return DateTimeToSystemTime(local, localTime) &&
         TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &utc);
}

bool LocalDateTimeToFileTime(TDateTime local, FILETIME& time) {
  SYSTEMTIME utc;
  return LocalDateTimeToUtc(local, utc) && SystemTimeToFileTime(&utc, &time);
}
