#ifndef OSTREL_TESTS_UNIT_CHROMIUM_TEST_SUPPORT_H_
#define OSTREL_TESTS_UNIT_CHROMIUM_TEST_SUPPORT_H_

// The browser control against the stand-in engine started in the test process as the program
// starts it (GlobalCEFApp, StartMainProcess, multi-threaded message loop, no sub-processes),
// with a trace file, the stand-in's test-hook commands and a recorder of the control's events.
// The program starts the engine once per process, and so does each of these tests: CTest runs
// every test case in a process of its own.

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "browser/chromium.h"
#include "engine/refs/cef_browser_ref.h"
#include "tests/unit/engine_test_support.h"
#include "tests/unit/standin_browser_support.h"
#include "ui/application.h"
#include "ui/ui_task.h"

namespace chromium_test {

using standin_test::PumpUntil;

// Thread-safe list of "what" lines, each with the thread it came from.
class EventLog {
 public:
  void Add(const std::string& what) {
    const std::lock_guard<std::mutex> hold(FLock);
    FEvents.push_back(what);
    FThreads.push_back(GetCurrentThreadId());
  }
  std::vector<std::string> All() const {
    const std::lock_guard<std::mutex> hold(FLock);
    return FEvents;
  }
  // Lines starting with `prefix`.
  std::vector<std::string> Of(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& e : All())
      if (e.rfind(prefix, 0) == 0) found.push_back(e);
    return found;
  }
  DWORD ThreadOf(const std::string& prefix) const {
    const std::lock_guard<std::mutex> hold(FLock);
    for (size_t i = 0; i < FEvents.size(); ++i)
      if (FEvents[i].rfind(prefix, 0) == 0) return FThreads[i];
    return 0;
  }
  // Pumps this thread's messages until `count` lines start with `prefix`.
  bool WaitFor(const std::string& prefix, size_t count = 1, int ms = 10000) const {
    return PumpUntil([&] { return Of(prefix).size() >= count; }, ms);
  }

 private:
  mutable std::mutex FLock;
  std::vector<std::string> FEvents;
  std::vector<DWORD> FThreads;
};

inline int IdOf(const CefRefPtr<ICefBrowser>& browser) {
  return browser ? browser->GetIdentifier() : 0;
}

// The engine's test-hook command (standin/README.md), run on its threads.
inline bool Command(const std::string& line) {
  auto run = standin_test::Resolve<standin_command_func>(GetModuleHandleW(L"libcef.dll"),
                                                         "standin_command");
  return run != nullptr && run(line.c_str()) == 1;
}

// A started engine and a control. The control goes first at the end (closing a browser it still
// has), then the engine shuts down and must have no object left alive.
class ChromiumWithEngine : public ::testing::Test {
 protected:
  void TearDown() override {
    if (chromium && chromium->HasBrowser()) {
      chromium->OnClose = nullptr;  // the engine closes the window at once
      chromium->CloseBrowser(true);
      EXPECT_TRUE(PumpUntil([&] { return !chromium->HasBrowser(); }));
    }
    chromium.reset();
    app.reset();
    if (trace) {
      const auto shutdown = trace->Lines("shutdown ");
      ASSERT_FALSE(shutdown.empty());
      EXPECT_EQ("shutdown live=0", shutdown.back()) << ::testing::PrintToString(trace->Lines());
      for (const char* fault : {"leak ", "overrelease ", "use-after-release ", "misuse "})
        EXPECT_TRUE(trace->Lines(fault).empty()) << ::testing::PrintToString(trace->Lines(fault));
    }
    SetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", nullptr);
  }

  // Starts the engine with the stand-in's `faults` (e.g. "context-late=1500").
  void StartEngine(const wchar_t* faults = L"") {
    SetEnvironmentVariableW(L"OSTREL_STANDIN_CHILDREN", L"off");
    trace = std::make_unique<standin_test::TraceFile>(faults);
    app = std::make_unique<engine_test::RecordingApplication>();
    const std::wstring bin = standin_test::BinDir();
    app->SetFrameworkDirPath(bin);
    app->SetResourcesDirPath(bin);
    app->SetLocalesDirPath(bin + L"\\locales");
    ASSERT_TRUE(app->StartMainProcess()) << ::testing::PrintToString(app->messages.size());
    ASSERT_EQ(GetModuleHandleW(L"libcef.dll"), standin_test::Engine().module)
        << "the program and the test hooks must talk to one engine";
  }

  bool WaitForContext(int ms = 10000) {
    return PumpUntil([&] { return app->GlobalContextInitialized(); }, ms);
  }

  // The control with the life-span events recorded.
  void MakeChromium() {
    chromium = std::make_unique<TChromium>();
    chromium->OnAfterCreated = [this](TChromium&, Ref browser) {
      log.Add("after-created " + std::to_string(IdOf(browser)));
    };
    chromium->OnClose = [this](TChromium&, Ref browser, TCefCloseBrowserAction& action) {
      log.Add("close " + std::to_string(IdOf(browser)));
      action = closeAction;
    };
    chromium->OnBeforeClose = [this](TChromium&, Ref browser) {
      log.Add("before-close " + std::to_string(IdOf(browser)));
    };
  }

  // Creates the browser in `parent` and waits until it is the control's main browser.
  bool CreateAndWait() {
    RECT rect{0, 0, 400, 300};
    if (!chromium->CreateBrowser(parent.get(), rect)) return false;
    return PumpUntil([&] { return chromium->Initialized(); });
  }

  using Ref = const CefRefPtr<ICefBrowser>&;

  std::unique_ptr<standin_test::TraceFile> trace;
  std::unique_ptr<engine_test::RecordingApplication> app;
  standin_test::ParentWindow parent;
  std::unique_ptr<TChromium> chromium;
  EventLog log;
  std::atomic<TCefCloseBrowserAction> closeAction{cbaClose};
};

// A control whose main browser is up and has loaded its default address (set it in
// BeforeCreate; about:blank otherwise). Events are recorded in `log` by the test.
class ChromiumWithBrowser : public ChromiumWithEngine {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Application().Initialize());
    StartEngine();
    ASSERT_TRUE(WaitForContext());
    MakeChromium();
    chromium->OnLoadEnd = [this](TChromium&, Ref, const CefRefPtr<ICefFrame>&, int status) {
      log.Add("load-end " + std::to_string(status));
    };
    BeforeCreate();
    ASSERT_TRUE(CreateAndWait());
    ASSERT_TRUE(log.WaitFor("load-end"));
  }
  void TearDown() override {
    ChromiumWithEngine::TearDown();
    uitask::Destroy();
  }
  virtual void BeforeCreate() {}

  // Loads `url` into the main frame and waits for its load to end.
  bool Load(const std::wstring& url) {
    const size_t ends = log.Of("load-end").size();
    chromium->LoadURL(url);
    return log.WaitFor("load-end", ends + 1);
  }
};

}  // namespace chromium_test

#endif  // OSTREL_TESTS_UNIT_CHROMIUM_TEST_SUPPORT_H_
