// One browser through the control from start to end, as the main window drives it: created in a
// window of the windowing layer, reported on an engine thread, a loopback page and an
// unresolvable host loaded with the engine's events in order, then closed through the "delay"
// handshake in which the main thread destroys the parent window. Nothing of the engine is left
// alive afterwards.

#include <windows.h>

#include <atomic>

#include <gtest/gtest.h>

#include "engine/refs/cef_frame_ref.h"
#include "tests/unit/chromium_test_support.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/ui_task.h"

namespace {

using chromium_test::ChromiumWithEngine;
using chromium_test::IdOf;
using chromium_test::PumpUntil;
using standin_test::Narrow;

using Frame = const CefRefPtr<ICefFrame>&;

class ChromiumBrowser : public ChromiumWithEngine {
 protected:
  void SetUp() override { ASSERT_TRUE(Application().Initialize()); }
  void TearDown() override {
    ChromiumWithEngine::TearDown();
    uitask::Destroy();
  }

  // Records the load and display events of the main browser, the way the main window would.
  void RecordPageEvents() {
    chromium->OnBeforeBrowse = [this](TChromium&, Ref, Frame, const CefRefPtr<ICefRequest>&, bool,
                                      bool, bool&) { log.Add("before-browse"); };
    chromium->OnLoadingStateChange = [this](TChromium&, Ref, bool loading, bool, bool) {
      log.Add(std::string("loading-state ") + (loading ? "1" : "0"));
    };
    chromium->OnBeforeResourceLoad = [this](TChromium&, Ref, Frame, const CefRefPtr<ICefRequest>&,
                                            const CefRefPtr<ICefRequestCallback>&,
                                            cef_return_value_t&) {
      log.Add("before-resource-load");
    };
    chromium->OnLoadStart = [this](TChromium&, Ref, Frame, cef_transition_type_t) {
      log.Add("load-start");
    };
    chromium->OnAddressChange = [this](TChromium&, Ref, Frame, const ustring& url) {
      log.Add("address " + Narrow(url));
    };
    chromium->OnTitleChange = [this](TChromium&, Ref, const ustring& title) {
      log.Add("title " + Narrow(title));
    };
    chromium->OnLoadEnd = [this](TChromium&, Ref, Frame, int status) {
      log.Add("load-end " + std::to_string(status));
    };
    chromium->OnLoadError = [this](TChromium&, Ref, Frame, int code, const ustring& text,
                                   const ustring& url) {
      log.Add("load-error " + std::to_string(code) + " " + Narrow(text) + " " + Narrow(url));
    };
  }

  std::vector<std::string> Since(size_t first) {
    const auto all = log.All();
    return std::vector<std::string>(all.begin() + static_cast<long>(first), all.end());
  }
};

const char kPage[] = "<html><head><title>Ostrel Test</title></head><body>hello</body></html>";

TEST_F(ChromiumBrowser, LoadsPagesAndClosesThroughTheDelayHandshake) {
  standin_test::LoopbackServer server({{"/", {200, "text/html", kPage, ""}}});
  TForm form;
  ASSERT_TRUE(
      form.Create({.caption = L"Browser control", .clientWidth = 480, .clientHeight = 320}));
  TPanel host;
  ASSERT_TRUE(host.Create({.parent = &form, .align = alClient}));
  form.Show();
  StartEngine();
  MakeChromium();
  RecordPageEvents();
  chromium->SetDefaultUrl(server.Url("/"));
  // The window's answer: destroy the host window on the main thread, let the engine wait.
  chromium->OnClose = [this, &host](TChromium& sender, Ref browser,
                                    TCefCloseBrowserAction& action) {
    log.Add("close " + std::to_string(IdOf(browser)));
    if (browser->GetIdentifier() != sender.BrowserId()) return;
    uitask::Post([&host] { host.Destroy(); });
    action = cbaDelay;
  };

  // The window retries until the engine's context is ready.
  ASSERT_TRUE(PumpUntil([&] { return chromium->CreateBrowser(&host); }));
  ASSERT_TRUE(log.WaitFor("after-created 1"));
  EXPECT_NE(0u, log.ThreadOf("after-created"));
  EXPECT_NE(GetCurrentThreadId(), log.ThreadOf("after-created")) << "an engine thread";
  ASSERT_TRUE(log.WaitFor("load-end"));
  ASSERT_TRUE(log.WaitFor("loading-state 0"));
  EXPECT_EQ((std::vector<std::string>{"after-created 1", "before-browse", "loading-state 1",
                                      "before-resource-load", "load-start",
                                      "address " + Narrow(server.Url("/")), "title Ostrel Test",
                                      "load-end 200", "loading-state 0"}),
            log.All());
  EXPECT_TRUE(chromium->Initialized());
  HWND engineWindow = GetWindow(host.Handle(), GW_CHILD);
  ASSERT_NE(nullptr, engineWindow) << "the engine's window lives in the host window";

  const size_t first = log.All().size();
  chromium->Browser()->GetMainFrame()->LoadUrl(L"http://unresolvable.invalid/");
  ASSERT_TRUE(log.WaitFor("loading-state 0", 2));
  EXPECT_EQ((std::vector<std::string>{
                "before-browse", "loading-state 1", "before-resource-load",
                "load-error -105 net::ERR_NAME_NOT_RESOLVED http://unresolvable.invalid/",
                "address http://unresolvable.invalid/", "title http://unresolvable.invalid/",
                "loading-state 0"}),
            Since(first));

  chromium->CloseBrowser(true);
  ASSERT_TRUE(log.WaitFor("before-close 1"));
  EXPECT_EQ(nullptr, host.Handle());
  EXPECT_FALSE(IsWindow(engineWindow));
  EXPECT_EQ(0, chromium->BrowserId());
  EXPECT_FALSE(chromium->HasBrowser());
  EXPECT_FALSE(chromium->HasClientHandler());
  EXPECT_EQ(1u, log.Of("close").size());
  // TearDown: the engine shuts down with no object left alive.
}

TEST_F(ChromiumBrowser, HooksTheMainBrowsersEngineWindowsWhenItsRenderViewIsReady) {
  StartEngine();
  MakeChromium();
  std::atomic<int> renderMessages{0};
  chromium->OnRenderCompMsg = [&](TMessage& message, bool& handled) {
    if (message.Msg != WM_APP + 5) return;
    ++renderMessages;
    message.Result = 55;
    handled = true;
  };
  chromium->OnRenderViewReady = [this](TChromium&, Ref browser) {
    log.Add("render-view-ready " + std::to_string(IdOf(browser)));
  };
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"Hooks", .clientWidth = 320, .clientHeight = 200}));
  TPanel host;
  ASSERT_TRUE(host.Create({.parent = &form, .align = alClient}));
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return chromium->CreateBrowser(&host); }));
  ASSERT_TRUE(log.WaitFor("render-view-ready 1"));

  const HWND browserWindow = GetWindow(host.Handle(), GW_CHILD);
  EXPECT_EQ(browserWindow, chromium->BrowserHandle());
  ASSERT_NE(nullptr, chromium->WidgetHandle());
  ASSERT_NE(nullptr, chromium->RenderHandle());
  EXPECT_EQ(chromium->WidgetHandle(), GetParent(chromium->RenderHandle()));

  // Only the window whose event is assigned has the program's procedure in front.
  EXPECT_EQ(55, SendMessageW(chromium->RenderHandle(), WM_APP + 5, 0, 0));
  EXPECT_EQ(1, renderMessages.load());
  EXPECT_EQ(0, SendMessageW(chromium->WidgetHandle(), WM_APP + 5, 0, 0));
  EXPECT_EQ(1, renderMessages.load());
  // Everything else still reaches the engine.
  EXPECT_EQ(20, SendMessageW(chromium->RenderHandle(), WM_GETTEXTLENGTH, 0, 0));

  // A pop-up's render view changes none of it.
  ASSERT_TRUE(chromium_test::Command("popup url=about:blank"));
  ASSERT_TRUE(log.WaitFor("render-view-ready", 2));
  EXPECT_EQ(browserWindow, chromium->BrowserHandle());
  ASSERT_TRUE(chromium_test::Command("close browser=2"));
  ASSERT_TRUE(log.WaitFor("before-close 2"));
}

}  // namespace
