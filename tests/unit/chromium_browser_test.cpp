// One browser through the control from start to end, as the main window drives it: created in a
// window of the windowing layer, reported on an engine thread, a loopback page and an
// unresolvable host loaded with the engine's events in order, then closed through the "delay"
// handshake in which the main thread destroys the parent window. Nothing of the engine is left
// alive afterwards.

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/cef_frame_ref.h"
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

}  // namespace
