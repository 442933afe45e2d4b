// The application callback object and its browser-process handler, driven through their engine
// structures the way the engine calls them (no engine library needed).

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/application/cef_app_own.h"
#include "engine/application/cef_application.h"
#include "engine/core/cef_string.h"
#include "tests/unit/fake_engine_object.h"

namespace {

using FakeCommandLine = FakeEngineObject<cef_command_line_t>;

// Switches appended to any fake command line of this file, in order.
std::vector<std::wstring> g_switches;

void CEF_CALLBACK RecordSwitch(cef_command_line_t*, const cef_string_t* name) {
  g_switches.push_back(CopyEngineString(name));
}

void CEF_CALLBACK RecordSwitchWithValue(cef_command_line_t*, const cef_string_t* name,
                                        const cef_string_t* value) {
  g_switches.push_back(CopyEngineString(name) + L"=" + CopyEngineString(value));
}

struct RecordingCommandLine : FakeCommandLine {
  RecordingCommandLine() {
    data.append_switch = RecordSwitch;
    data.append_switch_with_value = RecordSwitchWithValue;
    g_switches.clear();
  }
};

// A process's application object and its application callback object, as seen by the engine.
class AppCallbacks : public ::testing::Test {
 protected:
  void Start(const std::vector<std::wstring>& arguments) {
    ASSERT_EQ(GlobalCEFApp, nullptr);
    FCefApp = std::make_unique<TCefApplication>(arguments);
    FCefApp->OnContextInitialized = [this] { ++FContextEvents; };
    FApp = MakeRefCounted<TCustomCefApp>(FCefApp.get());
    FData = static_cast<cef_app_t*>(EngineDataFromInterface(FApp));  // the engine's reference
  }

  void TearDown() override {
    if (FData != nullptr) FData->base.release(&FData->base);
    FApp.reset();
    FCefApp.reset();
  }

  std::unique_ptr<TCefApplication> FCefApp;
  CefRefPtr<TCustomCefApp> FApp;
  cef_app_t* FData = nullptr;
  int FContextEvents = 0;
};

TEST_F(AppCallbacks, BrowserProcessGetsAHandlerThatReportsTheContext) {
  Start({});
  cef_browser_process_handler_t* handler = FData->get_browser_process_handler(FData);
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(handler->base.size, 80u);
  EXPECT_FALSE(FCefApp->GlobalContextInitialized());

  handler->on_context_initialized(handler);
  EXPECT_TRUE(FCefApp->GlobalContextInitialized());
  EXPECT_EQ(FContextEvents, 1);

  // The getter handed over one reference; the application object keeps its own.
  EXPECT_EQ(handler->base.release(&handler->base), 1);
  EXPECT_EQ(FData->get_browser_process_handler(FData), handler);
  EXPECT_EQ(handler->base.release(&handler->base), 1);
}

TEST_F(AppCallbacks, SubProcessGetsNoHandler) {
  Start({L"--type=renderer"});
  EXPECT_EQ(FData->get_browser_process_handler(FData), nullptr);
  EXPECT_EQ(FData->get_render_process_handler(FData), nullptr);
  EXPECT_EQ(FData->get_resource_bundle_handler(FData), nullptr);
}

TEST_F(AppCallbacks, CommandLineReferenceIsReleasedAfterTheCall) {
  Start({});
  RecordingCommandLine line;
  const ustring browser_type;
  const cef_string_t type = BorrowEngineString(browser_type);
  FData->on_before_command_line_processing(FData, &type, line.Get());
  EXPECT_EQ(line.refs, 0);
  EXPECT_EQ(line.add_ref_calls, 0);

  RecordingCommandLine without_type;
  FData->on_before_command_line_processing(FData, nullptr, without_type.Get());
  EXPECT_EQ(without_type.refs, 0);
  FData->on_before_command_line_processing(FData, nullptr, nullptr);
}

TEST_F(AppCallbacks, SubProcessAddsNoSwitch) {
  Start({L"--type=renderer"});
  RecordingCommandLine line;
  const ustring renderer = L"renderer";
  const cef_string_t type = BorrowEngineString(renderer);
  FData->on_before_command_line_processing(FData, &type, line.Get());
  EXPECT_TRUE(g_switches.empty());
  EXPECT_EQ(line.refs, 0);
}

TEST_F(AppCallbacks, DetachedObjectsIgnoreLateCallbacks) {
  Start({});
  cef_browser_process_handler_t* handler = FData->get_browser_process_handler(FData);
  ASSERT_NE(handler, nullptr);
  FApp->RemoveReferences();
  handler->on_context_initialized(handler);
  EXPECT_EQ(FContextEvents, 0);
  EXPECT_FALSE(FCefApp->GlobalContextInitialized());

  RecordingCommandLine line;
  FData->on_before_command_line_processing(FData, nullptr, line.Get());
  EXPECT_TRUE(g_switches.empty());
  EXPECT_EQ(line.refs, 0);
  handler->base.release(&handler->base);
}

TEST_F(AppCallbacks, ExceptionOfAnEventStopsBeforeTheEngine) {
  Start({});
  FCefApp->OnContextInitialized = [] { throw std::runtime_error("event failed"); };
  cef_browser_process_handler_t* handler = FData->get_browser_process_handler(FData);
  ASSERT_NE(handler, nullptr);
  handler->on_context_initialized(handler);  // returns normally
  EXPECT_TRUE(FCefApp->GlobalContextInitialized());
  handler->base.release(&handler->base);
}

TEST_F(AppCallbacks, EngineReleaseOfTheLastReferenceDestroysTheObjects) {
  Start({});
  cef_browser_process_handler_t* handler = FData->get_browser_process_handler(FData);
  ASSERT_NE(handler, nullptr);
  FApp.reset();  // the program's start path returns: only the engine holds the object now
  EXPECT_EQ(FData->base.has_one_ref(&FData->base), 1);
  EXPECT_EQ(FData->base.release(&FData->base), 0);
  FData = nullptr;
  // The engine's own handler reference outlives the application object.
  EXPECT_EQ(handler->base.has_one_ref(&handler->base), 1);
  handler->on_context_initialized(handler);
  EXPECT_EQ(FContextEvents, 0);
  EXPECT_EQ(handler->base.release(&handler->base), 0);
}

}  // namespace
