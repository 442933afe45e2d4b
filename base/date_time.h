#ifndef OSTREL_BASE_DATE_TIME_H_
#define OSTREL_BASE_DATE_TIME_H_

// The program's date-time value and its calendar. Free of <windows.h>: time zones and the
// system's records are in local_time.h.

#include <cstdint>

// Days since 1899-12-30 00:00, the fraction being the time of day (the OLE automation date,
// which the system's variant time and spreadsheet-style displays use). A day count of any sign
// is followed by a positive time of day: -1.25 is 1899-12-29 06:00. Precision: milliseconds.
// 0 stands for "no date".
using TDateTime = double;

struct TDateTimeParts {
  int Year = 0;
  int Month = 0;  // 1 to 12
  int Day = 0;    // 1 to 31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  int DayOfWeek = 0;  // 0 is Sunday; set by DecodeDateTime, not read by EncodeDateTime
};

// False for a date or time that does not exist, and for years outside 1 to 9999.
bool EncodeDateTime(const TDateTimeParts& parts, TDateTime& value);
bool DecodeDateTime(TDateTime value, TDateTimeParts& parts);

// `value` moved by `minutes` (of either sign) on the time line; false when the result leaves
// the years 1 to 9999.
bool AddMinutes(TDateTime& value, int64_t minutes);

#endif  // OSTREL_BASE_DATE_TIME_H_
