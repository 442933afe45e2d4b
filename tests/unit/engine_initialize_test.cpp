// The engine started for real in this (browser) process: the context-initialised callback comes
// on an engine thread and the main thread sees GlobalContextInitialized afterwards. Each test
// runs in a process of its own (the engine starts once per process).

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "tests/unit/engine_test_support.h"
#include "tests/unit/standin_test_support.h"

namespace {

using namespace std::chrono_literals;
using engine_test::EngineFilesCopy;
using engine_test::RecordingApplication;

class EngineInitialize : public ::testing::Test {
 protected:
  void SetUp() override {
    trace_ = files_.path() / L"trace.txt";
    SetEnvironmentVariableW(L"OSTREL_STANDIN_TRACE", trace_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"OSTREL_STANDIN_TRACE", nullptr);
    SetEnvironmentVariableW(L"OSTREL_STANDIN_FAULT", nullptr);
  }

  bool WaitForContext(const TCefApplication& app, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!app.GlobalContextInitialized()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(10ms);
    }
    return true;
  }

  bool TraceHas(const std::string& line) {
    std::ifstream in(trace_);
    for (std::string l; std::getline(in, l);)
      if (l == line) return true;
    return false;
  }

  EngineFilesCopy files_;
  engine_test::fs::path trace_;
};

TEST_F(EngineInitialize, ContextReadyArrivesFromTheEngineThreadAndIsSeenOnTheMainThread) {
  {
    RecordingApplication app;
    ASSERT_TRUE(app.StartMainProcess()) << "messages: " << app.messages.size();
    EXPECT_EQ(app.Status(), asInitialized);
    ASSERT_TRUE(WaitForContext(app, 10s));
    EXPECT_TRUE(TraceHas("context-initialized thread=ui"));
    EXPECT_FALSE(app.StartMainProcess()) << "a second start must be refused";
    EXPECT_TRUE(app.messages.empty());
  }
  EXPECT_TRUE(TraceHas("shutdown live=0"));
}

TEST_F(EngineInitialize, ContextFlagStaysFalseUntilALateEngineReportsIt) {
  SetEnvironmentVariableW(L"OSTREL_STANDIN_FAULT", L"context-never");  // until "context" below
  RecordingApplication app;
  ASSERT_TRUE(app.StartMainProcess());
  EXPECT_FALSE(app.GlobalContextInitialized()) << "ready before the engine said so";
  auto command = standin_test::Resolve<standin_command_func>(GetModuleHandleW(L"libcef.dll"),
                                                             "standin_command");
  ASSERT_NE(command, nullptr);
  ASSERT_EQ(command("context"), 1);
  EXPECT_TRUE(WaitForContext(app, 10s));
}

TEST_F(EngineInitialize, FailedInitialisationLeavesTheEngineDown) {
  SetEnvironmentVariableW(L"OSTREL_STANDIN_FAULT", L"init-fail");
  RecordingApplication app;
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.Status(), asErrorInitializingLibrary);
  EXPECT_TRUE(app.messages.empty()) << "initialisation failures show no message";
}

}  // namespace
