// Timers: ticks arrive on the UI thread at about their interval, never while disabled (not even
// one already queued), and a handler may stop or delete its own timer.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "tests/support/ui_test_support.h"
#include "ui/timer.h"

namespace {

using ui_test::PumpFor;
using ui_test::PumpUntil;

class Timers : public ui_test::UiTest {};

TEST_F(Timers, TicksOnTheUiThreadAtItsInterval) {
  TTimer timer(50);
  int ticks = 0;
  bool off_thread = false;
  const DWORD ui_thread = GetCurrentThreadId();
  timer.OnTimer = [&] {
    ++ticks;
    if (GetCurrentThreadId() != ui_thread) off_thread = true;
  };
  const ULONGLONG started = GetTickCount64();
  timer.SetEnabled(true);
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_GE(GetTickCount64() - started, 140u);  // three intervals, give or take the clock
  EXPECT_FALSE(off_thread);
}

TEST_F(Timers, ADisabledTimerNeverTicks) {
  TTimer timer(10);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  PumpFor(100);
  timer.SetEnabled(true);
  timer.SetInterval(0);  // no interval: no ticks either
  PumpFor(100);
  EXPECT_EQ(ticks, 0);
}

TEST_F(Timers, ATickAlreadyQueuedDoesNotFireAfterDisabling) {
  TTimer timer(10);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.SetEnabled(true);
  // Waits, handling nothing, until the tick is in the queue.
  const ULONGLONG deadline = GetTickCount64() + 5000;
  MSG message;
  while (!PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE)) {
    ASSERT_LT(GetTickCount64(), deadline) << "the timer never ticked";
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_TIMER);
  }
  timer.SetEnabled(false);
  PumpFor(100);
  EXPECT_EQ(ticks, 0);
}

TEST_F(Timers, AHandlerMayDisableItsTimer) {
  TTimer timer(10);
  int ticks = 0;
  timer.OnTimer = [&] {
    ++ticks;
    timer.SetEnabled(false);
  };
  timer.SetEnabled(true);
  ASSERT_TRUE(PumpUntil([&] { return ticks == 1; }));
  PumpFor(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(Timers, AHandlerMayDeleteItsTimer) {
  auto timer = std::make_unique<TTimer>(10);
  int ticks = 0;
  timer->OnTimer = [&] {
    ++ticks;
    timer.reset();
  };
  timer->SetEnabled(true);
  ASSERT_TRUE(PumpUntil([&] { return timer == nullptr; }));
  PumpFor(50);
  EXPECT_EQ(ticks, 1);
}

TEST_F(Timers, ANewIntervalTakesEffectWhileEnabled) {
  TTimer timer(5000);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.SetEnabled(true);
  timer.SetInterval(20);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }, 1000));
}

}  // namespace
