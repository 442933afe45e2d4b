#ifndef OSTREL_ENGINE_SUPPORT_TIME_CONVERSION_H_
#define OSTREL_ENGINE_SUPPORT_TIME_CONVERSION_H_

// The engine's time record (UTC) and the program's date-time value (local time).

#include "engine/capi/cef_capi.h"

using TCefTime = cef_time_t;

// The program's date-time value: a local wall-clock time as days since 1899-12-30 00:00, the
// fraction being the time of day (the OLE automation date, which the system's variant time and
// spreadsheet-style displays use). A day count of any sign is followed by a positive time of day:
// -1.25 is 1899-12-29 06:00. Precision: milliseconds.
using TDateTime = double;

// UTC engine time → local date-time value; 0 when the record holds no valid time (a zero record
// means "none" to the engine) or the conversion fails.
TDateTime CefTimeToDateTime(const TCefTime& time);
// Local date-time value → UTC engine time; an all-zero record when the conversion fails.
TCefTime DateTimeToCefTime(TDateTime value);

// The calendar part of the conversions, without time zones.
TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);
// False for a value outside the system's calendar range (years 1601 to 30827).
bool DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time);

#endif  // OSTREL_ENGINE_SUPPORT_TIME_CONVERSION_H_
