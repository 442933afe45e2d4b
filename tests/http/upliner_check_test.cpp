// TulUpliner's check against the loopback servers: the info file fetched without cache, the
// decision and its events, the messages it shows, and the ways a check can fail or be stopped.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/http/http_test_support.h"
#include "tests/support/log_capture.h"
#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/controller/ul_upliner.h"
#include "upgrade/support/ul_text.h"

namespace {

using namespace http_test;

TulUpliner* gAbortTarget = nullptr;

class UplinerCheck : public ui_test::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    upliner.Timeouts = {5000, 5000, 5000};
    upliner.VersionControl = byNumber;
    upliner.VersionNumber = L"1.1.2.1";
    upliner.ShowMessage = [this](const std::wstring& text, const std::wstring&, UINT flags) {
      messages.emplace_back(text, flags & MB_ICONMASK);
      return IDOK;
    };
    upliner.UI = &ui;
    upliner.OnBeginUpgrade = [this](TulUpliner&, const std::wstring& upgradeMsg,
                                    TzeUpgradeMethod method, TulStringList& files,
                                    bool& canUpgrade) {
      outcomes += L"begin ";
      offered = upgradeMsg;
      offeredMethod = method;
      offeredFiles = files.Count();
      canUpgrade = allowUpgrade;
    };
    upliner.OnLaterUpgrade = [this](TulUpliner&) { outcomes += L"later "; };
    upliner.OnNoUpdateAvailable = [this](TulUpliner&) { outcomes += L"none "; };
    upliner.OnNoInfoFile = [this](TulUpliner&) { outcomes += L"noinfo "; };
    upliner.OnConnLost = [this](TulUpliner&) { outcomes += L"lost "; };
    upliner.OnAborted = [this](TulUpliner&) { outcomes += L"aborted "; };
    upliner.OnHostUnreachable = [this](TulUpliner&, const std::wstring& url,
                                       const std::wstring& host) {
      outcomes += L"unreachable ";
      unreachable = {url, host};
    };
  }

  // Checks without waiting, as the main window does, and waits for the outcome.
  std::wstring Check(const std::wstring& url) {
    outcomes.clear();
    upliner.InfoFileURL = url;
    const bool found = upliner.CanUpgrade();
    EXPECT_EQ(upliner.CheckUpdate(), found);
    // The worker ends just after the events of its transfer; no check starts before.
    EXPECT_TRUE(
        ui_test::PumpUntil([this] { return !outcomes.empty() && !upliner.ThreadBusy(); }, 20000));
    return outcomes;
  }

  // Answers the question No and records it; shows nothing else.
  struct QuestionOnly : TulUplinerUi {
    std::vector<std::wstring> asked;
    bool AskUpgrade(TulUpliner&, const std::wstring& upgradeMsg) override {
      asked.push_back(upgradeMsg);
      return false;
    }
    void ShowProgress(TulUpliner&) override {}
    bool ProgressShown() const override { return false; }
    void SetProgressLine(TulProgressLine, const std::wstring&) override {}
    void SetProgressBars(int, int) override {}
    void FinishProgress() override {}
    void CloseProgress() override {}
    bool AskPassword(TulUpliner&, const std::wstring&) override { return false; }
  };

  QuestionOnly ui;
  std::vector<std::wstring>& asked = ui.asked;
  TulUpliner upliner;
  std::wstring outcomes;
  std::vector<std::pair<std::wstring, UINT>> messages;
  bool allowUpgrade = true;
  std::wstring offered;
  TzeUpgradeMethod offeredMethod = umSelfUpgrade;
  int offeredFiles = 0;
  std::pair<std::wstring, std::wstring> unreachable;
};

TEST_F(UplinerCheck, OffersANewerVersionFetchedWithoutCacheAndTakesNoForAnAnswer) {
  const std::string info =
      "; Ostrel-Mini\r\n#VERSION=1.1.2.2\r\n#url1=http://h/a.exe\r\n#url2=http://h/b.dll=b.dll\r\n"
      "#method=0\r\n#message={Line one\r\nLine two}\r\n";
  EXPECT_EQ(Check(TextUrl(L"offer", info)), L"begin later ");
  EXPECT_TRUE(upliner.CanUpgrade());
  EXPECT_EQ(offered, L"Line one\r\nLine two");
  EXPECT_EQ(offeredMethod, umSelfUpgrade);
  EXPECT_EQ(offeredFiles, 2);
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"Line one\r\nLine two"}));
  EXPECT_TRUE(messages.empty());
  const std::string log = RequestsWith("/text/offer/");
  EXPECT_NE(log.find("Pragma: no-cache"), std::string::npos) << log;
  EXPECT_TRUE(upliner.QInfoStage());

  // Declined by the application: the user is not asked.
  allowUpgrade = false;
  EXPECT_EQ(Check(TextUrl(L"offer-declined", info)), L"begin later ");
  EXPECT_EQ(asked.size(), 1u);
  // Without mAskUpgrade nobody is asked either.
  allowUpgrade = true;
  upliner.ShowMessages.Exclude(mAskUpgrade);
  upliner.OnBeginUpgrade = [this](TulUpliner&, const std::wstring&, TzeUpgradeMethod,
                                  TulStringList&, bool& canUpgrade) {
    outcomes += L"begin ";
    canUpgrade = false;  // the download sequence is not the business of this test
  };
  EXPECT_EQ(Check(TextUrl(L"offer-unasked", info)), L"begin later ");
  EXPECT_EQ(asked.size(), 1u);
}

TEST_F(UplinerCheck, NothingNewerAndAMissingInfoFileAreSilentUnlessAsked) {
  EXPECT_EQ(Check(TextUrl(L"same", "#version=1.1.2.1\r\n#url=http://h/a.exe\r\n")), L"none ");
  EXPECT_EQ(Check(TextUrl(L"nofiles", "#version=1.1.2.2\r\n#message={x}\r\n")), L"none ");
  EXPECT_EQ(Check(TextUrl(L"empty", "")), L"none ");
  EXPECT_EQ(Check(Url("http", L"/data/10/missing?status=404")), L"noinfo ");
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(upliner.CanUpgrade());

  upliner.ShowMessages.Include(mNoUpdateAvailable);
  upliner.ShowMessages.Include(mNoInfoFile);
  EXPECT_EQ(Check(TextUrl(L"same-told", "#version=1.1.2.1\r\n#url=http://h/a.exe\r\n")), L"none ");
  EXPECT_EQ(Check(Url("http", L"/data/10/missing-told?status=500")), L"noinfo ");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].first, UplinerMessage(kRowNoUpdateAvailable));
  EXPECT_EQ(messages[0].second, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(messages[1].first, UplinerMessage(kRowNoInfoFile));
  EXPECT_EQ(messages[1].second, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(UplinerCheck, JustCheckingWaitsForTheAnswerAndNeverAsks) {
  upliner.InfoFileURL = TextUrl(L"just", "#version=1.1.3\r\n#url=http://h/a.exe\r\n");
  EXPECT_TRUE(upliner.CheckUpdate(true));
  EXPECT_EQ(outcomes, L"begin ");
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(ui_test::PumpUntil([this] { return !upliner.ThreadBusy(); }));
  // Once found, an update stays found.
  upliner.InfoFileURL = TextUrl(L"just-same", "#version=1.1.2.1\r\n#url=http://h/a.exe\r\n");
  EXPECT_TRUE(upliner.CheckUpdate(true));
  EXPECT_EQ(outcomes, L"begin none ");
}

TEST_F(UplinerCheck, JustCheckingFromAnEventOfTheLastCheckDoesNotWait) {
  int answers = 0;
  upliner.OnNoUpdateAvailable = [&](TulUpliner& sender) {
    outcomes += L"none ";
    // The worker of this check is still running: nothing starts, and nothing would end a wait.
    EXPECT_FALSE(sender.CheckUpdate(true));
    ++answers;
  };
  EXPECT_EQ(Check(TextUrl(L"nested", "#version=1.0\r\n")), L"none ");
  EXPECT_EQ(answers, 1);
  EXPECT_EQ(Count(RequestsWith("/text/nested/"), "GET /text/"), 1);
}

TEST_F(UplinerCheck, ASecondCheckStartsNothingAndAnAbortEndsAWaitingOne) {
  upliner.InfoFileURL = Url("http", L"/data/200000/slow-info?trickle=50");
  EXPECT_FALSE(upliner.CheckUpdate());
  ASSERT_TRUE(ui_test::PumpUntil([this] { return upliner.ThreadBusy(); }));
  gAbortTarget = &upliner;
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
    if (gAbortTarget != nullptr) std::exchange(gAbortTarget, nullptr)->Abort(false);
  });
  // Starts no second request, and would wait for ever if the abort did not release it.
  EXPECT_FALSE(upliner.CheckUpdate(true));
  KillTimer(nullptr, timer);
  EXPECT_EQ(outcomes, L"aborted ");
  EXPECT_TRUE(upliner.Aborted());
  EXPECT_TRUE(ui_test::PumpUntil([this] { return !upliner.ThreadBusy(); }, 20000));
  EXPECT_EQ(Count(RequestsWith("slow-info"), "GET /data/"), 1);
  EXPECT_EQ(outcomes, L"aborted ");
}

TEST_F(UplinerCheck, ReportsAnUnreachableHostAndALostConnection) {
  upliner.ShowMessages.Include(mHostUnreachable);
  const std::wstring closed = L"http://127.0.0.1:1/metadata/pavix/windows/pavix_x64_pc.inf";
  EXPECT_EQ(Check(closed), L"unreachable ");
  EXPECT_EQ(unreachable.first, closed);
  EXPECT_EQ(unreachable.second, L"127.0.0.1");
  EXPECT_EQ(Check(Url("http", L"/data/50000/lost-info?drop=1000")), L"lost ");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].first,
            L"无法与服务器http://127.0.0.1连接。\n\n请检查您的internet设定之后再进行升级操作。");
  EXPECT_EQ(messages[0].second, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(messages[1].first, UplinerMessage(kRowConnLost));
  EXPECT_EQ(messages[1].second, static_cast<UINT>(MB_ICONERROR));
  EXPECT_FALSE(upliner.CanUpgrade());
}

// What a broken or hostile server answers for the info file never offers an upgrade: it is read
// as an info file offering nothing, or it fails with the failure's own outcome.
TEST_F(UplinerCheck, AGarbageInfoFileOffersNothing) {
  std::string binary;
  for (int i = 0; i < 250; ++i) binary += static_cast<char>((i * 167 + (i >> 3)) & 0xFF);
  EXPECT_EQ(Check(TextUrl(L"binary", binary)), L"none ");
  // Keys among binary noise are read as anywhere else: a value ends at a control character.
  EXPECT_EQ(Check(TextUrl(L"binary-keys", binary + "#version=9.0\x01\xff#url=\x02" + binary)),
            L"none ");
  EXPECT_EQ(Check(Url("http", L"/bad/headers-huge/info")), L"none ");
  EXPECT_FALSE(upliner.CanUpgrade());
}

// An info file cut short may list fewer files than the upgrade needs: one that is not known to be
// whole fails as a lost connection, and an answer that is none at all as a missing info file.
TEST_F(UplinerCheck, AnInfoFileNotKnownToBeWholeIsALostConnection) {
  for (const wchar_t* kind : {L"status", L"length-text", L"length-negative", L"length-huge",
                              L"chunked-size", L"chunked-cut", L"short", L"long"}) {
    EXPECT_EQ(Check(Url("http", L"/bad/" + std::wstring(kind) + L"/info")), L"lost ") << kind;
  }
  for (const wchar_t* kind : {L"status-code", L"nothing"})
    EXPECT_EQ(Check(Url("http", L"/bad/" + std::wstring(kind) + L"/info")), L"noinfo ") << kind;
  EXPECT_FALSE(upliner.CanUpgrade());
}

// A build that trusts two keys (while the publisher moves from one to the other): a file signed
// with either counts, one signed with neither is refused. The file below is signed as a
// publisher would write it on Linux, with LF line ends, its version on the last line before the
// signature, which is read whole.
const std::wstring kFirstKey =
    std::wstring(L"2ccbe80148c5ade650feafb5dc21cb529f129ea58fec6441f259aee7a8c0e63a") +
    L"8fe8da189a53c59ec63d0f7ffb808f3e8bde3289fc4d82cb16fef9e635c8493b";
const std::wstring kSecondKey =
    std::wstring(L"9920ba912f97c8ff6789407a92968c1460f98fed9c65941d86e543c94b4f915f") +
    L"f81e407da76f84ec85636e5847c50fd54c6305f964ad64e5393d06c652c32af5";
const std::string kSignedBody =
    "#url=http://h/a.exe\n#sha256="
    "abababababababababababababababababababababababababababababababab\n#version=1.1.2.2\n";
const std::string kBySecondKey =
    kSignedBody +
    "#signature=3C41TU+olMjftIDt1xqIymY/h4htsBCSblsVLIsIXs9LVHFCv7gc7i7uvQfTooI8AuQo1b2jvxPTt+9HMJT"
    "NeA==\r\n";
const std::string kByNeither =
    kSignedBody +
    "#signature=Sng7Q0mcmOXGfs9By+H91R51TwVz41LfclzlQNbO4I0WGy0ON0+EjMvkMW3r2PSNXH4vUqTZxYMCBAcIUqf"
    "fGw==\r\n";

// What a signature vouches for needs no length: the signed file is taken sent chunked, and one
// cut short (its signature line lost) is refused like any unsigned file.
TEST_F(UplinerCheck, ASignatureByAnyTrustedKeyVouchesForAFileSentWithoutALength) {
  const TLogCapture log;
  upliner.PublicKeys = ParseP256Keys(kFirstKey + L";" + kSecondKey).value();
  EXPECT_EQ(Check(TextUrl(L"second-key", kBySecondKey) + L"?chunked=1"), L"begin later ");
  EXPECT_EQ(offeredFiles, 1);
  EXPECT_TRUE(log.Taken().empty());
  EXPECT_EQ(Check(TextUrl(L"neither-key", kByNeither) + L"?close=1"), L"noinfo ");
  const std::wstring cut = TextUrl(L"second-key-cut", kBySecondKey) + L"?chunked=1&drop=" +
                           std::to_wstring(kSignedBody.size() + 20);
  EXPECT_EQ(Check(cut), L"noinfo ");
  const std::vector<std::wstring> lines = log.Taken();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find(L"its signature does not verify"), std::wstring::npos) << lines[0];
  EXPECT_NE(lines[1].find(L"it carries no signature"), std::wstring::npos) << lines[1];
  // The first key alone does not vouch for the second's file.
  upliner.PublicKeys = ParseP256Keys(kFirstKey).value();
  EXPECT_EQ(Check(TextUrl(L"first-key-only", kBySecondKey)), L"noinfo ");
  EXPECT_TRUE(messages.empty());
}

// The automatic check runs once by itself, quietly; a host it could not reach is asked again.
TEST_F(UplinerCheck, AutomaticCheckRunsOnceAfterItsDelayAndRetriesAnUnreachableHost) {
  upliner.ShowMessages.Include(mHostUnreachable);
  upliner.ShowMessages.Include(mNoUpdateAvailable);
  upliner.AutoCheckDelay = 50;
  upliner.InfoFileURL = L"http://127.0.0.1:1/metadata/pavix/windows/pavix_x64_pc.inf";
  upliner.SetAutoCheck(true);
  ASSERT_TRUE(
      ui_test::PumpUntil([this] { return outcomes == L"unreachable unreachable "; }, 20000));
  upliner.InfoFileURL = TextUrl(L"auto", "#version=1.1.2.1\r\n");
  ASSERT_TRUE(ui_test::PumpUntil([this] { return outcomes.ends_with(L"none "); }, 20000));
  EXPECT_TRUE(messages.empty()) << "an automatic check shows neither message";
  ui_test::PumpFor(20 * upliner.AutoCheckDelay);  // several delays: no further check
  EXPECT_EQ(Count(RequestsWith("/text/auto/"), "GET /text/"), 1);
  EXPECT_TRUE(outcomes.ends_with(L"unreachable none ")) << outcomes;

  // Switched on again after it ran: the check is done for good.
  upliner.SetAutoCheck(false);
  upliner.SetAutoCheck(true);
  ui_test::PumpFor(10 * upliner.AutoCheckDelay);
  EXPECT_EQ(Count(RequestsWith("/text/auto/"), "GET /text/"), 1);
}

TEST_F(UplinerCheck, AgreesToEndTheSessionAndStopsItsTimerWhenSwitchedOff) {
  HWND hidden = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        wchar_t name[64] = L"";
        GetClassNameW(window, name, 64);
        if (std::wstring(name) == L"OstrelMessageWindow") *reinterpret_cast<HWND*>(found) = window;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&hidden));
  ASSERT_NE(hidden, nullptr) << "no hidden window of the component";
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_EQ(SendMessageW(hidden, WM_QUERYENDSESSION, 0, 0), 1);

  upliner.AutoCheckDelay = 50;
  upliner.InfoFileURL = TextUrl(L"off", "#version=1.0\r\n");
  upliner.SetAutoCheck(true);
  upliner.SetAutoCheck(false);
  ui_test::PumpFor(10 * upliner.AutoCheckDelay);
  EXPECT_EQ(outcomes, L"");
  EXPECT_TRUE(RequestsWith("/text/off/").empty());
}

TEST_F(UplinerCheck, KeepsARestartParameterAndTheMessageLanguage) {
  EXPECT_FALSE(upliner.StoresRestartParams());
  upliner.SetRestartParams(L"");
  EXPECT_EQ(upliner.RestartParams(), L" ");
  EXPECT_TRUE(upliner.StoresRestartParams());

  int restarts = 0;
  upliner.OnAfterRestart = [&](TulUpliner&) { ++restarts; };
  upliner.Loaded(L"/afterupgrade");
  EXPECT_EQ(restarts, 0) << "the restart parameter is now \" \"";
  upliner.SetRestartParams(L"/afterupgrade");
  upliner.Loaded(L"/afterupgrade");
  EXPECT_EQ(restarts, 1);
  upliner.Loaded(L"/AfterUpgrade");
  EXPECT_EQ(restarts, 1) << "compared with regard to case";

  upliner.SetWizardLanguage(wlChineseSimplified);
  EXPECT_EQ(MessageBase(), MessageBaseOf(wlChineseSimplified));
  SetMessageBase(MessageBaseOf(wlRussian));
  upliner.SetWizardLanguage(wlChineseSimplified);  // unchanged: does nothing
  EXPECT_EQ(MessageBase(), MessageBaseOf(wlRussian));
  upliner.SetWizardLanguage(wlAuto);
  EXPECT_EQ(MessageBase(), MessageBaseOf(LanguageOfLangId(GetSystemDefaultLangID())));
  SetMessageBase(MessageBaseOf(wlEnglish));
}

}  // namespace
