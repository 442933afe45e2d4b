// The upgrade check of the running program against the update host (nginx over HTTPS, see
// tests/tools/update_server): what the user sees when the server offers a newer version, has
// nothing newer or has no information, and what the server sees of the request.

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include <gmock/gmock.h>

#include "ostrel_config.h"
#include "tests/e2e/running_program.h"

namespace e2e {
namespace {

constexpr wchar_t kUpgradeCaption[] = L"软件升级精灵";
constexpr wchar_t kHintCaption[] = L"提示";
const fs::path kServerState = OSTREL_UPDATE_SERVER_STATE;
const fs::path kInfoFile = L"metadata/pavix/windows/pavix_x64_pc.inf";
const std::wstring kInfoAddress = L"https://" OSTREL_UPDATE_HOST L"/" + kInfoFile.generic_wstring();

struct Box {
  HWND window;
  std::wstring caption;
  std::wstring text;
};

fs::path AppDataFolder() {
  wchar_t folder[MAX_PATH] = L"";
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
  return folder;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
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
  }

  // Whatever was published goes: the next program finds no information (404).
  void TearDown() override {
    std::error_code ignored;
    fs::remove(kServerState / L"root" / kInfoFile, ignored);
  }

  static fs::path AccessLog() { return kServerState / L"access.json"; }

  // Serves the info file of one of the update folders tools/update_server prepared.
  static void Publish(const wchar_t* variant) {
    const fs::path target = kServerState / L"root" / kInfoFile;
    fs::create_directories(target.parent_path());
    fs::copy_file(kServerState / L"variants" / variant / kInfoFile, target,
                  fs::copy_options::overwrite_existing);
  }

  // The server's log lines of requests for the info file since the test began.
  std::vector<std::string> InfoRequests() const {
    std::ifstream in(AccessLog(), std::ios::binary);
    in.seekg(static_cast<std::streamoff>(log_start_));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (line.find("GET /" + kInfoFile.generic_string() + " ") != std::string::npos)
        lines.push_back(line);
    }
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

  // The installed program is the one the test started with, and no download is left over. A
  // transfer given up goes on until its next block arrives and deletes its file then: the
  // leftovers are waited for.
  void ExpectTheInstalledProgramAsItWas() {
    EXPECT_EQ(FileBytes(copy_.dir() / L"OstrelMini.exe"), FileBytes(BinDir() / L"OstrelMini.exe"));
    EXPECT_FALSE(fs::exists(copy_.dir() / L"tool.dll"));
    const fs::path extra = AppDataFolder() / L"ostrel-e2e" / L"extra.ini.uTMP";
    fs::path leftover;
    const auto none_left = [&] {
      std::error_code ignored;
      for (const auto& entry : fs::recursive_directory_iterator(copy_.dir(), ignored)) {
        if (entry.path().extension() == L".uTMP") {
          leftover = entry.path();
          return false;
        }
      }
      if (!fs::exists(extra)) return true;
      leftover = extra;
      return false;
    };
    EXPECT_TRUE(WaitUntil(none_left, kStartTimeout)) << leftover;
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
    std::ifstream in(copy_.dir() / L"debug.log", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  uintmax_t log_start_ = 0;
  std::vector<std::wstring> boxes_;
};

// The checks of who published an update need a build that carries the publisher's key, as
// scripts/build gives every development build.
bool BuiltWithKey() { return std::wstring_view(OSTREL_UPDATE_PUBLIC_KEY).size() > 0; }

TEST_F(UpgradeCheck, ANewerVersionIsOfferedWhileTheBrowserStartsAndAskedForWithoutCache) {
  Publish(L"newer");
  program_ = Launch();
  HWND question = program_->WaitForWindow(kUpgradeCaption, kStartTimeout);
  ASSERT_NE(question, nullptr) << "no question about the newer version";
  HWND text = ChildWithText(question, L"已经有新版本推出，");
  ASSERT_NE(text, nullptr);
  EXPECT_NE(WindowText(text).find(L"\nVersion 9.0 is ready.\n"), std::wstring::npos)
      << testing::PrintToString(WindowText(text));
  EXPECT_TRUE(WindowText(text).ends_with(L"您要升级到新版本吗？"));
  HWND later = ButtonWithText(question, L"稍等一下");
  ASSERT_NE(later, nullptr) << "the question has no Later button";

  // The browser comes up behind the question.
  window_ = WaitForLoadedWindow(*program_);
  ASSERT_NE(window_, nullptr);
  Click(later);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(question); }, kStartTimeout));

  const std::string request = WaitForInfoRequest();
  EXPECT_NE(request.find("\"status\":200"), std::string::npos) << request;
  EXPECT_NE(request.find("\"pragma\":\"no-cache\""), std::string::npos) << request;
  EXPECT_EQ(InfoRequests().size(), 1u) << "one check a start";
  CloseStarted();
}

// At start both outcomes are silent; the window's own texts come only when it is asked to say
// them (the diagnostic).
TEST_F(UpgradeCheck, NothingNewerIsSilentAtStartAndSaidOnlyWhenAsked) {
  Publish(L"current");
  Start();
  ASSERT_NE(WaitForInfoRequest(), "");
  const Box hint = HintWhenAsked();
  ASSERT_NE(hint.window, nullptr);
  EXPECT_EQ(hint.caption, kHintCaption);
  EXPECT_EQ(hint.text, L"您当前的版本已经是最新版，不需要升级。");
  EXPECT_EQ(GetWindow(hint.window, GW_OWNER), window_);
  CloseTheHintAndTheProgram(hint);
}

TEST_F(UpgradeCheck, AMissingInfoFileIsSilentAtStartAndSaidOnlyWhenAsked) {
  Start();
  const std::string request = WaitForInfoRequest();
  EXPECT_NE(request.find("\"status\":404"), std::string::npos) << request;
  const Box hint = HintWhenAsked();
  ASSERT_NE(hint.window, nullptr);
  EXPECT_EQ(hint.caption, kHintCaption);
  EXPECT_EQ(hint.text, L"升级信息文件不存在。" + kInfoAddress);
  CloseTheHintAndTheProgram(hint);
}

// A server that sends some other file as the info file (binary bytes) offers nothing. With a
// key built in it is refused as unsigned, which counts as no info file.
TEST_F(UpgradeCheck, AGarbageInfoFileIsSilentAtStartAndOffersNothingWhenAsked) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 167 + (i >> 3)) & 0xFF);
  const fs::path target = kServerState / L"root" / kInfoFile;
  fs::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary) << garbage;
  Start();
  const std::string request = WaitForInfoRequest();
  EXPECT_NE(request.find("\"status\":200"), std::string::npos) << request;
  const Box hint = HintWhenAsked();
  ASSERT_NE(hint.window, nullptr);
  EXPECT_EQ(hint.text, BuiltWithKey() ? L"升级信息文件不存在。" + kInfoAddress
                                      : L"您当前的版本已经是最新版，不需要升级。");
  CloseTheHintAndTheProgram(hint);
}

// A visible top-level window of process `pid` whose caption starts with `caption`.
HWND WindowOf(DWORD pid, const std::wstring& caption) {
  struct Search {
    DWORD pid;
    const std::wstring& caption;
    HWND found = nullptr;
  } search{pid, caption};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->pid || !IsWindowVisible(window) ||
            WindowText(window).rfind(s->caption, 0) != 0) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(UpgradeCheck, AnAcceptedUpdateIsInstalledAndTheProgramRestartsAsTheNewVersion) {
  const fs::path extra = AppDataFolder() / L"ostrel-e2e" / L"extra.ini";
  std::error_code ignored;
  fs::remove(extra, ignored);
  Publish(L"install");
  program_ = Launch();
  AcceptTheOffer();

  // The progress window ends with OK once every file is in.
  HWND ok = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (HWND window : program_->VisibleWindows()) {
          if (WindowText(window) != kUpgradeCaption) continue;
          HWND button = ButtonWithText(window, L"确定");
          if (button != nullptr && IsWindowEnabled(button)) ok = button;
        }
        return ok != nullptr;
      },
      60s))
      << "the downloads did not complete";
  EXPECT_TRUE(fs::exists(copy_.dir() / L"OstrelMini.exe.uTMP"));
  EXPECT_TRUE(fs::exists(copy_.dir() / L"sub" / L"bar.dat.uTMP"));
  HWND progress = GetAncestor(ok, GA_ROOT);
  Click(ok);
  EXPECT_TRUE(
      WaitUntil([&] { return !IsWindow(progress) || !IsWindowVisible(progress); }, kStartTimeout))
      << "OK did not close the progress window";
  if (!program_->WaitForExit(kStartTimeout).has_value()) {
    std::wstring shown;
    for (HWND visible : program_->VisibleWindows()) shown += WindowText(visible) + L" | ";
    ADD_FAILURE() << "the program did not close; windows: " << testing::PrintToString(shown)
                  << " trace tail: " << testing::PrintToString(copy_.TraceLines().size());
    for (const std::string& line : copy_.TraceLines()) std::fprintf(stderr, "%s\n", line.c_str());
  }

  // The updater puts the files in place and starts the program again.
  DWORD restarted = 0;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (const auto& [pid, line] : CommandLinesOf(L"OstrelMini.exe")) {
          if (line.find(L"/afterupgrade") != std::wstring::npos &&
              line.find(L"--type=") == std::wstring::npos) {
            restarted = pid;
          }
        }
        return restarted != 0;
      },
      60s))
      << "the program was not restarted after the upgrade";
  HWND window = nullptr;
  EXPECT_TRUE(WaitUntil(
      [&] {
        return (window = WindowOf(restarted, kProductCaption + L"(x64) - 1.1.2.2")) != nullptr;
      },
      kStartTimeout))
      << "the restarted program does not say 1.1.2.2";
  EXPECT_EQ(FileBytes(copy_.dir() / L"tool.dll"), "tool 1.1.2.2");
  EXPECT_EQ(FileBytes(copy_.dir() / L"sub" / L"bar.dat"), "bar 1.1.2.2");
  EXPECT_EQ(FileBytes(extra), "[ostrel]\r\nversion=1.1.2.2\r\n");
  for (const auto& entry : fs::recursive_directory_iterator(copy_.dir())) {
    EXPECT_NE(entry.path().extension(), L".uTMP") << entry.path();
    EXPECT_NE(entry.path().extension(), L".uBAK") << entry.path();
  }

  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, restarted);
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (process != nullptr) {
    if (WaitForSingleObject(process, 30000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
    CloseHandle(process);
  }
  ExpectNoProcessLeft();
  fs::remove_all(extra.parent_path(), ignored);
}

TEST_F(UpgradeCheck, AFileMissingOnTheServerAnsweredNoLeavesTheInstalledProgramAsItWas) {
  Publish(L"lost");
  Start();
  AcceptTheOffer();
  const Box lost = WaitForBox(60s);
  EXPECT_EQ(lost.caption, L"错误 #404");
  EXPECT_EQ(lost.text, L"文档tool.dll找不到或者发生错误，\n\n您要忽略这个文档并且继续升级操作吗？");
  CloseBox(lost, IDNO);
  EXPECT_TRUE(WaitUntil([&] { return ProgressWindow() == nullptr; }, kStartTimeout))
      << "the progress window stayed";
  ExpectTheInstalledProgramAsItWas();
  EXPECT_EQ(WindowText(window_), kCaption);
  CloseStarted();
}

TEST_F(UpgradeCheck, GivingUpDuringADownloadDeletesWhatWasDownloaded) {
  Publish(L"slow");
  Start();
  AcceptTheOffer();
  HWND progress = WaitForProgressWindow();
  ASSERT_NE(progress, nullptr);
  ASSERT_TRUE(
      WaitUntil([&] { return fs::exists(copy_.dir() / L"OstrelMini.exe.uTMP"); }, kStartTimeout));
  Click(ButtonWithText(progress, L"取消"));
  const Box question = WaitForBox();
  EXPECT_EQ(question.text, L"升级操作尚未完成，\n您确定要放弃升级吗？");
  CloseBox(question, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(progress); }, kStartTimeout));
  ExpectTheInstalledProgramAsItWas();
  CloseStarted();
}

TEST_F(UpgradeCheck, AConnectionDroppedInTheNewProgramLeavesTheInstalledOneRunnable) {
  Publish(L"cut");
  Start();
  AcceptTheOffer();
  const Box lost = WaitForBox(60s);
  EXPECT_EQ(lost.caption, kUpgradeCaption);
  // In the language of the prefix's Windows.
  EXPECT_THAT(lost.text,
              testing::AnyOf(L"与远端服务器的连接中断，\n\n请重新连接后再进行升级操作。",
                             L"Connection with remote server lost.\n\nPlease restore "
                             L"connection and try to\nupgrade this software again later."));
  CloseBox(lost, IDOK);
  EXPECT_EQ(FileBytes(copy_.dir() / L"OstrelMini.exe"), FileBytes(BinDir() / L"OstrelMini.exe"));
  CloseStarted();
  ExpectTheNextStartToRunTheInstalledProgram();
}

TEST_F(UpgradeCheck, AServerThatStopsAnsweringLeavesTheInstalledProgramRunnable) {
  Publish(L"stall");
  Start();
  AcceptTheOffer();
  ASSERT_TRUE(
      WaitUntil([&] { return fs::exists(copy_.dir() / L"OstrelMini.exe.uTMP"); }, kStartTimeout))
      << "the download did not begin";
  // The server stops sending after its first 100,000 bytes; the user gives up waiting and closes
  // the program.
  CloseStarted();
  ExpectTheNextStartToRunTheInstalledProgram();
}

// The updater starts the previous version so when it had to put everything back.
TEST_F(UpgradeCheck, AfterAnUpgradeWasPutBackTheProgramSaysWhyInItsLog) {
  program_ = Launch(L"", L"/upgraderolledback:32");
  window_ = WaitForLoadedWindow(*program_);
  ASSERT_NE(window_, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !LogLines("Upgrade not installed").empty(); }, kStartTimeout));
  const auto lines = LogLines("Upgrade not installed");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("(error 32) and put the previous files back"), std::string::npos)
      << lines[0];
  CloseStarted();
}

// Every published file as it is now, by its path in the program's folder.
std::map<fs::path, std::string> InstalledFiles(const fs::path& folder) {
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

TEST_F(UpgradeCheck, ADownloadThatIsNotTheSignedOneIsRefusedAndNothingIsReplaced) {
  if (!BuiltWithKey()) GTEST_SKIP() << "built without OSTREL_UPDATE_PUBLIC_KEY";
  const fs::path extra = AppDataFolder() / L"ostrel-e2e" / L"extra.ini";
  std::error_code ignored;
  fs::remove_all(extra.parent_path(), ignored);
  const auto before = InstalledFiles(copy_.dir());
  Publish(L"tampered");
  program_ = Launch();
  HWND question = program_->WaitForWindow(kUpgradeCaption, kStartTimeout);
  ASSERT_NE(question, nullptr) << "no question about the newer version";
  window_ = WaitForLoadedWindow(*program_);
  ASSERT_NE(window_, nullptr);
  HWND yes = ChildWithText(question, L"是");
  ASSERT_NE(yes, nullptr);
  Click(yes);

  const Box refusal = WaitForBox(60s);
  ASSERT_NE(refusal.window, nullptr) << "no message about the refused file";
  EXPECT_EQ(refusal.caption, kUpgradeCaption);
  EXPECT_EQ(refusal.text,
            L"文档OstrelMini.exe未通过完整性校验，可能已经损坏或者被篡改。\n\n"
            L"升级已经取消，程序文件没有任何改动。");
  CloseBox(refusal, IDOK);
  EXPECT_EQ(LogLines("Upgrade refused: the SHA-256 of").size(), 1u);

  // The program goes on as it was: the same files, nothing downloaded left anywhere.
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_TRUE(InstalledFiles(copy_.dir()) == before) << "the program's files changed";
  for (const auto& entry : fs::recursive_directory_iterator(copy_.dir()))
    EXPECT_NE(entry.path().extension(), L".uTMP") << entry.path();
  EXPECT_FALSE(fs::exists(extra.parent_path())) << "a file for %APPDATA% was written";
  CloseStarted();
  ExpectNoProcessLeft();
}

// Info files the build's key does not vouch for offer nothing: no question, one line in the log.
struct Refused {
  const wchar_t* variant;
  const char* reason;
};

void PrintTo(const Refused& refused, std::ostream* out) { *out << refused.reason; }

class RefusedInfoFile : public UpgradeCheck, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedInfoFile, OffersNothingAndSaysWhyInOneLogLine) {
  if (!BuiltWithKey()) GTEST_SKIP() << "built without OSTREL_UPDATE_PUBLIC_KEY";
  Publish(GetParam().variant);
  Start();
  const std::string request = WaitForInfoRequest();
  EXPECT_NE(request.find("\"status\":200"), std::string::npos) << request;
  EXPECT_TRUE(
      WaitUntil([&] { return !LogLines("Upgrade info file refused").empty(); }, kStartTimeout))
      << "nothing in the log";
  ExpectNoBoxAfterTheAnswer();
  EXPECT_EQ(program_->WaitForWindow(kUpgradeCaption, 0s), nullptr) << "an update was offered";
  const auto lines = LogLines("Upgrade info file refused");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(GetParam().reason), std::string::npos) << lines[0];
  CloseStarted();
}

INSTANTIATE_TEST_SUITE_P(UpgradeCheck, RefusedInfoFile,
                         testing::Values(Refused{L"unsigned", "carries no signature"},
                                         Refused{L"old-format", "carries no signature"},
                                         Refused{L"bad-signature", "does not verify"},
                                         Refused{L"other-key", "does not verify"}),
                         [](const testing::TestParamInfo<Refused>& param) {
                           std::string name;
                           for (const wchar_t* c = param.param.variant; *c != 0; ++c)
                             if (*c != L'-') name += static_cast<char>(*c);
                           return name;
                         });

}  // namespace
}  // namespace e2e
