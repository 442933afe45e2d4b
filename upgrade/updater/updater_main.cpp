// Zudarada4.exe: installs the files an upgrade downloaded once the application has exited, then
// starts it again. The application writes it to the temporary folder and starts it as it closes:
//   Zudarada4.exe C:\App\OstrelMini.exe +/afterupgrade0
// The queue file beside it lists the downloads that have a target path of their own; the others
// lie in the application folder. 8-bit file functions throughout: the queue file is ANSI.

#include <windows.h>

#include <string>
#include <vector>

#include "base/handle.h"
#include "upgrade/support/ul_upgrade_protocol.h"
#include "upgrade/updater/updater_rules.h"

namespace {

constexpr char kCaption[] = "Upgrader v4.0";
constexpr char kAbout[] =
    "Ostrel-Mini Upgrader: installs a downloaded upgrade and restarts the program.";
constexpr char kQueueFileName[] = "UpgraderQueue.txt";
// The application closes through the engine's shutdown, a few seconds. One that has not gone
// after minutes hangs: installing beside it would mix old and new files, so nothing is touched.
constexpr ULONGLONG kApplicationExitLimit = 5 * 60 * 1000;
// A setup program may wait a long time for its user; the application starts after it.
constexpr ULONGLONG kSetupLimit = 24 * 60 * 60 * 1000;
// Virus scanners open newly written files for a few seconds; a file held longer is taken to stay
// held, and the upgrade is put back.
constexpr ULONGLONG kHeldFileLimit = 10 * 1000;
// A new version that was ended lets go of its file at once; its engine's processes may take a
// moment longer.
constexpr ULONGLONG kEndedVersionLimit = 30 * 1000;

enum TExitCode : int {
  ecInstalled = 0,
  ecApplicationStillRunning = 1,
  ecSetupStillRunning = 2,
  ecRolledBack = 3,        // a file could not be replaced
  ecNewVersionFailed = 4,  // the new version did not start; the previous one was put back
};

std::string TemporaryFolder() {
  char folder[MAX_PATH + 1];
  const DWORD length = GetTempPathA(MAX_PATH + 1, folder);
  return length > 0 && length <= MAX_PATH ? std::string(folder, length) : std::string();
}

std::string ReadWholeFile(const std::string& path) {
  const THandle file = FileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  std::string text;
  char block[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), block, sizeof(block), &read, nullptr) && read > 0) {
    text.append(block, read);
  }
  return text;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A running program's file cannot be opened for writing without sharing; once it has ended (or
// the file is gone) it can.
bool Released(const std::string& path) {
  const THandle file = FileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return !FileExists(path);
  return true;
}

// Polls at the lowest priority, passing on any window message the thread gets meanwhile.
bool WaitUntilReleased(const std::string& path, ULONGLONG limit) {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
  const ULONGLONG deadline = GetTickCount64() + limit;
  bool released = Released(path);
  while (!released && GetTickCount64() < deadline) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(1);
    released = Released(path);
  }
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
  return released;
}

// Starts `program`; its process and thread handles are the caller's to close. False when it
// could not be started.
bool Start(const std::string& program, const std::string& parameters, DWORD flags,
           PROCESS_INFORMATION& process) {
  std::string commandLine = CommandLineFor(program, parameters);
  const std::string folder(FolderOf(program));
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process);
}

void Run(const std::string& program, const std::string& parameters) {
  PROCESS_INFORMATION process{};
  if (!Start(program, parameters, 0, process)) return;
  // Nothing waits for it: its handles are closed at once.
  THandle{process.hThread};
  THandle{process.hProcess};
}

// How the new version's start went: it said that it runs, it ended first (with ExitCode), or it
// was still silent when the limit passed.
struct TStartOutcome {
  enum { Running, Ended, Silent } Kind;
  DWORD ExitCode = 0;
};

// Starts the installed version and waits until it says that it runs: it sets the event named in
// its environment once its window is shown and the engine works. One that ends first, or is still
// silent after `limitSeconds`, is ended with every process it started (the engine's run its file
// too), so that its files can be put back.
TStartOutcome StartNewVersion(const std::string& program, const std::string& parameters,
                              unsigned limitSeconds) {
  const std::string eventName =
      "Local\\Ostrel-Mini upgrade started " + std::to_string(GetCurrentProcessId());
  const THandle started(CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
  if (started == nullptr) {
    // Nothing could hear it say so: it is taken to run, as before the check existed.
    Run(program, parameters);
    return {TStartOutcome::Running};
  }
  const THandle job(CreateJobObjectA(nullptr, nullptr));
  const std::string variable(kStartedEventVariable);
  SetEnvironmentVariableA(variable.c_str(), eventName.c_str());
  PROCESS_INFORMATION process{};
  const bool launched = Start(program, parameters, CREATE_SUSPENDED, process);
  const DWORD launchError = GetLastError();
  SetEnvironmentVariableA(variable.c_str(), nullptr);
  // A program that cannot even be started (a broken file) counts as one that ended at once.
  if (!launched) return {TStartOutcome::Ended, launchError};
  const THandle thread(process.hThread), running(process.hProcess);
  // Inside a job already, Windows 7 refuses a second one: only the program itself is ended then.
  const bool inJob = job != nullptr && AssignProcessToJobObject(job.get(), running.get());
  ResumeThread(thread.get());
  const HANDLE waits[] = {started.get(), running.get()};
  const DWORD waited = WaitForMultipleObjects(2, waits, FALSE, limitSeconds * 1000);
  if (waited == WAIT_OBJECT_0) return {TStartOutcome::Running};
  TStartOutcome outcome{TStartOutcome::Silent};
  if (waited == WAIT_OBJECT_0 + 1) {
    outcome.Kind = TStartOutcome::Ended;
    GetExitCodeProcess(running.get(), &outcome.ExitCode);
  }
  if (inJob) {
    TerminateJobObject(job.get(), 1);
  } else {
    TerminateProcess(running.get(), 1);
  }
  WaitForSingleObject(running.get(), static_cast<DWORD>(kEndedVersionLimit));
  return outcome;
}

// Moves `from` onto `to`. A file another program holds for a moment is waited for, up to
// kHeldFileLimit: ERROR_SUCCESS, or the system's error of the last try.
DWORD MoveWaitingForHolders(const std::string& from, const std::string& to) {
  const ULONGLONG deadline = GetTickCount64() + kHeldFileLimit;
  for (;;) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                      error == ERROR_ACCESS_DENIED;
    if (!held || GetTickCount64() >= deadline) return error;
    Sleep(100);
  }
}

// The 32-bit build runs under WOW64 on 64-bit Windows, where "C:\Windows\System32" would mean
// the 32-bit system folder; the application's targets name the real one. Only for the moves:
// the system's own 32-bit libraries must still be found when the updater loads any.
class TRealSystemFolder {
 public:
  TRealSystemFolder() { redirected_ = Wow64DisableWow64FsRedirection(&state_); }
  ~TRealSystemFolder() {
    if (redirected_) Wow64RevertWow64FsRedirection(state_);
  }
  TRealSystemFolder(const TRealSystemFolder&) = delete;
  TRealSystemFolder& operator=(const TRealSystemFolder&) = delete;

 private:
  PVOID state_ = nullptr;
  BOOL redirected_ = FALSE;
};

// Installs downloads all or nothing: each replaced file is kept beside its target under a backup
// name until Commit, once every move has succeeded and the new version runs. After the first
// failed move nothing more is moved, and RollBack puts every replaced file back and removes the
// files that were new.
class TInstallation {
 public:
  void Install(const std::string& downloaded, const std::string& target, DWORD attributes) {
    if (error_ != ERROR_SUCCESS) return;
    const bool replaces = FileExists(target);
    if (replaces && !Move(target, BackupOf(target))) return;
    // From here on the target is ours to restore, even when the next move fails.
    moves_.push_back({target, replaces});
    if (Move(downloaded, target)) SetFileAttributesA(target.c_str(), attributes);
  }

  DWORD Error() const { return error_; }

  void Commit() {
    const TRealSystemFolder realSystemFolder;
    for (const TMove& move : moves_) {
      if (move.Replaced) DeleteFileA(BackupOf(move.Target).c_str());
    }
  }

  // The downloads not yet installed go too: a later run must not install them on their own.
  void RollBack(const std::vector<std::string>& downloads) {
    const TRealSystemFolder realSystemFolder;
    for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
      if (move->Replaced) {
        MoveWaitingForHolders(BackupOf(move->Target), move->Target);
      } else {
        DeleteFileA(move->Target.c_str());
      }
    }
    for (const std::string& downloaded : downloads) DeleteFileA(downloaded.c_str());
  }

 private:
  struct TMove {
    std::string Target;
    bool Replaced;  // its old file lies under the backup name
  };

  static std::string BackupOf(const std::string& target) { return target + ".uBAK"; }

  bool Move(const std::string& from, const std::string& to) {
    error_ = MoveWaitingForHolders(from, to);
    return error_ == ERROR_SUCCESS;
  }

  std::vector<TMove> moves_;
  DWORD error_ = ERROR_SUCCESS;
};

// Downloads with a target of their own, listed in the queue file; skipped ones have no
// temporary file and stay as they are.
void InstallQueuedFiles(const std::string& queueText, TInstallation& installation) {
  for (const std::string& target : SplitQueueText(queueText)) {
    const std::string downloaded = target + std::string(kTemporarySuffix);
    if (FileExists(downloaded)) installation.Install(downloaded, target, FILE_ATTRIBUTE_ARCHIVE);
  }
}

std::vector<std::string> DownloadsIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const std::string pattern = folder + "*" + std::string(kTemporarySuffix);
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// The application folder's remaining downloads; the scan notes a setup program it takes.
void InstallFolderDownloads(const std::string& folder, TFolderScan& scan,
                            TInstallation& installation) {
  for (const std::string& downloaded : DownloadsIn(folder)) {
    const std::string name = WithoutTemporarySuffix(downloaded);
    if (name.empty()) continue;
    const TScanTarget target = ScanTarget(scan, name);
    installation.Install(
        folder + downloaded, folder + target.Name,
        target.Setup ? FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE : FILE_ATTRIBUTE_ARCHIVE);
  }
}

// The upgrade's downloads that are still where they were downloaded to.
std::vector<std::string> DownloadsLeft(const std::string& queueText, const std::string& folder) {
  std::vector<std::string> downloads;
  for (const std::string& target : SplitQueueText(queueText))
    downloads.push_back(target + std::string(kTemporarySuffix));
  for (const std::string& name : DownloadsIn(folder)) downloads.push_back(folder + name);
  return downloads;
}

int Update(const TUpdaterRequest& request) {
  const std::string queueFile = TemporaryFolder() + kQueueFileName;
  const std::string queueText = ReadWholeFile(queueFile);
  const std::string folder(FolderOf(request.ApplicationPath));

  TFolderScan scan{.ExternalSetup = request.ExternalSetup,
                   .ApplicationName = std::string(FileNameOf(request.ApplicationPath))};
  WIN32_FIND_DATAA found;
  HANDLE application = FindFirstFileA(request.ApplicationPath.c_str(), &found);
  if (application != INVALID_HANDLE_VALUE) {
    FindClose(application);
    scan.ApplicationName = found.cFileName;
    if (!WaitUntilReleased(request.ApplicationPath, kApplicationExitLimit))
      return ecApplicationStillRunning;
  }
  scan.ApplicationDownloaded = FileExists(request.ApplicationPath + std::string(kTemporarySuffix));

  TInstallation installation;
  {
    const TRealSystemFolder realSystemFolder;
    InstallQueuedFiles(queueText, installation);
    InstallFolderDownloads(folder, scan, installation);
  }
  // The previous version runs again and can tell its log and its user why nothing changed.
  const auto putBack = [&](const std::string& parameters, TExitCode code) {
    installation.RollBack(DownloadsLeft(queueText, folder));
    Run(request.ApplicationPath, parameters);
    DeleteFileA(queueFile.c_str());
    return code;
  };
  if (installation.Error() != ERROR_SUCCESS)
    return putBack(RolledBackParameters(installation.Error()), ecRolledBack);

  if (!request.ExternalSetup) {
    const TStartOutcome start =
        StartNewVersion(request.ApplicationPath, request.Parameters, request.StartLimitSeconds);
    if (start.Kind != TStartOutcome::Running) {
      WaitUntilReleased(request.ApplicationPath, kEndedVersionLimit);
      return putBack(start.Kind == TStartOutcome::Ended
                         ? EndedParameters(start.ExitCode)
                         : SilentParameters(request.StartLimitSeconds),
                     ecNewVersionFailed);
    }
    installation.Commit();
    DeleteFileA(queueFile.c_str());
    return ecInstalled;
  }

  // An external setup takes over from here: it installs as it sees fit.
  installation.Commit();
  const std::string setup = scan.SetupName.empty() ? std::string() : folder + scan.SetupName;
  Run(setup.empty() ? request.ApplicationPath : setup, request.Parameters);
  DeleteFileA(queueFile.c_str());
  if (setup.empty()) return ecInstalled;

  // The application starts again only after its setup, which may replace it.
  if (!WaitUntilReleased(setup, kSetupLimit)) return ecSetupStillRunning;
  DeleteFileA(setup.c_str());
  Run(request.ApplicationPath, request.Parameters);
  return ecInstalled;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    MessageBoxA(nullptr, kAbout, kCaption, MB_OK | MB_ICONINFORMATION);
    return ecInstalled;
  }
  return Update(ParseUpdaterArguments(std::vector<std::string>(argv + 1, argv + argc)));
}
