#ifndef OSTREL_TESTS_E2E_RUNNING_PROGRAM_H_
#define OSTREL_TESTS_E2E_RUNNING_PROGRAM_H_

// A test with the real program running on its start page, served by the test, and the stand-in's
// control commands at hand.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ostrel_config.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/http_server.h"

namespace e2e {

inline constexpr auto kStartTimeout = 30s;
// The sentinel's longest wait (about 2.6 s) and the engine's shutdown, with room to spare.
inline constexpr auto kSentinelTimeout = 10s;
inline const std::wstring kProductCaption = L"Ostrel-Mini版";
inline const std::wstring kCaption = kProductCaption + L"(x64) - " + OSTREL_VERSION;
inline const std::wstring kStartingText = L"启动中，请等待...";
inline constexpr wchar_t kEngineWindowClass[] = L"CefBrowserWindow";

// Polls `done` until it holds; false when `timeout` passed first.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
std::wstring ClassOf(HWND window);
// Every window below `parent` that is `wanted`, in the system's order.
std::vector<HWND> Descendants(HWND parent, const std::function<bool(HWND)>& wanted);
// The first window of class `class_name` below `parent`; nullptr when none.
HWND FindDescendant(HWND parent, const std::wstring& class_name);
// Index of the first line starting with `prefix`; -1 when there is none.
int IndexOf(const std::vector<std::string>& lines, const std::string& prefix);
int CountOf(const std::vector<std::string>& lines, const std::string& prefix);
// The engine ended in order: every sub-process seen to end before shutdown, nothing killed,
// nothing left referenced and no call the real engine would refuse.
void ExpectCleanEngineEnd(const std::vector<std::string>& trace);
std::string PageWithTitle(const std::string& title);
// A visible top-level window of `program` of class `class_name` ("#32770": a message box or a
// system dialog, "#32768": an open menu); nullptr when none came in time.
HWND WaitForWindowOfClass(const Process& program, const std::wstring& class_name,
                          std::chrono::milliseconds timeout = kStartTimeout);

class RunningProgram : public testing::Test {
 protected:
  using Pages = std::map<std::string, HttpServer::Reply>;
  // `pages` are served besides the start page.
  explicit RunningProgram(Pages pages = {});

  void SetUp() override {
    if (start_.port == 0) GTEST_SKIP() << "the start address is not a loopback HTTP address";
    ASSERT_NE(server_.port(), 0) << "the test's web server could not listen";
    std::ofstream(control_file_).flush();
  }

  std::unique_ptr<Process> Launch(const std::wstring& fault = L"",
                                  const std::wstring& arguments = L"") {
    LaunchOptions options{.arguments = arguments, .trace_file = copy_.trace(), .fault = fault};
    options.environment = {{L"OSTREL_STANDIN_PORT_MAP",
                            std::to_wstring(start_.port) + L"=" + std::to_wstring(server_.port())},
                           {L"OSTREL_STANDIN_CONTROL", control_file_.wstring()}};
    options.environment.insert(options.environment.end(), environment_.begin(), environment_.end());
    return std::make_unique<Process>(exe_, options);
  }

  // Has the engine raise what a page or user would: one control command.
  void Command(const std::string& line) {
    std::ofstream(control_file_, std::ios::app) << line << "\n";
  }

  std::string Address(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(start_.port) + path;
  }

  // The main window once the start page has loaded.
  HWND WaitForLoadedWindow(const Process& program) {
    HWND window = program.WaitForWindow(kProductCaption, kStartTimeout);
    EXPECT_NE(window, nullptr) << "the main window did not appear";
    EXPECT_NE(WaitForTraceLine(copy_, "load-end id=1", kStartTimeout), "")
        << "the start page did not load";
    return window;
  }

  struct CloseOutcome {
    bool hidden_while_running = false;
    bool renderer_gone_before_window = false;
    std::optional<DWORD> exit_code;
  };

  // The main browser's renderer process, to see when it ends; the caller closes the handle.
  HANDLE OpenRenderer() {
    const std::string renderer =
        WaitForTraceLine(copy_, "child-started type=renderer pid=", kStartTimeout);
    const DWORD renderer_pid =
        renderer.empty() ? 0 : std::stoul(renderer.substr(renderer.rfind('=') + 1));
    HANDLE renderer_process = OpenProcess(SYNCHRONIZE, FALSE, renderer_pid);
    EXPECT_NE(renderer_process, nullptr) << "the page's renderer process is not running";
    return renderer_process;
  }

  // Waits for the window to go and tells whether the renderer had ended by then.
  static bool RendererGoneBeforeWindow(HANDLE renderer_process, HWND window) {
    return WaitUntil([&] { return !IsWindow(window); }, kStartTimeout) &&
           renderer_process != nullptr && WaitForSingleObject(renderer_process, 0) == WAIT_OBJECT_0;
  }

  // Posts WM_CLOSE (plus `repeats` more while the handshake runs) and watches the program end;
  // `while_hidden` runs once the window has hidden.
  CloseOutcome CloseAndWatch(Process& program, HWND window, int repeats = 0,
                             const std::function<void()>& while_hidden = {}) {
    CloseOutcome outcome;
    HANDLE renderer_process = OpenRenderer();
    PostMessageW(window, WM_CLOSE, 0, 0);
    outcome.hidden_while_running =
        WaitUntil([&] { return !IsWindowVisible(window); }, 1s) && program.Running();
    if (while_hidden) while_hidden();
    if (repeats > 0) PostMessageW(window, WM_CLOSE, 0, 0);
    if (repeats > 1) {
      EXPECT_NE(WaitForTraceLine(copy_, "before-close id=1", kStartTimeout), "");
      PostMessageW(window, WM_CLOSE, 0, 0);
    }
    // The window goes for real only once the engine has let the browser's processes end.
    outcome.renderer_gone_before_window = RendererGoneBeforeWindow(renderer_process, window);
    if (renderer_process != nullptr) CloseHandle(renderer_process);
    outcome.exit_code = program.WaitForExit(kStartTimeout);
    return outcome;
  }

  void ExpectNoProcessLeft() {
    EXPECT_TRUE(WaitUntil([&] { return ProcessesOf(exe_).empty(); }, 5s))
        << ProcessesOf(exe_).size() << " process(es) of the program still run";
  }

  // The folder of the program Launch starts.
  fs::path ProgramFolder() const { return exe_.parent_path(); }

  const StartAddress start_ = LoopbackStartAddress();
  HttpServer server_;
  // Starts the program; `program_` and `window_` hold it once its start page has loaded.
  void Start() {
    program_ = Launch();
    window_ = WaitForLoadedWindow(*program_);
    ASSERT_NE(window_, nullptr);
  }

  // Closes the program Start() started as a user would, and waits for it to end.
  void CloseStarted() {
    if (program_ == nullptr || window_ == nullptr) return;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_->WaitForExit(kStartTimeout).has_value()) << "the program did not end";
  }

  ProgramCopy copy_;
  // The program Launch starts: the copy's, unless a test installs one elsewhere.
  fs::path exe_ = copy_.exe();
  const fs::path control_file_ = copy_.dir() / L"standin-control.txt";
  // Further variables for the programs Launch starts.
  std::vector<std::pair<std::wstring, std::wstring>> environment_;
  std::unique_ptr<Process> program_;  // ended before the copy and the server go
  HWND window_ = nullptr;
};

}  // namespace e2e

#endif  // OSTREL_TESTS_E2E_RUNNING_PROGRAM_H_
