// The upgrade check of the running program against the update host (nginx over HTTPS, see
// tests/tools/update_server): what the user sees when the server offers a newer version, has
// nothing newer or has no information, and what the server sees of the request.

#include <windows.h>

#include <thread>

#include <gmock/gmock.h>

#include "tests/e2e/upgrade_support.h"

namespace e2e {
namespace {

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

// The update host answers with lengths, or without them (chunked, or closing the connection at
// the end), as generated answers and many CDNs do: what the signature and the SHA-256 vouch for
// is installed all the same.
class UpgradeInstall : public UpgradeCheck, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(UpgradeInstall, AnAcceptedUpdateIsInstalledAndTheProgramRestartsAsTheNewVersion) {
  if (*GetParam() != 0) ServeWithoutLengths(GetParam());
  Publish(L"install");
  program_ = Launch();
  AcceptTheOffer();

  HWND ok = WaitForTheDownloads();
  ASSERT_NE(ok, nullptr) << "the downloads did not complete";
  EXPECT_TRUE(fs::exists(copy_.dir() / L"OstrelMini.exe.uTMP"));
  EXPECT_TRUE(fs::exists(copy_.dir() / L"sub" / L"bar.dat.uTMP"));
  ConfirmAndWaitForTheProgramToClose(ok);

  // The updater puts the files in place and starts the program again.
  DWORD restarted = 0;
  HWND window = WaitForTheNewVersion(restarted);
  EXPECT_EQ(FileBytes(copy_.dir() / L"tool.dll"), "tool 1.1.2.2");
  EXPECT_EQ(FileBytes(copy_.dir() / L"sub" / L"bar.dat"), "bar 1.1.2.2");
  EXPECT_EQ(FileBytes(extra_), "[ostrel]\r\nversion=1.1.2.2\r\n");
  ExpectNoUpgradeFileLeft();
  CloseRestarted(restarted, window);
  EXPECT_EQ(FileBytes(copy_.dir() / L"tool.dll"), "tool 1.1.2.2") << "put back after all";
}

INSTANTIATE_TEST_SUITE_P(UpgradeCheck, UpgradeInstall,
                         testing::Values(L"", L"chunked", L"close-delimited"),
                         [](const testing::TestParamInfo<const wchar_t*>& param) {
                           const std::wstring framing = param.param;
                           if (framing.empty()) return std::string("WithLengths");
                           return framing == L"chunked" ? std::string("Chunked")
                                                        : std::string("CloseDelimited");
                         });

// Another program (a virus scanner, say) holds a file the upgrade replaces when the updater wants
// to move it. One that lets go of it a few seconds later is waited for; one that holds it longer
// than the updater waits makes it put everything back, and the previous version says so.
class UpgradeHeldTarget : public UpgradeCheck, public testing::WithParamInterface<bool> {};

TEST_P(UpgradeHeldTarget, IsWaitedForAMomentAndThenPutBack) {
  const bool heldLonger = GetParam();
  const std::string old = "[ostrel]\r\nversion=1.1.2.1\r\n";
  fs::create_directories(extra_.parent_path());
  std::ofstream(extra_, std::ios::binary) << old;
  const auto before = InstalledFiles(copy_.dir());
  Publish(L"install");
  program_ = Launch();
  AcceptTheOffer();
  HWND ok = WaitForTheDownloads();
  ASSERT_NE(ok, nullptr) << "the downloads did not complete";
  HANDLE holder = CreateFileW(extra_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  ConfirmAndWaitForTheProgramToClose(ok);
  if (!heldLonger) {
    // Holding the file for three seconds is the other program's part, not a wait for something.
    std::this_thread::sleep_for(3s);
    EXPECT_TRUE(fs::exists(extra_.wstring() + L".uTMP")) << "the held file was replaced";
  }
  const DWORD restored = heldLonger ? WaitForRestartWith(L"/upgraderolledback:") : 0;
  CloseHandle(holder);

  DWORD restarted = restored;
  HWND window = heldLonger ? nullptr : WaitForTheNewVersion(restarted);
  if (heldLonger) {
    HWND box = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (box = WindowOf(restored, kUpgradeCaption, L"#32770")); },
                          kStartTimeout));
    DismissMessageBox(box);
    window = WindowOf(restored, kCaption);
    EXPECT_TRUE(InstalledFiles(copy_.dir()) == before) << "the program's files changed";
  }
  EXPECT_EQ(FileBytes(extra_), heldLonger ? old : "[ostrel]\r\nversion=1.1.2.2\r\n");
  EXPECT_EQ(FileBytes(copy_.dir() / L"tool.dll"), heldLonger ? "" : "tool 1.1.2.2");
  ExpectNoUpgradeFileLeft();
  CloseRestarted(restarted, window);
}

INSTANTIATE_TEST_SUITE_P(UpgradeCheck, UpgradeHeldTarget, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& param) {
                           return std::string(param.param ? "LongerIsPutBack" : "ForAMoment");
                         });

// A signed 1.1.2.2 whose program cannot start: the updater ends it, puts every file back and
// starts the previous version, which says so once and writes why to its log.
struct BrokenRelease {
  const wchar_t* variant;
  const wchar_t* start_limit;  // seconds, for the updater; empty: its own
  const char* logged;
};

void PrintTo(const BrokenRelease& release, std::ostream* out) { *out << Utf8(release.variant); }

class UpgradeRolledBack : public UpgradeCheck, public testing::WithParamInterface<BrokenRelease> {};

TEST_P(UpgradeRolledBack, ThePreviousVersionRunsAgainUnchangedAndSaysSoOnce) {
  const auto before = InstalledFiles(copy_.dir());
  if (*GetParam().start_limit != 0)
    environment_.emplace_back(L"OSTREL_UPGRADE_START_LIMIT", GetParam().start_limit);
  Publish(GetParam().variant);
  program_ = Launch();
  AcceptTheOffer();
  HWND ok = WaitForTheDownloads();
  ASSERT_NE(ok, nullptr) << "the downloads did not complete";
  ConfirmAndWaitForTheProgramToClose(ok);

  const DWORD restored = WaitForRestartWith(L"/upgraderolledback:");
  ASSERT_NE(restored, 0u) << "the previous version was not started again";
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = WindowOf(restored, kUpgradeCaption, L"#32770")); },
                        kStartTimeout))
      << "the previous version did not say what happened";
  EXPECT_EQ(MessageBoxText(box),
            L"新版本无法正常启动，已经恢复为原来的版本。\n\n请稍后再进行升级操作。");
  HWND window = WindowOf(restored, kCaption);
  EXPECT_NE(window, nullptr) << "the previous version's window";
  DismissMessageBox(box);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kStartTimeout));
  // Once: no second box follows.
  EXPECT_FALSE(WaitUntil([&] { return WindowOf(restored, L"", L"#32770") != nullptr; }, 2s));

  const auto lines = LogLines("Upgrade not installed");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(GetParam().logged), std::string::npos) << lines[0];
  EXPECT_TRUE(InstalledFiles(copy_.dir()) == before) << "the program's files changed";
  EXPECT_FALSE(fs::exists(extra_)) << "the new file for %APPDATA% stayed";
  ExpectNoUpgradeFileLeft();
  CloseRestarted(restored, window);
}

INSTANTIATE_TEST_SUITE_P(
    UpgradeCheck, UpgradeRolledBack,
    testing::Values(BrokenRelease{L"ends", L"", "the new version ended (exit code 1)"},
                    BrokenRelease{L"silent", L"3", "the new version had not started after 3 s"}),
    [](const testing::TestParamInfo<BrokenRelease>& param) {
      return std::wstring(param.param.variant) == L"ends" ? std::string("EndsAtOnce")
                                                          : std::string("NeverShowsItsWindow");
    });

// The updater cannot be written out (a folder of its name is in the way): the program does not
// close, says so, and keeps nothing of the upgrade.
TEST_F(UpgradeCheck, AnUpdaterThatCannotBeWrittenLeavesTheProgramOpenAndUnchanged) {
  wchar_t temp[MAX_PATH + 1] = L"";
  // Gone again however the test ends: every later upgrade would fail as this one.
  struct InTheWay {
    const fs::path path;
    ~InTheWay() {
      std::error_code ignored;
      fs::remove(path, ignored);
    }
  } blocker{fs::path(std::wstring(temp, GetTempPathW(MAX_PATH + 1, temp))) / L"Zudarada4.exe"};
  std::error_code ignored;
  fs::remove(blocker.path, ignored);
  ASSERT_TRUE(fs::create_directory(blocker.path));
  const auto before = InstalledFiles(copy_.dir());
  Publish(L"install");
  Start();
  AcceptTheOffer();
  HWND ok = WaitForTheDownloads();
  ASSERT_NE(ok, nullptr) << "the downloads did not complete";
  Click(ok);
  const Box box = WaitForBox();
  EXPECT_EQ(box.caption, kUpgradeCaption);
  EXPECT_EQ(box.text,
            L"升级程序无法启动，新版本没有安装。\n\n程序文件没有任何改动，请稍后再进行升级操作。");
  CloseBox(box, IDOK);
  EXPECT_TRUE(program_->Running()) << "the program closed";
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(LogLines("Upgrade not installed: the updater could not be written").size(), 1u);
  EXPECT_TRUE(InstalledFiles(copy_.dir()) == before) << "the program's files changed";
  ExpectNoUpgradeFileLeft();
  EXPECT_FALSE(fs::exists(extra_)) << "a file for %APPDATA% was written";
  CloseStarted();
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

// The updater starts the previous version so when a file could not be replaced and it put
// everything back.
TEST_F(UpgradeCheck, AfterAnUpgradeWasPutBackTheProgramSaysSoAndWhyInItsLog) {
  program_ = Launch(L"", L"/upgraderolledback:32");
  window_ = WaitForLoadedWindow(*program_);
  ASSERT_NE(window_, nullptr);
  const Box told = WaitForBox();
  EXPECT_EQ(told.caption, kUpgradeCaption);
  EXPECT_EQ(told.text, L"新版本没有安装成功，已经恢复为原来的版本。\n\n请稍后再进行升级操作。");
  CloseBox(told, IDOK);
  const auto lines = LogLines("Upgrade not installed");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("(error 32) and put the previous files back"), std::string::npos)
      << lines[0];
  CloseStarted();
}

TEST_F(UpgradeCheck, ADownloadThatIsNotTheSignedOneIsRefusedAndNothingIsReplaced) {
  if (!BuiltWithKey()) GTEST_SKIP() << "built without OSTREL_UPDATE_PUBLIC_KEY";
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
  EXPECT_FALSE(fs::exists(extra_.parent_path())) << "a file for %APPDATA% was written";
  CloseStarted();
  ExpectNoProcessLeft();
}

// The program's file arrives chunked and the connection drops in the middle of it: WinInet may
// take it for whole, but its SHA-256 is not the listed one, and nothing is installed.
TEST_F(UpgradeCheck, AProgramSentChunkedAndCutShortIsNeitherInstalledNorKept) {
  if (!BuiltWithKey()) GTEST_SKIP() << "built without OSTREL_UPDATE_PUBLIC_KEY";
  const auto before = InstalledFiles(copy_.dir());
  ServeWithoutLengths(L"chunked");
  Publish(L"chunked-cut");
  Start();
  AcceptTheOffer();
  const Box refusal = WaitForBox(60s);
  ASSERT_NE(refusal.window, nullptr) << "no message about the download";
  EXPECT_EQ(refusal.caption, kUpgradeCaption);
  EXPECT_THAT(refusal.text,
              testing::AnyOf(L"文档OstrelMini.exe未通过完整性校验，可能已经损坏或者被篡改。\n\n"
                             L"升级已经取消，程序文件没有任何改动。",
                             L"与远端服务器的连接中断，\n\n请重新连接后再进行升级操作。",
                             L"Connection with remote server lost.\n\nPlease restore "
                             L"connection and try to\nupgrade this software again later."));
  CloseBox(refusal, IDOK);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_TRUE(InstalledFiles(copy_.dir()) == before) << "the program's files changed";
  ExpectNoUpgradeFileLeft();
  CloseStarted();
}

// Administrators' update policy (HKCU here; the computer's key is read first the same way).
class UpgradePolicy : public UpgradeCheck {
 protected:
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Policies\\Ostrel");
    UpgradeCheck::TearDown();
  }
  static void SetPolicy(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Policies\\Ostrel\\Ostrel-Mini", name,
                              type, data, size),
              ERROR_SUCCESS);
  }
  static void SetMirror() {
    const std::wstring update = OSTREL_UPDATE_HOST;
    const std::wstring mirror =
        L"127.0.0.1:" + std::to_wstring(std::stoi(update.substr(update.rfind(L':') + 1)) + 1);
    SetPolicy(L"UpdateHost", REG_SZ, mirror.c_str(),
              static_cast<DWORD>((mirror.size() + 1) * sizeof(wchar_t)));
  }
};

TEST_F(UpgradePolicy, WithTheCheckTurnedOffTheUpdateHostIsNeverAsked) {
  const DWORD off = 0;
  SetPolicy(L"UpdateCheck", REG_DWORD, &off, sizeof(off));
  Publish(L"newer");
  Start();
  const Box hint = HintWhenAsked();
  EXPECT_EQ(hint.text, L"软件升级已由系统管理员关闭。");
  CloseTheHintAndTheProgram(hint);
  EXPECT_TRUE(Requests(AccessLog(), log_start_).empty()) << "the update host was asked";
}

// A value not of its kind counts as none: the update host of the build is asked as ever.
TEST_F(UpgradePolicy, MalformedValuesAreIgnoredWithALineInTheLog) {
  SetPolicy(L"UpdateCheck", REG_SZ, L"0", 2 * sizeof(wchar_t));
  const std::wstring address = L"https://127.0.0.1/updates";
  SetPolicy(L"UpdateHost", REG_SZ, address.c_str(),
            static_cast<DWORD>((address.size() + 1) * sizeof(wchar_t)));
  Start();
  EXPECT_NE(WaitForInfoRequest(), "");
  EXPECT_EQ(LogLines("Update policy ignored").size(), 2u);
  CloseStarted();
}

// The mirror (tools/update_server) is asked for the info file and the files, and an upgrade
// signed with the build's key installs from it.
TEST_F(UpgradePolicy, AMirrorIsAskedInsteadOfTheUpdateHost) {
  SetMirror();
  PublishOnMirror(L"mirror-install");
  program_ = Launch();
  DWORD restarted = 0;
  HWND window = InstallTheOfferedVersion(restarted);
  EXPECT_EQ(FileBytes(copy_.dir() / L"tool.dll"), "tool 1.1.2.2");
  CloseRestarted(restarted, window);
  const std::vector<std::string> asked = Requests(MirrorAccessLog(), mirror_log_start_);
  EXPECT_GE(asked.size(), 5u) << "the info file and four files";
  EXPECT_TRUE(Requests(AccessLog(), log_start_).empty()) << "the update host was asked";
}

TEST_F(UpgradePolicy, AMirrorsFileSignedByAnotherKeyOffersNothing) {
  if (!BuiltWithKey()) GTEST_SKIP() << "built without OSTREL_UPDATE_PUBLIC_KEY";
  SetMirror();
  PublishOnMirror(L"mirror-other-key");
  Start();
  EXPECT_TRUE(WaitUntil(
      [&] { return !LogLines("Upgrade info file refused: its signature does not verify").empty(); },
      kStartTimeout));
  ExpectNoBoxAfterTheAnswer();
  CloseStarted();
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
