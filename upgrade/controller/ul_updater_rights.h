#ifndef OSTREL_UPGRADE_CONTROLLER_UL_UPDATER_RIGHTS_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_UPDATER_RIGHTS_H_

// Whether the updater must be started with administrator rights. It asks for none itself: a
// program the user installed for himself is upgraded without a prompt, which a standard user
// could not answer. Free of <windows.h> (also built natively, tests/native).

#include <functional>
#include <string>
#include <vector>

// With administrator rights for an installation for all users (as every upgrade asked before),
// and wherever the user may not replace one of `paths`: the program's folder and the targets of
// the downloads.
bool UpdaterNeedsElevation(bool installedForAllUsers, const std::vector<std::wstring>& paths,
                           const std::function<bool(const std::wstring& path)>& mayReplace);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_UPDATER_RIGHTS_H_
