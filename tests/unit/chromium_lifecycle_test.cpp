// The browser control's life with the engine: creation refused until the engine is ready and
// while a creation is pending, the main browser singled out from pop-ups, the three answers to
// the engine's close request, and the state after the browser is gone. Each test starts the
// stand-in engine in this process.

#include <windows.h>

#include <atomic>

#include <gtest/gtest.h>

#include "engine/callbacks/cef_task_own.h"
#include "tests/unit/chromium_test_support.h"

namespace {

using chromium_test::ChromiumWithEngine;
using chromium_test::Command;
using chromium_test::IdOf;
using chromium_test::PumpUntil;

// Keeps the engine's UI thread busy until Open(): what is posted there meanwhile waits.
class UiThreadGate {
 public:
  UiThreadGate() : FEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    HANDLE event = FEvent;
    EXPECT_TRUE(TCefFastTask::Post(TID_UI, [event] { WaitForSingleObject(event, 10000); }));
  }
  ~UiThreadGate() {
    Open();
    CloseHandle(FEvent);
  }
  void Open() { SetEvent(FEvent); }

 private:
  HANDLE FEvent;
};

TEST_F(ChromiumWithEngine, CreateBrowserWaitsForTheEnginesGlobalContext) {
  StartEngine(L"context-late=1500");
  MakeChromium();
  RECT rect{0, 0, 400, 300};
  EXPECT_FALSE(chromium->CreateBrowser(parent.get(), rect));
  EXPECT_FALSE(chromium->HasClientHandler()) << "a refused creation creates nothing";
  EXPECT_TRUE(trace->Lines("create-browser").empty());

  ASSERT_TRUE(WaitForContext());
  EXPECT_TRUE(chromium->CreateBrowser(parent.get(), rect));
  ASSERT_TRUE(log.WaitFor("after-created"));
  EXPECT_EQ(1, chromium->BrowserId());
}

TEST_F(ChromiumWithEngine, PendingCreationIsNotInitializedAndRefusesASecondOne) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  RECT rect{0, 0, 400, 300};
  {
    UiThreadGate gate;
    ASSERT_TRUE(chromium->CreateBrowser(parent.get(), rect));
    EXPECT_TRUE(chromium->HasClientHandler());
    EXPECT_FALSE(chromium->Initialized());
    EXPECT_EQ(0, chromium->BrowserId());
    EXPECT_FALSE(chromium->CreateBrowser(parent.get(), rect));
  }
  ASSERT_TRUE(PumpUntil([&] { return chromium->Initialized(); }));
  EXPECT_EQ(1, chromium->BrowserId());
  EXPECT_TRUE(chromium->IsSameBrowser(chromium->Browser()));
  EXPECT_EQ(1u, trace->Lines("create-browser result=1").size());
}

TEST_F(ChromiumWithEngine, CreationTheEngineRefusedCanBeRetried) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  RECT rect{0, 0, 400, 300};
  const HWND notAWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7fff0));
  EXPECT_FALSE(chromium->CreateBrowser(notAWindow, rect));
  EXPECT_EQ(1u, trace->Lines("create-browser result=0 reason=parent-not-a-window").size());
  EXPECT_FALSE(chromium->HasClientHandler());
  EXPECT_TRUE(CreateAndWait());
}

TEST_F(ChromiumWithEngine, PopUpIsReportedButNeverBecomesTheMainBrowser) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  ASSERT_TRUE(CreateAndWait());
  const CefRefPtr<ICefBrowser> main = chromium->Browser();

  ASSERT_TRUE(Command("popup url=about:blank"));
  ASSERT_TRUE(log.WaitFor("after-created 2"));
  EXPECT_EQ(1, chromium->BrowserId());
  EXPECT_TRUE(chromium->Browser() == main);

  ASSERT_TRUE(Command("close browser=2"));
  ASSERT_TRUE(log.WaitFor("before-close 2"));
  EXPECT_EQ("close 2", log.Of("close")[0]);
  EXPECT_TRUE(chromium->Initialized()) << "a pop-up's close changes nothing";
  EXPECT_EQ(1, chromium->BrowserId());
  EXPECT_TRUE(chromium->HasClientHandler());
  EXPECT_TRUE(chromium->IsSameBrowser(main));
}

TEST_F(ChromiumWithEngine, PopUpClosingAfterTheMainBrowserStillReachesTheControl) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  ASSERT_TRUE(CreateAndWait());
  const CefRefPtr<ICefBrowser> main = chromium->Browser();
  ASSERT_TRUE(Command("popup url=about:blank"));
  ASSERT_TRUE(log.WaitFor("after-created 2"));

  chromium->CloseBrowser(true);
  ASSERT_TRUE(log.WaitFor("before-close 1"));
  EXPECT_FALSE(chromium->Initialized());
  EXPECT_EQ(0, chromium->BrowserId());
  EXPECT_FALSE(chromium->IsSameBrowser(main));
  EXPECT_TRUE(chromium->HasClientHandler()) << "the pop-up still shares the client";

  ASSERT_TRUE(Command("close browser=2"));
  ASSERT_TRUE(log.WaitFor("before-close 2"));
  EXPECT_EQ((std::vector<std::string>{"close 1", "close 2"}), log.Of("close"));
  EXPECT_FALSE(chromium->HasClientHandler());
}

TEST_F(ChromiumWithEngine, CloseAnsweredWithCloseReleasesEverything) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  ASSERT_TRUE(CreateAndWait());
  const CefRefPtr<ICefBrowser> main = chromium->Browser();
  chromium->CloseBrowser(true);
  ASSERT_TRUE(log.WaitFor("before-close 1"));
  EXPECT_EQ((std::vector<std::string>{"after-created 1", "close 1", "before-close 1"}), log.All());
  EXPECT_EQ("do-close id=1 force=1 result=0", trace->Lines("do-close")[0]);
  EXPECT_EQ(0, chromium->BrowserId());
  EXPECT_FALSE(chromium->HasBrowser());
  EXPECT_FALSE(chromium->HasClientHandler());
  EXPECT_FALSE(chromium->Initialized());
  EXPECT_FALSE(chromium->IsSameBrowser(main));
  RECT rect{0, 0, 400, 300};
  EXPECT_FALSE(chromium->CreateBrowser(parent.get(), rect)) << "a closed control stays closed";
  EXPECT_EQ(1u, trace->Lines("create-browser").size());
}

TEST_F(ChromiumWithEngine, CloseAnsweredWithDelayWaitsForTheParentWindow) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  ASSERT_TRUE(CreateAndWait());
  const CefRefPtr<ICefBrowser> main = chromium->Browser();
  closeAction = cbaDelay;
  chromium->CloseBrowser(true);
  ASSERT_TRUE(log.WaitFor("close 1"));
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("do-close").empty(); }));
  EXPECT_EQ("do-close id=1 force=1 result=1", trace->Lines("do-close")[0]);
  EXPECT_FALSE(chromium->Initialized());
  EXPECT_FALSE(chromium->IsSameBrowser(main)) << "closing has begun";
  EXPECT_EQ(1, chromium->BrowserId());
  EXPECT_FALSE(log.WaitFor("before-close", 1, 300)) << "the engine waits for the window";

  DestroyWindow(parent.get());
  ASSERT_TRUE(log.WaitFor("before-close 1"));
  EXPECT_EQ(0, chromium->BrowserId());
  EXPECT_FALSE(chromium->HasBrowser());
  EXPECT_FALSE(chromium->HasClientHandler());
}

TEST_F(ChromiumWithEngine, CloseAnsweredWithCancelKeepsTheBrowser) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  ASSERT_TRUE(CreateAndWait());
  closeAction = cbaCancel;
  chromium->CloseBrowser(false);
  ASSERT_TRUE(log.WaitFor("close 1"));
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("do-close").empty(); }));
  EXPECT_EQ("do-close id=1 force=0 result=1", trace->Lines("do-close")[0]);
  EXPECT_FALSE(log.WaitFor("before-close", 1, 300));
  EXPECT_TRUE(chromium->Initialized());
  EXPECT_TRUE(chromium->IsSameBrowser(chromium->Browser()));
  // Asked again with "close", the engine closes it.
  closeAction = cbaClose;
  chromium->CloseBrowser(true);
  ASSERT_TRUE(log.WaitFor("before-close 1"));
  EXPECT_EQ(0, chromium->BrowserId());
}

TEST_F(ChromiumWithEngine, PluginEventGivesTheBrowserAContextWithTheControlsHandler) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  chromium->OnBeforePluginLoad = [this](TChromium&, const ustring& mime, const ustring&, bool,
                                        const ustring&, const CefRefPtr<ICefWebPluginInfo>&,
                                        cef_plugin_policy_t& policy, bool& result) {
    log.Add("plugin " + standin_test::Narrow(mime));
    policy = PLUGIN_POLICY_ALLOW;
    result = true;
  };
  EXPECT_FALSE(chromium->ReqContextHandler()) << "made when the browser is";
  CefRefPtr<ICefRequestContext> shared = TCefRequestContextRef::Global();
  EXPECT_FALSE(chromium->ShareRequestContext(shared, nullptr));
  EXPECT_FALSE(shared) << "emptied even when refused";

  ASSERT_TRUE(CreateAndWait());
  EXPECT_TRUE(chromium->ReqContextHandler());
  ASSERT_TRUE(Command("plugin mime=application/pdf policy=2"));
  ASSERT_TRUE(log.WaitFor("plugin application/pdf"));
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("plugin-policy").empty(); }));
  EXPECT_EQ("plugin-policy result=1 policy=0", trace->Lines("plugin-policy")[0]);

  EXPECT_TRUE(chromium->ShareRequestContext(shared, nullptr));
  ASSERT_TRUE(shared);
  EXPECT_FALSE(shared->IsGlobal());
}

TEST_F(ChromiumWithEngine, JavaScriptDialogWhileClosingIsSuppressedWithoutEvent) {
  StartEngine();
  ASSERT_TRUE(WaitForContext());
  MakeChromium();
  chromium->OnJsdialog =
      [this](TChromium&, Ref, const ustring&, cef_jsdialog_type_t, const ustring&, const ustring&,
             const CefRefPtr<ICefJsDialogCallback>&, bool&, bool&) { log.Add("jsdialog"); };
  ASSERT_TRUE(CreateAndWait());
  ASSERT_TRUE(Command("jsdialog type=alert text=open"));
  ASSERT_TRUE(log.WaitFor("jsdialog"));
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("jsdialog-default").empty(); }))
      << "left unhandled, the engine shows its own dialog";

  closeAction = cbaDelay;
  chromium->CloseBrowser(true);
  ASSERT_TRUE(log.WaitFor("close 1"));
  ASSERT_TRUE(Command("jsdialog type=confirm text=closing"));
  ASSERT_TRUE(PumpUntil([&] { return !trace->Lines("jsdialog-suppressed").empty(); }));
  EXPECT_EQ(1u, log.Of("jsdialog").size()) << "no event while closing";
  DestroyWindow(parent.get());
  ASSERT_TRUE(log.WaitFor("before-close 1"));
}

}  // namespace
