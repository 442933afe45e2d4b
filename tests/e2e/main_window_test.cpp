// The main window of the running program: its caption and start-up status text, the engine's
// window inside the host control, pop-ups, and the close handshake that lets the engine and its
// processes end before the program does. The start page is served by the test itself.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <thread>

#include "ostrel_config.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/http_server.h"
#include "tests/e2e/running_program.h"

namespace e2e {
namespace {

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientScreenRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::string Show(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

class MainWindow : public RunningProgram {
 protected:
  MainWindow()
      : RunningProgram({{"/second", {.body = PageWithTitle("第二页")}},
                        {"/popup", {.body = PageWithTitle("弹出窗口")}}}) {}
};

TEST_F(MainWindow, CaptionIsProductAndVersionWhateverThePageTitle) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WaitForTraceLine(copy_, "title-change id=1", 5s), "title-change id=1 title=测试首页");
  EXPECT_TRUE(WaitUntil([&] { return WindowText(window) == kCaption; }, 5s))
      << "caption: " << testing::PrintToString(WindowText(window));
  const auto paths = server_.RequestedPaths();
  EXPECT_NE(std::find(paths.begin(), paths.end(), start_.path), paths.end())
      << "the start address was not asked for";

  Command("load url=" + Address("/second"));
  EXPECT_EQ(WaitForTraceLine(copy_, "title-change id=1 title=第二页", kStartTimeout),
            "title-change id=1 title=第二页");
  std::this_thread::sleep_for(300ms);  // a wrongly set caption would have arrived by now
  EXPECT_EQ(WindowText(window), kCaption);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program->WaitForExit(kStartTimeout), std::optional<DWORD>(0));
}

// The diagnostics typed on the page (Ctrl+Shift+F9, Ctrl+Shift+F10) with the engine's key events.
constexpr char kSavePreferencesKey[] = "key code=120 modifiers=6";
constexpr char kDelayedTaskKey[] = "key code=121 modifiers=6";

HWND MessageBoxOf(const Process& program) { return WaitForWindowOfClass(program, L"#32770"); }

TEST_F(MainWindow, WebRTCPolicyReachesTheEngineAndPreferencesAreSavedOnTheMainThread) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WaitForTraceLine(copy_, "preference webrtc.ip_handling_policy ", 5s),
            "preference webrtc.ip_handling_policy value=disable_non_proxied_udp");

  Command(kSavePreferencesKey);
  HWND box = MessageBoxOf(*program);
  ASSERT_NE(box, nullptr) << "no result of saving the preferences";
  EXPECT_EQ(MessageBoxText(box), L"The preferences file was generated successfully");
  EXPECT_EQ(GetWindowThreadProcessId(box, nullptr), GetWindowThreadProcessId(window, nullptr))
      << "the result is shown on the main thread";
  DismissMessageBox(box);
  std::ifstream file(copy_.dir() / L"preferences.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  for (const char* line : {"webrtc.ip_handling_policy : disable_non_proxied_udp\r\n",
                           "webrtc.multiple_routes_enabled : False\r\n",
                           "webrtc.nonproxied_udp_enabled : False\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << " not in\n" << text;
  }

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program->WaitForExit(kStartTimeout), std::optional<DWORD>(0));
}

TEST_F(MainWindow, DelayedEngineTaskRunsOnTheEngineUIThreadNoEarlierThanAsked) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  HWND status_bar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  const auto asked = std::chrono::steady_clock::now();
  Command(kDelayedTaskKey);
  EXPECT_TRUE(WaitUntil([&] { return StatusBarPanelText(status_bar, 1) == L"ZoomPct : 100"; },
                        kStartTimeout))
      << "status: " << testing::PrintToString(StatusBarPanelText(status_bar, 1));
  EXPECT_GE(std::chrono::steady_clock::now() - asked, 500ms);
  const std::string task = WaitForTraceLine(copy_, "delayed-task ", 5s);
  ASSERT_EQ(task.rfind("delayed-task thread=ui delay=500 waited=", 0), 0u) << task;
  EXPECT_GE(std::stoi(task.substr(task.rfind('=') + 1)), 500);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program->WaitForExit(kStartTimeout), std::optional<DWORD>(0));
}

TEST_F(MainWindow, EngineNotReadyShowsStartingTextAndCloseEndsPromptly) {
  auto program = Launch(L"context-never");
  HWND window = program->WaitForWindow(kProductCaption, kStartTimeout);
  ASSERT_NE(window, nullptr);
  HWND status_bar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(status_bar, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return StatusBarPanelText(status_bar, 1) == kStartingText; }, 5s))
      << testing::PrintToString(StatusBarPanelText(status_bar, 1));
  EXPECT_EQ(SendMessageW(status_bar, SB_GETPARTS, 0, 0), 4);

  ASSERT_NE(WaitForTraceLine(copy_, "child-started type=utility", kStartTimeout), "");
  const auto processes = ProcessesOf(copy_.exe());
  EXPECT_EQ(processes.size(), 3u) << "the program with its GPU and utility processes";
  EXPECT_NE(std::find(processes.begin(), processes.end(), program->id()), processes.end());

  std::this_thread::sleep_for(1s);  // several retries of the browser's creation
  EXPECT_EQ(FindLine(copy_.TraceLines(), "after-created"), "");
  EXPECT_EQ(WindowText(window), kProductCaption) << "no page, no title change";
  EXPECT_EQ(StatusBarPanelText(status_bar, 1), kStartingText);

  const auto asked = std::chrono::steady_clock::now();
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program->WaitForExit(10s), std::optional<DWORD>(0))
      << "a close without a browser must not wait for one";
  EXPECT_LT(std::chrono::steady_clock::now() - asked, 5s);
  ExpectCleanEngineEnd(copy_.TraceLines());
  EXPECT_EQ(FindLine(copy_.TraceLines(), "create-browser result=1"), "");
  ExpectNoProcessLeft();
}

TEST_F(MainWindow, BrowserComesUpWhenTheEngineIsReadyLate) {
  auto program = Launch(L"context-never");  // until the command below
  HWND window = program->WaitForWindow(kProductCaption, kStartTimeout);
  ASSERT_NE(window, nullptr);
  HWND status_bar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(status_bar, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return StatusBarPanelText(status_bar, 1) == kStartingText; }, 5s))
      << testing::PrintToString(StatusBarPanelText(status_bar, 1));

  Command("context");
  ASSERT_NE(WaitForTraceLine(copy_, "load-end id=1", kStartTimeout), "")
      << "the browser was not created once the engine was ready";
  EXPECT_EQ(CountOf(copy_.TraceLines(), "create-browser result=1"), 1);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(window) == kCaption; }, 5s));

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program->WaitForExit(kStartTimeout), std::optional<DWORD>(0));
  ExpectCleanEngineEnd(copy_.TraceLines());
}

TEST_F(MainWindow, EngineWindowFillsTheHostAndFollowsResizes) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  HWND engine = FindDescendant(window, kEngineWindowClass);
  ASSERT_NE(engine, nullptr) << "no engine window inside the main window";
  HWND host = GetParent(engine);
  ASSERT_NE(host, window) << "the engine window must live in the host control";
  EXPECT_EQ(GetParent(host), window);
  HWND status_bar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(status_bar, nullptr);

  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 1184);
  EXPECT_EQ(client.bottom, 712);

  auto expect_filled = [&](const char* when) {
    SCOPED_TRACE(when);
    // The host takes the client area above the status bar (the other bars are hidden).
    EXPECT_TRUE(WaitUntil(
        [&] {
          RECT area = ClientScreenRect(window);
          area.bottom = ScreenRect(status_bar).top;
          return SameRect(ScreenRect(host), area);
        },
        5s))
        << "host " << Show(ScreenRect(host)) << ", client " << Show(ClientScreenRect(window))
        << ", status bar " << Show(ScreenRect(status_bar));
    EXPECT_TRUE(WaitUntil([&] { return SameRect(ScreenRect(engine), ClientScreenRect(host)); }, 5s))
        << "engine " << Show(ScreenRect(engine)) << ", host client "
        << Show(ClientScreenRect(host));
  };
  expect_filled("at start");
  for (const auto& [width, height] : {std::pair{800, 560}, std::pair{1220, 900}}) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    expect_filled(("resized to " + std::to_string(width) + "x" + std::to_string(height)).c_str());
  }
  EXPECT_EQ(GetParent(engine), host) << "the engine window must stay in its host";

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program->WaitForExit(kStartTimeout), std::optional<DWORD>(0));
}

TEST_F(MainWindow, CloseHidesAtOnceAndEndsAfterTheEngineProcesses) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);

  const CloseOutcome outcome = CloseAndWatch(*program, window);
  EXPECT_TRUE(outcome.hidden_while_running) << "the window must hide as soon as closing starts";
  EXPECT_TRUE(outcome.renderer_gone_before_window)
      << "the window closed before the page's renderer process had ended";
  EXPECT_EQ(outcome.exit_code, std::optional<DWORD>(0));

  const auto trace = copy_.TraceLines();
  ExpectCleanEngineEnd(trace);
  EXPECT_EQ(FindLine(trace, "do-close id=1"), "do-close id=1 force=1 result=1")
      << "the window must hold the engine's close until its host is gone";
  const int before_close = IndexOf(trace, "before-close id=1");
  EXPECT_GE(before_close, 0);
  EXPECT_GT(IndexOf(trace, "child-ended type=renderer"), before_close);
  ExpectNoProcessLeft();
}

TEST_F(MainWindow, RepeatedCloseDuringTheHandshakeChangesNothing) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);

  const CloseOutcome outcome = CloseAndWatch(*program, window, 2);
  EXPECT_TRUE(outcome.hidden_while_running);
  EXPECT_TRUE(outcome.renderer_gone_before_window)
      << "a repeated close request cut the wait for the engine short";
  EXPECT_EQ(outcome.exit_code, std::optional<DWORD>(0));

  const auto trace = copy_.TraceLines();
  ExpectCleanEngineEnd(trace);
  EXPECT_EQ(CountOf(trace, "do-close "), 1) << "the browser was asked to close more than once";
  EXPECT_EQ(CountOf(trace, "before-close "), 1);
  EXPECT_EQ(CountOf(trace, "shutdown "), 1);
  ExpectNoProcessLeft();
}

// A pop-up the page opens: a top-level engine window of its own.
HWND WaitForPopup(const Process& program, HWND main_window) {
  HWND popup = nullptr;
  WaitUntil(
      [&] {
        for (HWND candidate : program.VisibleWindows())
          if (candidate != main_window && ClassOf(candidate) == kEngineWindowClass)
            popup = candidate;
        return popup != nullptr;
      },
      5s);
  return popup;
}

// (Whether the pop-up got the program's icon cannot be checked from here: Wine answers
// WM_GETICON sent from another process with no icon.)
TEST_F(MainWindow, PopupLeavesTheMainWindowAlone) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(window) == kCaption; }, 5s));
  HWND engine = FindDescendant(window, kEngineWindowClass);
  ASSERT_NE(engine, nullptr);
  HWND host = GetParent(engine);

  Command("popup url=" + Address("/popup"));
  const std::string created = WaitForTraceLine(copy_, "after-created id=2", kStartTimeout);
  ASSERT_NE(created.find(" popup=1"), std::string::npos) << created;
  EXPECT_NE(WaitForPopup(*program, window), nullptr) << "no pop-up window appeared";
  EXPECT_NE(WaitForTraceLine(copy_, "load-end id=2", kStartTimeout), "");

  // The main window is untouched: same caption, same engine window filling the same host.
  std::this_thread::sleep_for(300ms);  // a wrong change would have arrived by now
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(WindowText(window), kCaption);
  EXPECT_EQ(FindDescendant(window, kEngineWindowClass), engine);
  EXPECT_EQ(GetParent(engine), host);
  EXPECT_TRUE(SameRect(ScreenRect(engine), ClientScreenRect(host)));

  // The pop-up closes the engine's way; the main browser stays and still works.
  Command("close browser=2");
  EXPECT_EQ(WaitForTraceLine(copy_, "do-close id=2", kStartTimeout),
            "do-close id=2 force=1 result=0")
      << "a pop-up's close must not be held back";
  EXPECT_NE(WaitForTraceLine(copy_, "before-close id=2", kStartTimeout), "");
  Command("load url=" + Address("/second"));
  EXPECT_NE(WaitForTraceLine(copy_, "title-change id=1 title=第二页", kStartTimeout), "");
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(FindDescendant(window, kEngineWindowClass), engine);

  const CloseOutcome outcome = CloseAndWatch(*program, window);
  EXPECT_EQ(outcome.exit_code, std::optional<DWORD>(0));
  ExpectCleanEngineEnd(copy_.TraceLines());
  ExpectNoProcessLeft();
}

TEST_F(MainWindow, CloseWithAPopupOpenEndsEveryBrowser) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  Command("popup url=" + Address("/popup"));
  ASSERT_NE(WaitForTraceLine(copy_, "load-end id=2", kStartTimeout), "");
  HWND popup = WaitForPopup(*program, window);
  ASSERT_NE(popup, nullptr);

  const CloseOutcome outcome = CloseAndWatch(*program, window);
  EXPECT_EQ(outcome.exit_code, std::optional<DWORD>(0));
  const auto trace = copy_.TraceLines();
  EXPECT_NE(FindLine(trace, "before-close id=2"), "")
      << "the pop-up's browser was still open when the engine shut down";
  ExpectCleanEngineEnd(trace);
  ExpectNoProcessLeft();
}

TEST_F(MainWindow, PopupClosingAfterTheMainBrowserStillEndsTheProgram) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  Command("popup url=" + Address("/popup"));
  ASSERT_NE(WaitForTraceLine(copy_, "load-end id=2", kStartTimeout), "");
  Command("hold-close browser=2");
  ASSERT_NE(WaitForTraceLine(copy_, "close-hold id=2", kStartTimeout), "");

  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_NE(WaitForTraceLine(copy_, "close-held id=2", kStartTimeout), "");
  ASSERT_NE(WaitForTraceLine(copy_, "before-close id=1", kStartTimeout), "");
  Command("release-close browser=2");
  EXPECT_EQ(program->WaitForExit(kSentinelTimeout), std::optional<DWORD>(0))
      << "the program did not end once the pop-up had closed after the main browser: "
      << testing::PrintToString(copy_.TraceLines());
  const auto trace = copy_.TraceLines();
  EXPECT_GT(IndexOf(trace, "before-close id=2"), IndexOf(trace, "before-close id=1"));
  ExpectCleanEngineEnd(trace);
  ExpectNoProcessLeft();
}

// The page's window.close() on the main browser: the program ends by itself, after the
// engine's processes.
TEST_F(MainWindow, PageClosingTheBrowserEndsTheProgramAfterTheEngineProcesses) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  HANDLE renderer_process = OpenRenderer();

  Command("close force=0");
  EXPECT_TRUE(RendererGoneBeforeWindow(renderer_process, window))
      << "the window closed before the page's renderer process had ended";
  if (renderer_process != nullptr) CloseHandle(renderer_process);
  EXPECT_EQ(program->WaitForExit(kStartTimeout), std::optional<DWORD>(0));
  const auto trace = copy_.TraceLines();
  EXPECT_EQ(FindLine(trace, "do-close id=1"), "do-close id=1 force=0 result=1");
  ExpectCleanEngineEnd(trace);
  ExpectNoProcessLeft();
}

TEST_F(MainWindow, CloseAfterThePageClosedTheBrowserStillWaitsForTheEngineProcesses) {
  auto program = Launch();
  HWND window = WaitForLoadedWindow(*program);
  ASSERT_NE(window, nullptr);
  // The page's window.close(), with a renderer slow to go: the sentinel is waiting for it.
  Command("hold-renderer-end");
  Command("close force=0");
  ASSERT_NE(WaitForTraceLine(copy_, "child-end-held type=renderer", kStartTimeout), "");
  ASSERT_TRUE(IsWindowVisible(window));

  const CloseOutcome outcome =
      CloseAndWatch(*program, window, 0, [&] { Command("release-renderer-end"); });
  EXPECT_TRUE(outcome.renderer_gone_before_window)
      << "the window closed before the page's renderer process had ended";
  EXPECT_EQ(outcome.exit_code, std::optional<DWORD>(0));
  const auto trace = copy_.TraceLines();
  EXPECT_GT(IndexOf(trace, "child-ended type=renderer"), IndexOf(trace, "before-close id=1"));
  ExpectCleanEngineEnd(trace);
  ExpectNoProcessLeft();
}

}  // namespace
}  // namespace e2e
