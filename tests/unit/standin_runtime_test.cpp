// The stand-in engine's run: initialisation with the app's callbacks, the faults, the engine
// threads and their tasks, the log file, and the shutdown report of leaked and over-released
// objects. The tests play the program's part with fake program objects.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <mutex>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/unit/fake_engine_object.h"
#include "tests/unit/standin_test_support.h"

namespace {

using standin_test::Borrow;
using standin_test::Engine;
using standin_test::TakeUserFree;
using standin_test::TraceFile;

// The program's side: an app with a browser-process handler, reachable from the callbacks.
struct TestApp {
  FakeEngineObject<cef_app_t> app;
  FakeEngineObject<cef_browser_process_handler_t> handler;
  HANDLE context_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> context_calls{0};
  std::atomic<bool> context_on_ui{false};
  cef_command_line_t* kept_command_line = nullptr;  // one reference, taken in the callback

  TestApp();
  ~TestApp() { CloseHandle(context_event); }
};

TestApp* current_app = nullptr;

void CEF_CALLBACK OnBeforeCommandLineProcessing(cef_app_t*, const cef_string_t* process_type,
                                                cef_command_line_t* command_line) {
  EXPECT_EQ(0u, process_type->length);
  EXPECT_EQ(0, command_line->is_read_only(command_line));
  const std::wstring flag = L"--disable-gpu", name = L"--enable-media-stream", value = L"1";
  cef_string_t f = Borrow(flag), n = Borrow(name), v = Borrow(value);
  command_line->append_switch(command_line, &f);
  command_line->append_switch_with_value(command_line, &n, &v);
  current_app->kept_command_line = command_line;  // keeps the reference it came with
}

cef_browser_process_handler_t* CEF_CALLBACK GetBrowserProcessHandler(cef_app_t*) {
  FakeEngineObject<cef_browser_process_handler_t>::AddRef(current_app->handler.Base());
  return current_app->handler.Get();
}

void CEF_CALLBACK OnContextInitialized(cef_browser_process_handler_t*) {
  current_app->context_on_ui = Engine().cef_currently_on(TID_UI) != 0;
  ++current_app->context_calls;
  SetEvent(current_app->context_event);
}

TestApp::TestApp() {
  app.Get()->on_before_command_line_processing = &OnBeforeCommandLineProcessing;
  app.Get()->get_browser_process_handler = &GetBrowserProcessHandler;
  handler.Get()->on_context_initialized = &OnContextInitialized;
  current_app = this;
}

cef_settings_t Settings(const std::wstring& log_file = L"",
                        cef_log_severity_t severity = LOGSEVERITY_DISABLE) {
  cef_settings_t settings{};
  settings.size = sizeof settings;
  settings.no_sandbox = 1;
  settings.multi_threaded_message_loop = 1;
  settings.log_file = Borrow(log_file);
  settings.log_severity = severity;
  return settings;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Hands the app to cef_initialize with one added reference, as the program does.
int Initialize(TestApp& test, const cef_settings_t& settings) {
  FakeEngineObject<cef_app_t>::AddRef(test.app.Base());
  return Engine().cef_initialize(nullptr, &settings, test.app.Get(), nullptr);
}

// Polls `done` until it holds, 5 s at most; true when it held.
bool WaitUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    Sleep(5);
  }
  return true;
}

// A task recording the order and thread of its runs in a shared log.
struct TestTask {
  FakeEngineObject<cef_task_t> task;  // first: the engine structure's address is the task's
  std::string name;
  static inline std::mutex lock;
  static inline std::vector<std::string> runs;

  static std::vector<std::string> Runs() {
    std::lock_guard<std::mutex> guard(lock);
    return runs;
  }

  explicit TestTask(std::string task_name) : name(std::move(task_name)) {
    task.Get()->execute = [](cef_task_t* self) {
      auto* owner = reinterpret_cast<TestTask*>(self);
      std::lock_guard<std::mutex> guard(lock);
      runs.push_back(owner->name + (Engine().cef_currently_on(TID_IO) ? "@io" : "@other"));
    };
  }
  // A pointer with one added reference, as the program posts it.
  cef_task_t* Give() {
    FakeEngineObject<cef_task_t>::AddRef(task.Base());
    return task.Get();
  }
};

TEST(StandinRuntime, BrowserProcessStartsAndShutsDownCleanly) {
  TraceFile trace;
  TestApp test;
  EXPECT_EQ(-1, Engine().cef_execute_process(nullptr, test.app.Get(), nullptr));  // consumes it
  EXPECT_EQ(0, test.app.refs.load());
  test.app.refs = 1;

  const std::wstring log = L"debug.log";
  ASSERT_EQ(1, Initialize(test, Settings(log, LOGSEVERITY_DISABLE)));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(test.context_event, 5000));
  EXPECT_TRUE(test.context_on_ui);
  ASSERT_NE(nullptr, test.kept_command_line);
  EXPECT_EQ(0, test.kept_command_line->is_valid(test.kept_command_line));  // after its callback
  test.kept_command_line->base.release(&test.kept_command_line->base);

  cef_command_line_t* global = Engine().cef_command_line_get_global();
  EXPECT_EQ(1, global->is_read_only(global));
  const std::wstring name = L"enable-media-stream";
  cef_string_t key = Borrow(name);
  EXPECT_EQ(L"1", TakeUserFree(global->get_switch_value(global, &key)));
  global->base.release(&global->base);

  Engine().cef_shutdown();
  EXPECT_EQ(1, test.context_calls.load());
  EXPECT_EQ(1, test.app.refs.load());  // only the test's own reference is left
  EXPECT_EQ(1, test.handler.refs.load());
  const auto lines = trace.Lines();
  EXPECT_TRUE(Contains(lines, "execute-process result=-1"));
  ASSERT_EQ(1u, trace.Lines("settings ").size());
  EXPECT_NE(std::string::npos,
            trace.Lines("settings ")[0].find(" log_file=debug.log log_severity=99 "));
  EXPECT_EQ((std::vector<std::string>{"switch --disable-gpu", "switch --enable-media-stream=1"}),
            trace.Lines("switch "));
  EXPECT_TRUE(Contains(lines, "app get_browser_process_handler result=object"));
  EXPECT_TRUE(Contains(lines, "context-initialized thread=ui"));
  EXPECT_TRUE(Contains(lines, "initialize result=1"));
  EXPECT_EQ("shutdown live=0", lines.back());
}

TEST(StandinRuntime, WrongSettingsSizeFailsAndReleasesTheApp) {
  TraceFile trace;
  TestApp test;
  cef_settings_t settings = Settings();
  settings.size = 400;
  EXPECT_EQ(0, Initialize(test, settings));
  EXPECT_EQ(1, test.app.refs.load());
  EXPECT_EQ(0, Engine().cef_currently_on(TID_UI));
}

TEST(StandinRuntime, InitFailFault) {
  TraceFile trace(L"init-fail");
  TestApp test;
  EXPECT_EQ(0, Initialize(test, Settings()));
  EXPECT_EQ(1, test.app.refs.load());
  EXPECT_EQ(1u, trace.Lines("fault init-fail").size());
  EXPECT_EQ(1u, trace.Lines("initialize result=0").size());
}

TEST(StandinRuntime, ContextLateAndContextNeverFaults) {
  {
    TraceFile trace(L"context-late=400");
    TestApp test;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(1, Initialize(test, Settings()));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(test.context_event, 5000));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(350));
    test.kept_command_line->base.release(&test.kept_command_line->base);
    Engine().cef_shutdown();
  }
  {
    TraceFile trace(L"context-never");
    TestApp test;
    ASSERT_EQ(1, Initialize(test, Settings()));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(test.context_event, 300));
    test.kept_command_line->base.release(&test.kept_command_line->base);
    Engine().cef_shutdown();
    EXPECT_EQ(0, test.context_calls.load());
    EXPECT_EQ(1, test.handler.refs.load());
    EXPECT_EQ(0u, trace.Lines("context-initialized").size());
  }
}

TEST(StandinRuntime, TasksRunInDueOrderOnTheirThread) {
  TraceFile trace;
  TestApp test;
  TestTask before("before");
  EXPECT_EQ(0, Engine().cef_post_task(TID_IO, before.Give()));  // no engine yet
  EXPECT_EQ(1, before.task.refs.load());

  ASSERT_EQ(1, Initialize(test, Settings()));
  TestTask a("a"), b("b"), c("c"), d("d"), never("never");
  TestTask::runs.clear();
  EXPECT_EQ(1, Engine().cef_post_delayed_task(TID_IO, a.Give(), 300));
  EXPECT_EQ(1, Engine().cef_post_task(TID_IO, b.Give()));
  EXPECT_EQ(1, Engine().cef_post_delayed_task(TID_IO, c.Give(), 100));
  EXPECT_EQ(1, Engine().cef_post_task(TID_IO, d.Give()));
  EXPECT_EQ(1, Engine().cef_post_delayed_task(TID_IO, never.Give(), 60000));
  EXPECT_EQ(0, Engine().cef_post_task(TID_RENDERER, before.Give()));  // not in this process
  ASSERT_TRUE(WaitUntil([] { return TestTask::Runs().size() >= 4; }));
  EXPECT_EQ((std::vector<std::string>{"b@io", "d@io", "c@io", "a@io"}), TestTask::Runs());
  EXPECT_TRUE(WaitUntil([&] { return a.task.refs.load() == 1; }));  // released after running
  EXPECT_EQ(2, never.task.refs.load());
  test.kept_command_line->base.release(&test.kept_command_line->base);
  Engine().cef_shutdown();
  EXPECT_EQ(1, never.task.refs.load());  // dropped unrun at shutdown
  EXPECT_EQ(1, before.task.refs.load());
}

TEST(StandinRuntime, TaskRunnersPostToTheirThread) {
  TraceFile trace;
  TestApp test;
  ASSERT_EQ(1, Initialize(test, Settings()));
  EXPECT_EQ(nullptr, Engine().cef_task_runner_get_for_current_thread());  // not an engine thread
  cef_task_runner_t* runner = Engine().cef_task_runner_get_for_thread(TID_IO);
  ASSERT_NE(nullptr, runner);
  EXPECT_EQ(1, runner->belongs_to_thread(runner, TID_IO));
  EXPECT_EQ(0, runner->belongs_to_current_thread(runner));
  TestTask task("runner");
  TestTask::runs.clear();
  EXPECT_EQ(1, runner->post_task(runner, task.Give()));
  ASSERT_TRUE(WaitUntil([] { return !TestTask::Runs().empty(); }));
  EXPECT_EQ((std::vector<std::string>{"runner@io"}), TestTask::Runs());
  runner->base.release(&runner->base);
  test.kept_command_line->base.release(&test.kept_command_line->base);
  Engine().cef_shutdown();
  EXPECT_EQ("shutdown live=0", trace.Lines().back());
}

TEST(StandinRuntime, ShutdownReportsLeaksAndOverReleases) {
  TraceFile trace;
  TestApp test;
  ASSERT_EQ(1, Initialize(test, Settings()));
  cef_command_line_t* leaked = Engine().cef_command_line_get_global();
  Engine().cef_shutdown();  // the kept callback argument and `leaked` are still referenced
  EXPECT_EQ(1u, trace.Lines("shutdown live=2").size());
  EXPECT_EQ(2u, trace.Lines("leak command_line").size());
  EXPECT_EQ(0, leaked->base.release(&leaked->base));
  EXPECT_EQ(0, leaked->base.release(&leaked->base));  // one too many
  EXPECT_EQ(1u, trace.Lines("overrelease command_line").size());
  test.kept_command_line->base.release(&test.kept_command_line->base);
}

TEST(StandinRuntime, LogFileHonoursTheSeverity) {
  TraceFile trace;
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring log = std::wstring(folder) + L"standin_log_test.log";
  DeleteFileW(log.c_str());
  Engine().cef_log("before.cc", 1, 2, "not written: no log file before initialisation");

  TestApp test;
  ASSERT_EQ(1, Initialize(test, Settings(log, LOGSEVERITY_WARNING)));
  EXPECT_EQ(1, Engine().cef_get_min_log_level());
  Engine().cef_log("C:\\src\\dropped.cc", 3, 0, "info is below warning");
  Engine().cef_log("C:\\src\\kept.cc", 12, 2, "error text");
  test.kept_command_line->base.release(&test.kept_command_line->base);
  Engine().cef_shutdown();
  Engine().cef_log("after.cc", 1, 2, "not written: the log is closed");

  std::ifstream in(log.c_str());
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  in.close();
  DeleteFileW(log.c_str());
  ASSERT_EQ(1u, lines.size());
  EXPECT_TRUE(std::regex_match(
      lines[0], std::regex(R"(\[\d{4}/\d{6}\.\d{3}:ERROR:kept\.cc\(12\)\] error text)")))
      << lines[0];
}

}  // namespace
