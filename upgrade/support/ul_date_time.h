#ifndef OSTREL_UPGRADE_SUPPORT_UL_DATE_TIME_H_
#define OSTREL_UPGRADE_SUPPORT_UL_DATE_TIME_H_

// Date-time values and the HTTP date parser. Free of <windows.h>: local time is the caller's
// business (ul_utils.h), the parser gives the instant in UTC.

#include <string_view>

// The program's date-time value, as engine/support/time_conversion.h defines it (upgrade/ does
// not include engine/): days since 1899-12-30 00:00, the fraction being the time of day; a day
// count of any sign is followed by a positive time of day. 0 stands for "no date".
using TDateTime = double;

struct TulDateTimeParts {
  int Year = 0;
  int Month = 0;  // 1 to 12
  int Day = 0;    // 1 to 31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

// False for a date or time that does not exist (and for years outside 1 to 9999).
bool EncodeDateTime(const TulDateTimeParts& parts, TDateTime& value);
bool DecodeDateTime(TDateTime value, TulDateTimeParts& parts);

// An HTTP date in the RFC 1123 ("Sun, 06 Nov 1994 08:49:37 GMT"), RFC 850
// ("Sunday, 06-Nov-94 08:49:37 GMT") or asctime ("Sun Nov  6 08:49:37 1994") form, with a zone
// name or a numeric zone ("+0800") → the instant in UTC; 0 when it is empty or unreadable.
TDateTime HttpDateToUtc(std::wstring_view text);

#endif  // OSTREL_UPGRADE_SUPPORT_UL_DATE_TIME_H_
