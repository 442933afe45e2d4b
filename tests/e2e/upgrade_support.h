#ifndef OSTREL_TESTS_E2E_UPGRADE_SUPPORT_H_
#define OSTREL_TESTS_E2E_UPGRADE_SUPPORT_H_

// A test of the running program's upgrades against the update host (nginx over HTTPS, see
// tests/tools/update_server): publishing an update, answering the program's questions, watching
// the updater restart it, and reading what it left in its folder and its log.

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "ostrel_config.h"
#include "tests/e2e/running_program.h"

namespace e2e {

inline constexpr wchar_t kUpgradeCaption[] = L"软件升级精灵";
inline constexpr wchar_t kHintCaption[] = L"提示";
inline const fs::path kServerState = OSTREL_UPDATE_SERVER_STATE;
inline const fs::path kInfoFile = L"metadata/pavix/windows/pavix_x64_pc.inf";
inline const std::wstring kInfoAddress =
    L"https://" OSTREL_UPDATE_HOST L"/" + kInfoFile.generic_wstring();

struct Box {
  HWND window;
  std::wstring caption;
  std::wstring text;
};

inline fs::path AppDataFolder() {
  wchar_t folder[MAX_PATH] = L"";
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
  return folder;
}

inline std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every published file as it is now, by its path in the program's folder.
inline std::map<fs::path, std::string> InstalledFiles(const fs::path& folder) {
  std::map<fs::path, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::wstring name = entry.path().filename().wstring();
    if (entry.is_regular_file() && name != L"debug.log" && name != L"standin-trace.txt" &&
        name != L"standin-control.txt") {
      files[fs::relative(entry.path(), folder)] = FileBytes(entry.path());
    }
  }
  return files;
}

// A visible top-level window of process `pid` whose caption starts with `caption` (and of class
// `class_name`, when one is given).
inline HWND WindowOf(DWORD pid, const std::wstring& caption, const std::wstring& class_name = L"") {
  struct Search {
    DWORD pid;
    const std::wstring& caption;
    const std::wstring& class_name;
    HWND found = nullptr;
  } search{pid, caption, class_name};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->pid || !IsWindowVisible(window) ||
            WindowText(window).rfind(s->caption, 0) != 0 ||
            (!s->class_name.empty() && ClassOf(window) != s->class_name)) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class UpgradeCheck : public RunningProgram {
 protected:
  void SetUp() override {
    RunningProgram::SetUp();
    if (IsSkipped()) return;
    if (std::wstring(OSTREL_UPDATE_HOST).rfind(L"127.0.0.1:", 0) != 0 ||
        !fs::exists(kServerState / L"nginx.pid")) {
      GTEST_SKIP() << "the build's update host is not the test server on loopback";
    }
    log_start_ = fs::exists(AccessLog()) ? fs::file_size(AccessLog()) : 0;
    mirror_log_start_ = fs::exists(MirrorAccessLog()) ? fs::file_size(MirrorAccessLog()) : 0;
    std::error_code ignored;
    fs::remove_all(extra_.parent_path(), ignored);
  }

  // Whatever was published goes: the next program finds no information (404), with lengths.
  void TearDown() override {
    std::error_code ignored;
    Unpublish();
    for (const wchar_t* marker : {L"chunked", L"close-delimited"})
      fs::remove(kServerState / marker, ignored);
    fs::remove_all(extra_.parent_path(), ignored);
  }

  // Publishes on the mirror (tools/update_server) one of the variants made for it.
  static void PublishOnMirror(const wchar_t* variant) {
    const fs::path target = kServerState / L"mirror" / L"root" / kInfoFile;
    fs::create_directories(target.parent_path());
    fs::copy_file(kServerState / L"variants" / variant / kInfoFile, target,
                  fs::copy_options::overwrite_existing);
  }

  static void Unpublish() {
    std::error_code ignored;
    fs::remove(kServerState / L"root" / kInfoFile, ignored);
    fs::remove(kServerState / L"mirror" / L"root" / kInfoFile, ignored);
  }

  // From now on the update host sends every answer without a length: "chunked", or
  // "close-delimited" (it closes the connection at the end).
  static void ServeWithoutLengths(const wchar_t* framing) {
    std::ofstream(kServerState / framing).flush();
  }

  static fs::path AccessLog() { return kServerState / L"access.json"; }
  static fs::path MirrorAccessLog() { return kServerState / L"mirror" / L"access.json"; }

  // Serves the info file of one of the update folders tools/update_server prepared.
  static void Publish(const wchar_t* variant) {
    const fs::path target = kServerState / L"root" / kInfoFile;
    fs::create_directories(target.parent_path());
    fs::copy_file(kServerState / L"variants" / variant / kInfoFile, target,
                  fs::copy_options::overwrite_existing);
  }

  // The server's log lines of requests for the info file since the test began.
  std::vector<std::string> InfoRequests() const {
    std::vector<std::string> lines = Requests(AccessLog(), log_start_);
    std::erase_if(lines, [](const std::string& line) {
      return line.find("GET /" + kInfoFile.generic_string() + " ") == std::string::npos;
    });
    return lines;
  }

  // The lines of an access log since the test began (at `start`).
  static std::vector<std::string> Requests(const fs::path& log, uintmax_t start) {
    std::ifstream in(log, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(start));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  std::string WaitForInfoRequest() {
    std::string line;
    WaitUntil(
        [&] {
          const auto lines = InfoRequests();
          if (!lines.empty()) line = lines.front();
          return !line.empty();
        },
        kStartTimeout);
    return line;
  }

  // Records every message box of the program while waiting for one; null when none came.
  Box WaitForBox(std::chrono::milliseconds timeout = kStartTimeout) {
    Box found{};
    WaitUntil(
        [&] {
          for (HWND window : program_->VisibleWindows()) {
            if (ClassOf(window) == L"#32770") {
              found = {window, WindowText(window), MessageBoxText(window)};
              boxes_.push_back(found.caption + L": " + found.text);
              return true;
            }
          }
          return false;
        },
        timeout);
    return found;
  }

  // A control of `parent` whose text contains `part`; with `button`, only a push button (a label
  // may say the same, e.g. "press [确定]").
  static HWND ChildWithText(HWND parent, const std::wstring& part, bool button = false) {
    struct Search {
      const std::wstring& part;
      bool button;
      HWND found = nullptr;
    } search{part, button};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) {
          auto* s = reinterpret_cast<Search*>(data);
          wchar_t className[16] = L"";
          GetClassNameW(child, className, 16);
          if (WindowText(child).find(s->part) == std::wstring::npos ||
              (s->button && _wcsicmp(className, L"Button") != 0)) {
            return TRUE;
          }
          s->found = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  static HWND ButtonWithText(HWND parent, const std::wstring& part) {
    return ChildWithText(parent, part, true);
  }

  void CloseBox(const Box& box, int button) {
    PostMessageW(box.window, WM_COMMAND, button, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box.window); }, kStartTimeout));
  }

  // Absence has no event to wait for: the program gets this long after the server's answer to
  // show a box it should not show (it takes milliseconds when it does).
  void ExpectNoBoxAfterTheAnswer() {
    EXPECT_EQ(WaitForBox(3s).window, nullptr) << "a message box at start";
    boxes_.clear();
  }

  // Nothing is said at start; then the diagnostic checks again and says what it found.
  Box HintWhenAsked() {
    ExpectNoBoxAfterTheAnswer();
    Command("key code=122 modifiers=6");
    return WaitForBox();
  }

  // The hint was the run's one box; then the program closes.
  void CloseTheHintAndTheProgram(const Box& hint) {
    CloseBox(hint, IDOK);
    EXPECT_EQ(boxes_.size(), 1u);
    CloseStarted();
  }

  // Answers the question about the newer version with Yes.
  void AcceptTheOffer() {
    HWND question = program_->WaitForWindow(kUpgradeCaption, kStartTimeout);
    ASSERT_NE(question, nullptr) << "no question about the newer version";
    HWND yes = ButtonWithText(question, L"是");
    ASSERT_NE(yes, nullptr);
    Click(yes);
  }

  // The progress window; nullptr while it does not show.
  HWND ProgressWindow() const {
    for (HWND window : program_->VisibleWindows()) {
      if (WindowText(window) == kUpgradeCaption && ButtonWithText(window, L"取消")) return window;
    }
    return nullptr;
  }

  HWND WaitForProgressWindow() const {
    HWND progress = nullptr;
    WaitUntil([&] { return (progress = ProgressWindow()) != nullptr; }, kStartTimeout);
    return progress;
  }

  // The progress window's OK button, once every file is in; null when the downloads did not
  // complete.
  HWND WaitForTheDownloads() const {
    HWND ok = nullptr;
    WaitUntil(
        [&] {
          for (HWND window : program_->VisibleWindows()) {
            if (WindowText(window) != kUpgradeCaption) continue;
            HWND button = ButtonWithText(window, L"确定");
            if (button != nullptr && IsWindowEnabled(button)) ok = button;
          }
          return ok != nullptr;
        },
        60s);
    return ok;
  }

  // Presses OK: the program hands over to the updater and closes. Nothing is offered any more,
  // so that the version the updater starts asks nothing.
  void ConfirmAndWaitForTheProgramToClose(HWND ok) {
    HWND progress = GetAncestor(ok, GA_ROOT);
    Click(ok);
    EXPECT_TRUE(
        WaitUntil([&] { return !IsWindow(progress) || !IsWindowVisible(progress); }, kStartTimeout))
        << "OK did not close the progress window";
    Unpublish();
    if (!program_->WaitForExit(kStartTimeout).has_value()) {
      std::wstring shown;
      for (HWND visible : program_->VisibleWindows()) shown += WindowText(visible) + L" | ";
      ADD_FAILURE() << "the program did not close; windows: " << testing::PrintToString(shown);
    }
  }

  // The program the updater started with `argument`: its process id, 0 when none came.
  static DWORD WaitForRestartWith(const std::wstring& argument) {
    DWORD restarted = 0;
    WaitUntil(
        [&] {
          for (const auto& [pid, line] : CommandLinesOf(L"OstrelMini.exe")) {
            if (line.find(argument) != std::wstring::npos &&
                line.find(L"--type=") == std::wstring::npos) {
              restarted = pid;
            }
          }
          return restarted != 0;
        },
        90s);
    return restarted;
  }

  // The new version the updater started after installing 1.1.2.2: its main window, its process
  // id in `pid`.
  static HWND WaitForTheNewVersion(DWORD& pid) {
    pid = WaitForRestartWith(L"/afterupgrade");
    EXPECT_NE(pid, 0u) << "the program was not restarted after the upgrade";
    HWND window = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
          return pid != 0 &&
                 (window = WindowOf(pid, kProductCaption + L"(x64) - 1.1.2.2")) != nullptr;
        },
        kStartTimeout))
        << "the restarted program does not say 1.1.2.2";
    return window;
  }

  // Yes to the offer, OK once every file is in, and the new version the updater starts: its main
  // window, its process id in `pid` (0 when it did not come).
  HWND InstallTheOfferedVersion(DWORD& pid) {
    pid = 0;
    AcceptTheOffer();
    HWND ok = WaitForTheDownloads();
    EXPECT_NE(ok, nullptr) << "the downloads did not complete";
    if (ok == nullptr) return nullptr;
    ConfirmAndWaitForTheProgramToClose(ok);
    return WaitForTheNewVersion(pid);
  }

  // Closes a program the updater started (its main window `window`) and waits for it to end.
  void CloseRestarted(DWORD pid, HWND window) {
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
    if (process != nullptr) {
      if (WaitForSingleObject(process, 30000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
      CloseHandle(process);
    }
    ExpectNoProcessLeft();
  }

  // No download and no backup of the previous files are left anywhere. A transfer given up goes
  // on until its next block arrives and deletes its file then, and the updater deletes the
  // backups once the new version has said that it runs: the leftovers are waited for.
  void ExpectNoUpgradeFileLeft() {
    fs::path left;
    const auto none_left = [&] {
      std::error_code ignored;
      for (const auto& entry : fs::recursive_directory_iterator(ProgramFolder(), ignored)) {
        if (entry.path().extension() == L".uTMP" || entry.path().extension() == L".uBAK") {
          left = entry.path();
          return false;
        }
      }
      for (const wchar_t* suffix : {L".uTMP", L".uBAK"}) {
        left = extra_.wstring() + suffix;
        if (fs::exists(left)) return false;
      }
      return true;
    };
    EXPECT_TRUE(WaitUntil(none_left, kStartTimeout)) << left;
  }

  // The installed program is the one the test started with, and no download is left over.
  void ExpectTheInstalledProgramAsItWas() {
    EXPECT_EQ(FileBytes(ProgramFolder() / L"OstrelMini.exe"),
              FileBytes(BinDir() / L"OstrelMini.exe"));
    EXPECT_FALSE(fs::exists(ProgramFolder() / L"tool.dll"));
    ExpectNoUpgradeFileLeft();
  }

  // After an upgrade that broke off: the next start runs the installed version and clears what
  // the download left.
  void ExpectTheNextStartToRunTheInstalledProgram() {
    std::error_code ignored;
    fs::remove(kServerState / L"root" / kInfoFile, ignored);  // nothing more to offer
    Start();
    EXPECT_TRUE(WaitUntil([&] { return WindowText(window_) == kCaption; }, kStartTimeout))
        << testing::PrintToString(WindowText(window_));
    ExpectTheInstalledProgramAsItWas();
    CloseStarted();
  }

  // The lines of the program's log that hold `part`.
  std::vector<std::string> LogLines(const std::string& part) const {
    std::ifstream in(ProgramFolder() / L"debug.log", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  // Where the published update installs its file for %APPDATA%.
  const fs::path extra_ = AppDataFolder() / L"ostrel-e2e" / L"extra.ini";
  uintmax_t log_start_ = 0;
  uintmax_t mirror_log_start_ = 0;
  std::vector<std::wstring> boxes_;
};

}  // namespace e2e

#endif  // OSTREL_TESTS_E2E_UPGRADE_SUPPORT_H_
