// Nothing vanishes: every exception stopped at a boundary (a guarded routine, an engine callback,
// a window procedure or UI task) leaves exactly one line naming the routine in the program's own
// log (the engine is not loaded here), and one raised again leaves none there.

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/engine_log.h"
#include "engine/core/exception_policy.h"
#include "engine/handlers/cef_load_handler_own.h"
#include "tests/support/log_capture.h"
#include "ui/ui_error.h"

namespace {

class StoppedExceptions : public ::testing::Test {
 protected:
  void TearDown() override {
    SetReRaiseExceptionsPolicy(false);
    SetUiExceptionHandler(nullptr);
  }

  std::vector<std::wstring> Lines() const { return capture.Taken(); }

  TLogCapture capture;
};

TEST_F(StoppedExceptions, AGuardedRoutineLogsTheRoutineAndTheMessage) {
  EXPECT_EQ(GuardRoutine(L"Test.Guarded", -1, []() -> int { throw std::runtime_error("boom"); }),
            -1);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0], L"Exception stopped in Test.Guarded: boom");
}

TEST_F(StoppedExceptions, OneRaisedAgainIsNotLoggedWhereItPasses) {
  SetReRaiseExceptionsPolicy(true);
  EXPECT_THROW(GuardRoutine(L"Test.Guarded", [] { throw std::runtime_error("up"); }),
               std::runtime_error);
  EXPECT_TRUE(Lines().empty());
}

class ThrowingLoadHandler final : public TCefLoadHandlerOwn {
 public:
  void OnLoadEnd(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, int) override {
    throw std::runtime_error("handler failed");
  }

 private:
  ~ThrowingLoadHandler() override = default;
};

TEST_F(StoppedExceptions, AnEngineCallbackStopsItEvenWhenAskedToRaiseItAgain) {
  SetReRaiseExceptionsPolicy(true);
  const auto handler = MakeRefCounted<ThrowingLoadHandler>();
  auto* data = static_cast<cef_load_handler_t*>(EngineDataFromInterface(handler));
  data->on_load_end(data, nullptr, nullptr, 200);  // must not unwind into the engine
  data->base.release(&data->base);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0], L"Exception stopped in ICefLoadHandler.OnLoadEnd: handler failed");
}

TEST_F(StoppedExceptions, AWindowProcedureReportsThroughTheInstalledHandler) {
  SetUiExceptionHandler(&ReportStoppedException);
  GuardUi(L"TTestForm.WndProc", [] { throw std::logic_error("bad state"); });
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0], L"Exception stopped in TTestForm.WndProc: bad state");
}

}  // namespace
