#include "upgrade/controller/ul_updater_rights.h"

#include <algorithm>

bool UpdaterNeedsElevation(bool installedForAllUsers, const std::vector<std::wstring>& paths,
                           const std::function<bool(const std::wstring& path)>& mayReplace) {
  return installedForAllUsers || !std::ranges::all_of(paths, mayReplace);
}
