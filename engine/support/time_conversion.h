#ifndef OSTREL_ENGINE_SUPPORT_TIME_CONVERSION_H_
#define OSTREL_ENGINE_SUPPORT_TIME_CONVERSION_H_

// The engine's time record (UTC) and the program's date-time value (local time).

#include "base/local_time.h"
#include "engine/capi/cef_capi.h"

using TCefTime = cef_time_t;

// UTC engine time → local date-time value; 0 when the record holds no valid time (a zero record
// means "none" to the engine) or the conversion fails.
TDateTime CefTimeToDateTime(const TCefTime& time);
// Local date-time value → UTC engine time; an all-zero record when the conversion fails.
TCefTime DateTimeToCefTime(TDateTime value);

#endif  // OSTREL_ENGINE_SUPPORT_TIME_CONVERSION_H_
