#ifndef OSTREL_UPGRADE_UPDATER_UPDATER_RULES_H_
#define OSTREL_UPGRADE_UPDATER_UPDATER_RULES_H_

// The updater's decisions apart from the file system: what its command line asks for, the lines
// of the queue file and the names the folder scan installs downloaded files under. Texts are
// 8-bit (the system's ANSI code page), as the application writes them and the updater's file
// functions take them. Free of <windows.h> (also built natively, tests/native).

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kTemporarySuffix = ".uTMP";
// How long a new version has to say that it runs before it counts as broken and is put back:
// the engine starts in seconds, a slow or busy machine may take many.
inline constexpr unsigned kStartLimitSeconds = 60;

// What the application asks for when it starts the updater:
//   Zudarada4.exe C:\App\OstrelMini.exe +/afterupgrade0
// (application file, " +", the restart parameters and the method digit, without quotes).
// A first argument "/startlimit:SECONDS" sets how long the new version has to say that it runs.
struct TUpdaterRequest {
  std::string ApplicationPath;
  std::string Parameters;  // handed to the restarted program
  bool ExternalSetup = false;
  unsigned StartLimitSeconds = kStartLimitSeconds;
};
// `arguments` as the system splits the command line, without the updater's own name.
TUpdaterRequest ParseUpdaterArguments(const std::vector<std::string>& arguments);

// Up to and including the last "\"; empty without one.
std::string_view FolderOf(std::string_view path);
// After the last "\".
std::string_view FileNameOf(std::string_view path);

// The queue file's target paths, one a CR LF line, empty lines left out.
std::vector<std::string> SplitQueueText(std::string_view text);

// `name` less ".uTMP" (in any case); empty when it does not end so.
std::string WithoutTemporarySuffix(std::string_view name);

// The folder scan's state: downloaded files without a queue line, in the application folder.
struct TFolderScan {
  bool ExternalSetup = false;
  std::string ApplicationName;  // as found on disk
  bool ApplicationDownloaded = false;
  std::string SetupName;  // the downloaded setup program to run, once one was taken
};
struct TScanTarget {
  std::string Name;    // in the application folder
  bool Setup = false;  // the setup program to run
};
// The name the downloaded file `name` (without ".uTMP") is installed under. While the
// application's own file is not among the downloads, the first program file takes its place: as
// the application itself, or, for an external setup, as the setup program run instead.
TScanTarget ScanTarget(TFolderScan& scan, std::string_view name);

// What the previous version is started with when an upgrade was put back
// (upgrade/support/ul_upgrade_protocol.h): a file could not be replaced (the system's error),
// the new version ended with `exitCode` before it said that it runs, or it had not said so
// within `seconds`.
std::string RolledBackParameters(unsigned long error);
std::string EndedParameters(unsigned long exitCode);
std::string SilentParameters(unsigned seconds);

// The command line that starts `program` with `parameters`.
std::string CommandLineFor(std::string_view program, std::string_view parameters);

#endif  // OSTREL_UPGRADE_UPDATER_UPDATER_RULES_H_
