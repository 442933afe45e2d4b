// Zudarada4.exe: installs the files an upgrade downloaded once the application has exited, then
// starts it again. The application writes it to the temporary folder and starts it as it closes:
//   Zudarada4.exe C:\App\OstrelMini.exe +/afterupgrade0
// The queue file beside it lists the downloads that have a target path of their own; the others
// lie in the application folder. 8-bit file functions throughout: the queue file is ANSI.

#include <windows.h>

#include <string>
#include <vector>

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

enum TExitCode : int { ecInstalled = 0, ecApplicationStillRunning = 1, ecSetupStillRunning = 2 };

std::string TemporaryFolder() {
  char folder[MAX_PATH + 1];
  const DWORD length = GetTempPathA(MAX_PATH + 1, folder);
  return length > 0 && length <= MAX_PATH ? std::string(folder, length) : std::string();
}

std::string ReadWholeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char block[4096];
  DWORD read = 0;
  while (ReadFile(file, block, sizeof(block), &read, nullptr) && read > 0) text.append(block, read);
  CloseHandle(file);
  return text;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A running program's file cannot be opened for writing without sharing; once it has ended (or
// the file is gone) it can.
bool Released(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return !FileExists(path);
  CloseHandle(file);
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

void Run(const std::string& program, const std::string& parameters) {
  std::string commandLine = CommandLineFor(program, parameters);
  const std::string folder(FolderOf(program));
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

// Replaces `target` in one step (never delete, then move): a download that cannot be moved, say
// because a virus scanner holds it, leaves the old file in place.
void Install(const std::string& downloaded, const std::string& target, DWORD attributes) {
  if (MoveFileExA(downloaded.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
    SetFileAttributesA(target.c_str(), attributes);
}

// Downloads with a target of their own, listed in the queue file; skipped ones have no
// temporary file and stay as they are.
void InstallQueuedFiles(const std::string& queueText) {
  for (const std::string& target : SplitQueueText(queueText))
    Install(target + std::string(kTemporarySuffix), target, FILE_ATTRIBUTE_ARCHIVE);
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
void InstallFolderDownloads(const std::string& folder, TFolderScan& scan) {
  for (const std::string& downloaded : DownloadsIn(folder)) {
    const std::string name = WithoutTemporarySuffix(downloaded);
    if (name.empty()) continue;
    const TScanTarget target = ScanTarget(scan, name);
    const std::string path = folder + target.Name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    Install(folder + downloaded, path,
            target.Setup ? FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE : FILE_ATTRIBUTE_ARCHIVE);
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

void InstallDownloads(const std::string& queueText, const std::string& folder, TFolderScan& scan) {
  const TRealSystemFolder realSystemFolder;
  InstallQueuedFiles(queueText);
  InstallFolderDownloads(folder, scan);
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

  InstallDownloads(queueText, folder, scan);

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
