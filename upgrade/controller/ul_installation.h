#ifndef OSTREL_UPGRADE_CONTROLLER_UL_INSTALLATION_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_INSTALLATION_H_

// The entry the setup program writes under Settings → Apps (the uninstall key "Ostrel-Mini", of
// the user or of the computer) when it points at the program's folder: which kind of
// installation a copy is, and keeping the entry's version true after an upgrade. A copy run from
// an unpacked zip has none.

#include <string>

inline constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrel-Mini";

enum TulInstallation : int { inNone, inCurrentUser, inAllUsers };

// The installation whose entry names `folder` as its InstallLocation; the computer's first.
TulInstallation InstallationOf(const std::wstring& folder);

// Has the entry of `installation` say `version` and the size of `folder`, where it says another
// version. False when it could not be written (the computer's wants administrator rights).
bool RecordInstalledVersion(TulInstallation installation, const std::wstring& folder,
                            const std::wstring& version);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_INSTALLATION_H_
