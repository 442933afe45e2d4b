#ifndef OSTREL_TESTS_SUPPORT_UI_TEST_SUPPORT_H_
#define OSTREL_TESTS_SUPPORT_UI_TEST_SUPPORT_H_

// Helpers of the windowing-layer tests: a message pump with a deadline, and a fixture that runs
// the UI task queue on the test's thread. Windows need a display (scripts/test provides Xvfb).

#include <windows.h>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/ui_task.h"

namespace ui_test {

// Handles this thread's messages through the application's loop until `done` holds or
// `timeoutMs` passed; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    Application().ProcessMessages();
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE,
                              static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20)),
                              QS_ALLINPUT);
  }
}

inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

// Every UI test: the application initialised on this thread, its queue closed at the end.
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Application().Initialize()); }
  void TearDown() override { uitask::Destroy(); }
};

}  // namespace ui_test

#endif  // OSTREL_TESTS_SUPPORT_UI_TEST_SUPPORT_H_
