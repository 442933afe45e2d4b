// The stand-in engine towards a browser, as the program meets it: creation in a parent window
// with after-created on the engine UI thread, the engine's window tree, page loads from a
// loopback server and an unresolvable host with the engine's events in order, and the close
// handshake with "delay". Every reference the engine took is given back, and nothing is left
// alive at shutdown.

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/unit/standin_browser_support.h"

namespace {

using namespace standin_test;

std::string Word(const std::string& event) { return event.substr(0, event.find(' ')); }

std::vector<std::string> Words(const std::vector<std::string>& events) {
  std::vector<std::string> words;
  for (const auto& e : events) words.push_back(Word(e));
  return words;
}

std::wstring TitleOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// A started engine, a client and a parent window; the browser is created by the test.
class StandinBrowser : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program.Start()); }

  void TearDown() override {
    if (cef_browser_t* browser = client.browser.load()) {  // still open: close it plainly
      client.do_close_answer = 0;
      cef_browser_host_t* host = browser->get_host(browser);
      host->close_browser(host, 1);
      Release(host);
      EXPECT_TRUE(client.WaitFor("before-close"));
    }
    program.Stop();
    EXPECT_EQ(0, client.EngineReferences()) << "references the engine kept";
    EXPECT_EQ("shutdown live=0", trace.Lines("shutdown ").back());
  }

  // Creates a browser on `url` and waits for its after-created.
  cef_browser_t* Create(const std::wstring& url) {
    cef_window_info_t info = ChildWindowInfo(parent.get(), 400, 300);
    cef_browser_settings_t settings = BrowserSettings();
    cef_string_t address = Borrow(url);
    EXPECT_EQ(1, Engine().cef_browser_host_create_browser(&info, client.client.Give(), &address,
                                                          &settings, nullptr, nullptr));
    EXPECT_TRUE(client.WaitFor("after-created"));
    return client.browser.load();
  }

  cef_browser_host_t* Host() {
    cef_browser_t* browser = client.browser.load();
    return browser->get_host(browser);
  }

  void LoadUrl(const std::wstring& url) {
    cef_browser_t* browser = client.browser.load();
    cef_frame_t* frame = browser->get_main_frame(browser);
    cef_string_t address = Borrow(url);
    frame->load_url(frame, &address);
    Release(frame);
  }

  TraceFile trace;
  FakeProgram program;
  FakeClient client;
  ParentWindow parent;
};

const char kPage[] =
    "<html><head><title>Loopback Page</title></head>"
    "<body><p>Hello from the test server.</p><a href=\"/next\">Next</a></body></html>";

TEST_F(StandinBrowser, CreatesTheWindowTreeAndReportsAfterCreatedOnTheUiThread) {
  cef_browser_t* browser = Create(L"about:blank");
  ASSERT_NE(nullptr, browser);
  EXPECT_TRUE(client.after_created_on_ui);
  // The render view follows after-created on the UI thread.
  ASSERT_TRUE(client.WaitFor("render-view-ready"));
  EXPECT_EQ(1u, client.Events("render-view-ready").size());
  EXPECT_EQ("render-view-ready " + std::to_string(browser->get_identifier(browser)) + " @ui",
            client.Events("render-view-ready")[0]);

  cef_browser_host_t* host = Host();
  HWND window = host->get_window_handle(host);
  EXPECT_EQ(parent.get(), GetParent(window));
  EXPECT_NE(GetCurrentThreadId(), GetWindowThreadProcessId(window, nullptr))
      << "engine windows belong to the engine UI thread";
  RECT rect;
  GetClientRect(window, &rect);
  EXPECT_EQ(400, rect.right);
  EXPECT_EQ(300, rect.bottom);
  HWND widget = FindWindowExW(window, nullptr, L"Chrome_WidgetWin_0", L"");
  ASSERT_NE(nullptr, widget);
  HWND render = FindWindowExW(widget, nullptr, L"Chrome_RenderWidgetHostHWND", nullptr);
  ASSERT_NE(nullptr, render);
  EXPECT_EQ(L"Chrome Legacy Window", TitleOf(render));
  GetClientRect(render, &rect);
  EXPECT_EQ(400, rect.right) << "each engine window fills its parent";
  // A resize of the browser window reaches the render window.
  SetWindowPos(window, nullptr, 0, 0, 320, 200, SWP_NOZORDER | SWP_NOMOVE);
  EXPECT_TRUE(PumpUntil(
      [&] {
        GetClientRect(render, &rect);
        return rect.right == 320 && rect.bottom == 200;
      },
      3000));
  Release(host);
}

TEST_F(StandinBrowser, LoadsALoopbackPageInTheEnginesOrder) {
  LoopbackServer server({{"/", {200, "text/html", kPage, "X-Served-By: test\r\n"}}});
  Create(server.Url("/"));
  ASSERT_TRUE(client.WaitFor("loading-state 1 0 0 0")) << ::testing::PrintToString(client.Events());
  const auto events = client.Events();
  const std::vector<std::string> expected = {"after-created",
                                             "render-view-ready",
                                             "before-browse",
                                             "loading-state",
                                             "resource-handler",
                                             "before-resource-load",
                                             "resource-response",
                                             "resource-complete",
                                             "load-start",
                                             "address",
                                             "title",
                                             "progress",
                                             "load-end",
                                             "loading-state"};
  EXPECT_EQ(expected, Words(events));
  EXPECT_EQ("loading-state 1 1 0 0 @ui", client.Events("loading-state")[0]);
  EXPECT_EQ("before-resource-load 1 @io", client.Events("before-resource-load")[0]);
  EXPECT_EQ("resource-response 1 200 @io", client.Events("resource-response")[0]);
  EXPECT_EQ("address 1 " + Narrow(server.Url("/")), client.Events("address")[0]);
  EXPECT_EQ("title 1 Loopback Page", client.Events("title")[0]);
  EXPECT_EQ("progress 1 100", client.Events("progress")[0]);
  EXPECT_EQ("load-end 1 200 main @ui", client.Events("load-end")[0]);
  // Headers: the program's addition went out, the server's came back.
  ASSERT_EQ(1u, server.Requests().size());
  EXPECT_NE(std::string::npos, server.Requests()[0].find("X-Ostrel-Test: 1"));
  EXPECT_EQ(L"1", client.last_request_headers[L"X-Ostrel-Test"]);
  EXPECT_EQ(L"test", client.last_response_headers[L"X-Served-By"]);

  cef_browser_t* browser = client.browser.load();
  cef_frame_t* frame = browser->get_main_frame(browser);
  cef_string_userfree_t url = frame->get_url(frame);
  EXPECT_EQ(server.Url("/"), Text(*url));
  Engine().cef_string_userfree_utf16_free(url);
  Release(frame);
  EXPECT_EQ(1, browser->has_document(browser));
  EXPECT_EQ(0, browser->is_loading(browser));
}

TEST_F(StandinBrowser, ReportsAnUnresolvableHostAndA404WithTheirCodes) {
  LoopbackServer server({{"/", {200, "text/html", kPage, ""}}});
  Create(server.Url("/"));
  ASSERT_TRUE(client.WaitFor("load-end"));
  const size_t before = client.Events().size();

  LoadUrl(L"http://unresolvable.invalid/");
  ASSERT_TRUE(client.WaitFor("load-error"));
  ASSERT_TRUE(PumpUntil([&] { return client.Events("loading-state").size() == 4; }));
  const auto events = client.Events();
  const std::vector<std::string> failure(events.begin() + static_cast<long>(before), events.end());
  EXPECT_EQ((std::vector<std::string>{"before-browse", "loading-state", "resource-handler",
                                      "before-resource-load", "resource-complete", "load-error",
                                      "address", "title", "loading-state"}),
            Words(failure));
  EXPECT_EQ("load-error 1 -105 net::ERR_NAME_NOT_RESOLVED http://unresolvable.invalid/ @ui",
            client.Events("load-error")[0]);
  EXPECT_EQ(1u, client.Events("load-start").size()) << "no load start for a failed load";

  LoadUrl(server.Url("/missing"));
  ASSERT_TRUE(PumpUntil([&] { return client.Events("load-end").size() == 2; }));
  EXPECT_EQ("load-end 1 404 main @ui", client.Events("load-end")[1]);
  cef_browser_t* browser = client.browser.load();
  EXPECT_EQ(1, browser->can_go_back(browser)) << "the 404 page is in the history";
  EXPECT_EQ(0, browser->can_go_forward(browser));

  browser->go_back(browser);
  ASSERT_TRUE(PumpUntil([&] { return client.Events("load-end").size() == 3; }));
  EXPECT_EQ("load-end 1 200 main @ui", client.Events("load-end")[2]);
  EXPECT_EQ(1, browser->can_go_forward(browser));
}

TEST_F(StandinBrowser, DataAndFileAddressesLoadWithoutTheNetwork) {
  Create(L"data:text/html,<title>Data%20Title</title>text");
  ASSERT_TRUE(client.WaitFor("load-end"));
  EXPECT_EQ("title 1 Data Title", client.Events("title")[0]);
  EXPECT_EQ("load-end 1 200 main @ui", client.Events("load-end")[0]);
  LoadUrl(L"file:///Z:/no/such/file.html");
  ASSERT_TRUE(client.WaitFor("load-error"));
  EXPECT_EQ(0u, client.Events("load-error")[0].find("load-error 1 -6 net::ERR_FILE_NOT_FOUND "));
}

TEST_F(StandinBrowser, ClosesThroughTheDelayHandshake) {
  Create(L"about:blank");
  cef_browser_host_t* host = Host();
  HWND window = host->get_window_handle(host);
  client.do_close_answer = 1;  // "delay": the program destroys the window's parent itself
  host->close_browser(host, 1);
  Release(host);
  ASSERT_TRUE(client.WaitFor("do-close"));
  EXPECT_EQ("do-close 1 @ui", client.Events("do-close")[0]);
  EXPECT_FALSE(client.WaitFor("before-close", 400)) << "the engine waits for the window";
  EXPECT_TRUE(IsWindow(window));

  DestroyWindow(parent.get());  // the program's host control goes, and the engine window with it
  ASSERT_TRUE(client.WaitFor("before-close"));
  EXPECT_EQ("before-close 1 @ui", client.Events("before-close")[0]);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(PumpUntil([&] { return client.EngineReferences() == 0; }, 3000));
}

TEST_F(StandinBrowser, CloseAnsweredWithCloseDestroysTheWindowAtOnce) {
  Create(L"about:blank");
  cef_browser_host_t* host = Host();
  HWND window = host->get_window_handle(host);
  host->close_browser(host, 1);
  Release(host);
  ASSERT_TRUE(client.WaitFor("before-close"));
  EXPECT_EQ((std::vector<std::string>{"do-close", "before-close"}),
            Words({client.Events("do-close")[0], client.Events("before-close")[0]}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(IsWindow(parent.get()));
}

TEST_F(StandinBrowser, ShutdownWithAnOpenBrowserDropsItWithoutCallbacks) {
  Create(L"about:blank");
  ASSERT_TRUE(client.WaitFor("loading-state 1 0"));
  Release(client.browser.exchange(nullptr));
  program.Stop();  // a program fault: the real engine stops here in a debug build
  EXPECT_EQ(1u, trace.Lines("misuse shutdown-with-open-browser id=1").size());
  EXPECT_TRUE(client.Events("before-close").empty());
}

TEST_F(StandinBrowser, BrowserObjectsAnswerAsTheEngine) {
  cef_browser_t* browser = Create(L"about:blank");
  EXPECT_EQ(1, browser->get_identifier(browser));
  cef_browser_host_t* host = browser->get_host(browser);
  cef_browser_t* again = host->get_browser(host);
  EXPECT_EQ(1, browser->is_same(browser, again));  // consumes `again`
  EXPECT_EQ(1u, browser->get_frame_count(browser));
  int64 ids[4] = {};
  size_t count = 4;
  browser->get_frame_identifiers(browser, &count, ids);
  EXPECT_EQ(1u, count);
  cef_frame_t* frame = browser->get_frame_byident(browser, ids[0]);
  ASSERT_NE(nullptr, frame);
  EXPECT_EQ(1, frame->is_main(frame));
  EXPECT_EQ(ids[0], frame->get_identifier(frame));
  Release(frame);
  cef_request_context_t* context = host->get_request_context(host);
  ASSERT_NE(nullptr, context);
  EXPECT_EQ(1, context->is_global(context));
  Release(context);
  Release(host);
}

TEST_F(StandinBrowser, CreationRefusesInvalidArgumentsAndReleasesThem) {
  cef_browser_settings_t settings = BrowserSettings();
  cef_window_info_t info = ChildWindowInfo(reinterpret_cast<HWND>(0x1234), 10, 10);
  EXPECT_EQ(0, Engine().cef_browser_host_create_browser(&info, client.client.Give(), nullptr,
                                                        &settings, nullptr, nullptr));
  settings.size = 8;
  info = ChildWindowInfo(parent.get(), 10, 10);
  EXPECT_EQ(0, Engine().cef_browser_host_create_browser(&info, client.client.Give(), nullptr,
                                                        &settings, nullptr, nullptr));
  EXPECT_EQ(0, Engine().cef_browser_host_create_browser(nullptr, client.client.Give(), nullptr,
                                                        &settings, nullptr, nullptr));
  settings = BrowserSettings();
  EXPECT_EQ(nullptr, Engine().cef_browser_host_create_browser_sync(
                         &info, client.client.Give(), nullptr, &settings, nullptr, nullptr))
      << "the synchronous form belongs to the engine UI thread";
  EXPECT_EQ(0, client.EngineReferences());
  EXPECT_EQ(3u, trace.Lines("create-browser result=0").size());
}

}  // namespace
