// Waiting with messages on the wait-handle protocol: -1 while nobody waits, an event while one
// does; the signal may come from the main thread's own handlers or from another thread.

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "tests/support/ui_test_support.h"
#include "ui/ui_task.h"
#include "upgrade/support/ul_wait.h"

namespace {

class UpgradeWait : public ui_test::UiTest {};

TEST_F(UpgradeWait, ASignalFromAHandlerEndsTheWait) {
  TulWaitHandle handle{INVALID_HANDLE_VALUE};
  bool sawEvent = false;
  uitask::Post([&] {
    sawEvent = handle.load() != INVALID_HANDLE_VALUE;
    SignalWaitHandle(handle);
  });
  EXPECT_TRUE(WaitForSignal(handle, 0, true));
  EXPECT_TRUE(sawEvent);
  EXPECT_EQ(handle.load(), INVALID_HANDLE_VALUE);
}

TEST_F(UpgradeWait, ASignalFromAnotherThreadEndsTheWait) {
  TulWaitHandle handle{INVALID_HANDLE_VALUE};
  std::thread other([&] {
    while (handle.load() == INVALID_HANDLE_VALUE) Sleep(1);
    SignalWaitHandle(handle);
  });
  EXPECT_TRUE(WaitForSignal(handle, 0, true));
  other.join();
  EXPECT_EQ(handle.load(), INVALID_HANDLE_VALUE);
}

TEST_F(UpgradeWait, WithoutSignalTheTimeOutEndsTheWait) {
  TulWaitHandle handle{INVALID_HANDLE_VALUE};
  bool handled = false;
  uitask::Post([&] { handled = true; });  // messages are handled meanwhile
  const ULONGLONG start = GetTickCount64();
  EXPECT_FALSE(WaitForSignal(handle, 100, true));
  EXPECT_GE(GetTickCount64() - start, 90u);
  EXPECT_TRUE(handled);
  EXPECT_EQ(handle.load(), INVALID_HANDLE_VALUE);
  SignalWaitHandle(handle);  // nobody waits: nothing happens
}

TEST_F(UpgradeWait, MsgWaitForHandlesTellsWhichHandleAndStopsWhenAsked) {
  HANDLE first = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE second = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  EXPECT_EQ(MsgWaitForHandles({first, second}, 0, nullptr), 1);
  SetEvent(first);
  EXPECT_EQ(MsgWaitForHandles({first, second}, 0, nullptr), 0);
  ResetEvent(first);
  int asked = 0;
  uitask::Post([] {});  // wakes the wait, which asks again after handling it
  EXPECT_EQ(MsgWaitForHandles({first}, 0, [&] { return ++asked == 2; }), kWaitStopped);
  EXPECT_EQ(asked, 2);
  CloseHandle(first);
  CloseHandle(second);
}

}  // namespace
