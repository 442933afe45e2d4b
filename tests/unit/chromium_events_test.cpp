// How the browser control turns notifications into events, without an engine: the engine's
// default answers when no event is assigned, the events' answers when one is, the handler objects
// the client creates for the assigned events, the notifications with logic of their own, and
// the one event carried to the main thread.

#include <windows.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "browser/chromium.h"
#include "engine/application/cef_application.h"
#include "engine/refs/cef_auth_callback_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_jsdialog_callback_ref.h"
#include "engine/refs/cef_navigation_entry_ref.h"
#include "engine/refs/cef_request_callback_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_response_ref.h"
#include "tests/unit/standin_browser_support.h"
#include "ui/window.h"

namespace {

using Browser = const CefRefPtr<ICefBrowser>&;

class ChromiumEvents : public ::testing::Test {
 protected:
  TChromium chromium;
  IChromiumEvents& events = chromium;  // how handler objects reach the control
  std::vector<std::string> raised;
};

TEST_F(ChromiumEvents, UnassignedEventsGiveTheEnginesDefaults) {
  EXPECT_TRUE(events.HandleCanSendCookie(nullptr, nullptr, nullptr, nullptr)) << "cookies go";
  EXPECT_TRUE(events.HandleCanSaveCookie(nullptr, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(RV_CONTINUE, events.HandleBeforeResourceLoad(nullptr, nullptr, nullptr, nullptr));
  EXPECT_FALSE(events.HandleGetResourceHandler(nullptr, nullptr, nullptr));
  EXPECT_FALSE(events.HandleGetResourceResponseFilter(nullptr, nullptr, nullptr, nullptr));
  EXPECT_FALSE(events.HandleBeforeBrowse(nullptr, nullptr, nullptr, true, false));
  EXPECT_FALSE(events.HandleClose(nullptr)) << "the engine closes the window itself";
  bool shortcut = true;
  EXPECT_FALSE(events.HandlePreKeyEvent(nullptr, nullptr, nullptr, shortcut));
  EXPECT_TRUE(shortcut) << "an in/out value nobody touched stays as the engine sent it";
}

TEST_F(ChromiumEvents, AssignedEventsAnswerTheEngine) {
  chromium.OnCanSendCookie = [&](TChromium& sender, Browser, const CefRefPtr<ICefFrame>&,
                                 const CefRefPtr<ICefRequest>&, const cef_cookie_t*, bool& result) {
    EXPECT_EQ(&chromium, &sender);
    result = false;
  };
  chromium.OnBeforeResourceLoad =
      [](TChromium&, Browser, const CefRefPtr<ICefFrame>&, const CefRefPtr<ICefRequest>&,
         const CefRefPtr<ICefRequestCallback>&, cef_return_value_t& result) {
        EXPECT_EQ(RV_CONTINUE, result);
        result = RV_CANCEL;
      };
  chromium.OnPreKeyEvent = [](TChromium&, Browser, const cef_key_event_t*, MSG*, bool& shortcut,
                              bool& result) {
    shortcut = true;
    result = true;
  };
  EXPECT_FALSE(events.HandleCanSendCookie(nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(RV_CANCEL, events.HandleBeforeResourceLoad(nullptr, nullptr, nullptr, nullptr));
  bool shortcut = false;
  EXPECT_TRUE(events.HandlePreKeyEvent(nullptr, nullptr, nullptr, shortcut));
  EXPECT_TRUE(shortcut);
}

TEST_F(ChromiumEvents, OneDisplayEventGivesADisplayHandlerThatAnswersTheOthersByDefault) {
  chromium.OnAddressChange = [&](TChromium&, Browser, const CefRefPtr<ICefFrame>&,
                                 const ustring& url) {
    raised.push_back("address " + standin_test::Narrow(url));
  };
  CefRefPtr<ICefClient> client;
  ASSERT_TRUE(chromium.CreateClientHandler(client, false));
  ASSERT_TRUE(client);
  const CefRefPtr<ICefDisplayHandler> display = client->GetDisplayHandler();
  ASSERT_TRUE(display);
  EXPECT_FALSE(client->GetLoadHandler()) << "no load event assigned";
  EXPECT_FALSE(client->GetKeyboardHandler());
  EXPECT_FALSE(client->GetJsdialogHandler()) << "the engine shows its own dialogs";
  EXPECT_TRUE(client->GetLifeSpanHandler()) << "always there: the control needs it";
  EXPECT_TRUE(client->GetRequestHandler());
  EXPECT_FALSE(client->GetRenderHandler()) << "a windowed browser";

  ustring tooltip = L"tip";
  EXPECT_FALSE(display->OnTooltip(nullptr, tooltip));
  EXPECT_FALSE(display->OnConsoleMessage(nullptr, LOGSEVERITY_INFO, L"m", L"s", 1));
  EXPECT_FALSE(display->OnAutoResize(nullptr, nullptr));
  display->OnTitleChange(nullptr, L"title");
  display->OnAddressChange(nullptr, nullptr, L"http://a/");
  EXPECT_EQ(std::vector<std::string>{"address http://a/"}, raised);
  EXPECT_FALSE(chromium.CreateClientHandler(false)) << "one client handler per control";
}

TEST_F(ChromiumEvents, CookieEventsBringTheResourceRequestHandlerAlong) {
  EXPECT_FALSE(events.WantsResourceRequestHandler());
  EXPECT_FALSE(events.WantsCookieAccessFilter());
  chromium.OnCanSaveCookie = [](TChromium&, Browser, const CefRefPtr<ICefFrame>&,
                                const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&,
                                const cef_cookie_t*, bool&) {};
  EXPECT_TRUE(events.WantsCookieAccessFilter());
  EXPECT_TRUE(events.WantsResourceRequestHandler());
  EXPECT_FALSE(events.WantsRenderHandler());
}

TEST_F(ChromiumEvents, EventHandlerExceptionsReachTheCaller) {
  chromium.OnLoadEnd = [](TChromium&, Browser, const CefRefPtr<ICefFrame>&, int) {
    throw std::runtime_error("handler");
  };
  chromium.OnClose = [](TChromium&, Browser, TCefCloseBrowserAction& action) {
    action = cbaDelay;
    throw std::runtime_error("handler");
  };
  EXPECT_THROW(events.HandleLoadEnd(nullptr, nullptr, 200), std::runtime_error);
  EXPECT_THROW(events.HandleClose(nullptr), std::runtime_error);
}

TEST_F(ChromiumEvents, JavaScriptDialogOfNoInitializedBrowserIsSuppressed) {
  chromium.OnJsdialog = [&](TChromium&, Browser, const ustring&, cef_jsdialog_type_t,
                            const ustring&, const ustring&, const CefRefPtr<ICefJsDialogCallback>&,
                            bool&, bool&) { raised.push_back("jsdialog"); };
  bool suppress = false;
  EXPECT_FALSE(
      events.HandleJsdialog(nullptr, L"", JSDIALOGTYPE_ALERT, L"text", L"", nullptr, suppress));
  EXPECT_TRUE(suppress);
  EXPECT_TRUE(raised.empty());
}

TEST_F(ChromiumEvents, ProxyChallengesAreRefusedWithoutEventAndServerOnesRaiseIt) {
  chromium.OnGetAuthCredentials = [&](TChromium&, Browser, const ustring&, bool isProxy,
                                      const ustring& host, int, const ustring&, const ustring&,
                                      const CefRefPtr<ICefAuthCallback>&, bool& result) {
    raised.push_back((isProxy ? "proxy " : "server ") + standin_test::Narrow(host));
    result = true;
  };
  EXPECT_FALSE(events.HandleGetAuthCredentials(nullptr, L"http://a/", true, L"proxy", 8080, L"r",
                                               L"basic", nullptr));
  EXPECT_TRUE(events.HandleGetAuthCredentials(nullptr, L"http://a/", false, L"a", 80, L"r",
                                              L"basic", nullptr));
  EXPECT_EQ(std::vector<std::string>{"server a"}, raised);
}

TEST_F(ChromiumEvents, AsynchronousResultsRaiseTheirEvents) {
  chromium.OnResolvedHostAvailable = [&](TChromium&, int result, const std::vector<ustring>& ips) {
    raised.push_back("resolved " + std::to_string(result) + " " + standin_test::Narrow(ips.at(0)));
  };
  chromium.OnNavigationVisitorResultAvailable = [&](const CefRefPtr<ICefNavigationEntry>&, bool,
                                                    int index, int total, bool& result) {
    raised.push_back("entry " + std::to_string(index) + "/" + std::to_string(total));
    result = index < total - 1;
  };
  chromium.OnExecuteTaskOnCefThread = [&](TChromium&, uint32_t id) {
    raised.push_back("task " + std::to_string(id));
  };
  chromium.OnCookiesFlushed = [&](TChromium&) { raised.push_back("flushed"); };
  events.HandleResolvedHostAvailable(ERR_NAME_NOT_RESOLVED, {L"::1"});
  EXPECT_TRUE(events.HandleNavigationVisitorResult(nullptr, true, 0, 2));
  EXPECT_FALSE(events.HandleNavigationVisitorResult(nullptr, false, 1, 2));
  events.HandleExecuteTaskOnCefThread(7);
  events.HandleCookiesFlushed();
  events.HandleCertificateExceptionsCleared();  // unassigned: nothing
  EXPECT_EQ((std::vector<std::string>{"resolved -105 ::1", "entry 0/2", "entry 1/2", "task 7",
                                      "flushed"}),
            raised);
}

TEST_F(ChromiumEvents, SavedPreferencesAreReportedOnTheMainThread) {
  std::vector<std::pair<bool, DWORD>> reports;
  chromium.OnPrefsAvailable = [&](TChromium&, bool ok) {
    reports.emplace_back(ok, GetCurrentThreadId());
  };
  bool result = true;
  std::thread engineThread([&] { result = events.Internal_SavePreferences(); });
  engineThread.join();
  EXPECT_FALSE(result) << "the control is not initialized";
  EXPECT_TRUE(reports.empty()) << "not raised on the saving thread";
  ASSERT_TRUE(standin_test::PumpUntil([&] { return reports.size() == 1; }, 3000));
  EXPECT_FALSE(reports[0].first);
  EXPECT_EQ(GetCurrentThreadId(), reports[0].second);

  ASSERT_TRUE(chromium.PostCompMessage(kChromiumPrefsAvailable, 1, 0));
  ASSERT_TRUE(standin_test::PumpUntil([&] { return reports.size() == 2; }, 3000));
  EXPECT_TRUE(reports[1].first);
}

TEST_F(ChromiumEvents, CreateBrowserRefusesWithoutEngineOrParentWindow) {
  ASSERT_EQ(nullptr, GlobalCEFApp);
  RECT rect{0, 0, 100, 100};
  EXPECT_FALSE(chromium.CreateBrowser(GetDesktopWindow(), rect));
  TWindow noWindowYet;
  EXPECT_FALSE(chromium.CreateBrowser(&noWindowYet));
  EXPECT_FALSE(chromium.HasClientHandler());
  EXPECT_FALSE(chromium.Initialized());
  EXPECT_EQ(0, chromium.BrowserId());
  EXPECT_EQ(L"about:blank", chromium.DefaultUrl());
}

}  // namespace
