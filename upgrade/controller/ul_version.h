#ifndef OSTREL_UPGRADE_CONTROLLER_UL_VERSION_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_VERSION_H_

// Whether the server's version is newer than the application's: by dotted number or by release
// date. Free of <windows.h> (also built natively, tests/native).

#include <string>
#include <string_view>

#include "upgrade/support/ul_date_time.h"

// Up to four dotted parts, a missing one being 0 ("1.2" is 1.2.0.0); further parts are ignored.
// When a part is no number ("1b", "") the two whole texts decide, code unit by code unit.
bool IsNewerVersionNumber(std::wstring_view server, std::wstring_view local);

// Both "month/day/year"; a side that is no valid date counts as `today`. Newer when strictly
// later.
bool IsNewerVersionDate(std::wstring_view server, std::wstring_view local,
                        const TDateTimeParts& today);

// "MM/DD/YYYY", whatever the locale's separator.
std::wstring VersionDateText(const TDateTimeParts& date);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_VERSION_H_
