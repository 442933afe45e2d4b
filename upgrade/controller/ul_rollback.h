#ifndef OSTREL_UPGRADE_CONTROLLER_UL_ROLLBACK_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_ROLLBACK_H_

// What the program hears when the updater had to put an upgrade back and started this version
// again (upgrade/support/ul_upgrade_protocol.h): the cause, for the log, and what the user is
// told. Free of <windows.h> (also built natively, tests/native).

#include <optional>
#include <string>
#include <string_view>

struct TulRollBack {
  std::wstring LogLine;
  std::wstring UserText;
};
// Nothing unless `argument`, the program's first, is the updater's after a rollback.
std::optional<TulRollBack> ReadRollBack(std::wstring_view argument);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_ROLLBACK_H_
