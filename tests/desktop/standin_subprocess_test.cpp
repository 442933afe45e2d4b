// The stand-in engine's sub-processes: after initialisation the browser process starts the GPU
// and utility processes (the program file again with --type=...), and cef_shutdown ends them.
// A sub-process also ends when its browser process is gone.
//
// The sub-processes are off in the test programs (tests/support/standin_children_off.cpp)
// unless a test points them at OstrelMini.exe.

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/unit/standin_browser_support.h"

namespace {

using standin_test::BinDir;
using standin_test::Engine;
using standin_test::FakeProgram;
using standin_test::PumpUntil;
using standin_test::TraceFile;

// Points the stand-in's sub-processes at OstrelMini.exe for one test.
class ProgramChildren {
 public:
  ProgramChildren() {
    const std::wstring program = BinDir() + L"\\OstrelMini.exe";
    SetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", program.c_str());
  }
  ~ProgramChildren() { SetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", L"off"); }
};

int RunningChildren() {
  auto count = standin_test::Resolve<standin_running_children_func>(Engine().module,
                                                                    "standin_running_children");
  return count ? count() : -1;
}

DWORD PidOf(const std::string& line) {
  const size_t at = line.find(" pid=");
  return at == std::string::npos ? 0 : static_cast<DWORD>(std::stoul(line.substr(at + 5)));
}

bool Running(DWORD pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!process) return false;
  const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return running;
}

TEST(StandinSubprocesses, GpuAndUtilityRunUntilShutdown) {
  TraceFile trace;
  ProgramChildren children;
  FakeProgram program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(PumpUntil([] { return RunningChildren() == 2; }, 10000))
      << ::testing::PrintToString(trace.Lines());
  const auto started = trace.Lines("child-started ");
  ASSERT_EQ(2u, started.size()) << ::testing::PrintToString(trace.Lines());
  EXPECT_EQ(0u, started[0].find("child-started type=gpu-process pid="));
  EXPECT_EQ(0u, started[1].find("child-started type=utility pid="));
  for (const auto& line : started) EXPECT_TRUE(Running(PidOf(line))) << line;
  {
    // The program sees each child's command line before the launch.
    std::lock_guard<std::mutex> guard(program.lock);
    EXPECT_EQ((std::vector<std::string>{"gpu-process", "utility"}), program.child_launches);
  }

  program.Stop();
  EXPECT_EQ(0, RunningChildren());
  for (const auto& line : started) EXPECT_FALSE(Running(PidOf(line))) << line;
  const auto ended = trace.Lines("child-ended ");
  EXPECT_EQ(2u, ended.size());
  EXPECT_TRUE(trace.Lines("child-killed").empty())
      << "children must end when told: " << ::testing::PrintToString(trace.Lines());
  // The children ran the program's sub-process path and traced their own end.
  EXPECT_EQ(1u, trace.Lines("process type=gpu-process exit=0").size());
  EXPECT_EQ(1u, trace.Lines("process type=utility exit=0").size());
  EXPECT_EQ("shutdown live=0", trace.Lines("shutdown ").back());
}

TEST(StandinSubprocesses, OffStartsNone) {
  TraceFile trace;
  FakeProgram program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(PumpUntil([&] { return trace.Lines("child-skipped").size() == 2; }, 5000));
  EXPECT_EQ(0, RunningChildren());
  program.Stop();
  EXPECT_TRUE(trace.Lines("child-started").empty());
}

TEST(StandinSubprocesses, ChildEndsWhenItsParentIsGone) {
  // A stand-in "parent": a process that never runs (created suspended), then killed.
  const std::wstring program = BinDir() + L"\\OstrelMini.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION parent{};
  std::wstring parent_line = L"\"" + program + L"\"";
  ASSERT_TRUE(CreateProcessW(program.c_str(), parent_line.data(), nullptr, nullptr, FALSE,
                             CREATE_SUSPENDED, nullptr, nullptr, &startup, &parent));
  std::wstring child_line = L"\"" + program + L"\" --type=utility --standin-parent=" +
                            std::to_wstring(parent.dwProcessId);
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), child_line.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &startup, &child));
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(child.hProcess, 1500)) << "ended too early";
  TerminateProcess(parent.hProcess, 0);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child.hProcess, 10000));
  for (HANDLE handle : {parent.hThread, parent.hProcess, child.hThread, child.hProcess}) {
    CloseHandle(handle);
  }
}

}  // namespace

namespace {

using standin_test::Borrow;
using standin_test::BrowserSettings;
using standin_test::ChildWindowInfo;
using standin_test::FakeClient;
using standin_test::ParentWindow;
using standin_test::Release;

TEST(StandinSubprocesses, EachBrowserHasARendererThatEndsAfterItCloses) {
  TraceFile trace;
  ProgramChildren children;
  FakeProgram program;
  ASSERT_TRUE(program.Start());
  FakeClient client;
  ParentWindow parent;
  cef_window_info_t info = ChildWindowInfo(parent.get(), 200, 100);
  cef_browser_settings_t settings = BrowserSettings();
  const std::wstring url = L"about:blank";
  cef_string_t address = Borrow(url);
  ASSERT_EQ(1, Engine().cef_browser_host_create_browser(&info, client.client.Give(), &address,
                                                        &settings, nullptr, nullptr));
  ASSERT_TRUE(PumpUntil([&] { return trace.Lines("child-started type=renderer").size() == 1; }));
  const DWORD renderer = PidOf(trace.Lines("child-started type=renderer")[0]);
  EXPECT_TRUE(Running(renderer));

  cef_browser_t* browser = client.browser.load();
  cef_browser_host_t* host = browser->get_host(browser);
  host->close_browser(host, 1);
  Release(host);
  ASSERT_TRUE(client.WaitFor("before-close"));
  EXPECT_TRUE(PumpUntil([&] { return trace.Lines("child-ended type=renderer").size() == 1; }));
  EXPECT_FALSE(Running(renderer));
  EXPECT_EQ(2, RunningChildren()) << "the GPU and utility processes stay";
  program.Stop();
  EXPECT_EQ(0, RunningChildren());
}

}  // namespace
