#ifndef OSTREL_BASE_LOCAL_TIME_H_
#define OSTREL_BASE_LOCAL_TIME_H_

// Date-time values and the system's time records, in this computer's time zone (the zone rules
// in force at each date).

#include <windows.h>

#include "base/date_time.h"

// The calendar part, without time zones: 0 for a record that holds no date; false for a value
// outside the years both hold (1601 to 9999).
TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);
bool DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time);

// A UTC record as a local date-time value (0 when it cannot be converted), and back.
TDateTime UtcToLocalDateTime(const SYSTEMTIME& utc);
bool LocalDateTimeToUtc(TDateTime local, SYSTEMTIME& utc);
bool LocalDateTimeToFileTime(TDateTime local, FILETIME& time);

#endif  // OSTREL_BASE_LOCAL_TIME_H_
