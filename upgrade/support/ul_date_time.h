#ifndef OSTREL_UPGRADE_SUPPORT_UL_DATE_TIME_H_
#define OSTREL_UPGRADE_SUPPORT_UL_DATE_TIME_H_

// The HTTP date parser. Free of <windows.h>: local time is the caller's business (ul_utils.h),
// the parser gives the instant in UTC.

#include <string_view>

#include "base/date_time.h"

// An HTTP date in the RFC 1123 ("Sun, 06 Nov 1994 08:49:37 GMT"), RFC 850
// ("Sunday, 06-Nov-94 08:49:37 GMT") or asctime ("Sun Nov  6 08:49:37 1994") form, with a zone
// name or a numeric zone ("+0800") → the instant in UTC; 0 when it is empty or unreadable.
TDateTime HttpDateToUtc(std::wstring_view text);

#endif  // OSTREL_UPGRADE_SUPPORT_UL_DATE_TIME_H_
