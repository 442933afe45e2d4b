#ifndef OSTREL_UPGRADE_SUPPORT_UL_UPGRADE_PROTOCOL_H_
#define OSTREL_UPGRADE_SUPPORT_UL_UPGRADE_PROTOCOL_H_

// What the updater and the versions of the program on either side of it tell each other beyond
// its command line and the queue file. The updater written out by one version installs the next
// one and waits for it to say that it runs; any later version must keep these names. ASCII,
// which the updater takes as its 8-bit text and the program widens. Free of <windows.h>.
//
//   the updater starts the new version with kStartedEventVariable naming an event in its
//   environment; the new version sets that event once its window is shown and the engine works
//   the updater's first argument may be kStartLimitOption + seconds (the time it gives the new
//   version to say so; the tests shorten it)
//   a version the updater had to put back is started with kRolledBackArgument + the cause:
//     the system's error number         a file could not be replaced
//     kEndedCause + the exit code       the new version ended before it said that it runs
//     kSilentCause + the seconds        it had not said so within that time

#include <string_view>

inline constexpr std::string_view kStartedEventVariable = "OSTREL_UPGRADE_STARTED";
inline constexpr std::string_view kStartLimitOption = "/startlimit:";
inline constexpr std::string_view kRolledBackArgument = "/upgraderolledback:";
inline constexpr std::string_view kEndedCause = "ended:";
inline constexpr std::string_view kSilentCause = "silent:";

#endif  // OSTREL_UPGRADE_SUPPORT_UL_UPGRADE_PROTOCOL_H_
