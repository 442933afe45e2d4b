// The wait for the engine's child processes after the browser closed: how long the first check
// waits, how later checks bound the wait when children never end, that OnClose comes once and
// on the main thread however Start is called, and the states on the way. Time is the test's own
// clock; one check runs the wait on the real Win32 timer.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "browser/cef_sentinel.h"
#include "tests/support/ui_test_support.h"
#include "tests/unit/engine_test_support.h"
#include "ui/application.h"

namespace {

using ui_test::PumpUntil;

// Time that moves only when the test moves it, with the sentinel's timer on it.
class FakeClock {
 public:
  class Timer : public TSentinelTimer {
   public:
    explicit Timer(FakeClock& clock) : FClock(clock) { FClock.FTimer = this; }
    ~Timer() override { FClock.FTimer = nullptr; }
    void Arm(uint32_t delayMs) override {
      FClock.waits.push_back(delayMs);
      FDue = FClock.FNow + delayMs;
      FArmed = true;
    }

   private:
    friend class FakeClock;
    FakeClock& FClock;
    uint64_t FDue = 0;
    bool FArmed = false;
  };

  uint64_t Now() const { return FNow; }
  // Moves the time on to `ms`, ticking whenever the armed wait runs out on the way.
  void RunTo(uint64_t ms) {
    while (FTimer != nullptr && FTimer->FArmed && FTimer->FDue <= ms) {
      FNow = FTimer->FDue;
      FTimer->FArmed = false;
      RaiseEvent(FTimer->OnTimer);
    }
    FNow = std::max(FNow, ms);
  }

  std::vector<uint32_t> waits;  // every Arm, in order

 private:
  uint64_t FNow = 0;
  Timer* FTimer = nullptr;
};

class Sentinel : public ui_test::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Watch(std::make_unique<FakeClock::Timer>(clock));
  }
  void TearDown() override {
    sentinel.reset();
    UiTest::TearDown();
  }
  // A new sentinel on `timer` (nullptr: the program's own), its closes counted.
  void Watch(std::unique_ptr<TSentinelTimer> timer) {
    sentinel = std::make_unique<TCEFSentinel>(std::move(timer));
    sentinel->OnClose = [this] {
      ++closes;
      closeThread = GetCurrentThreadId();
    };
  }
  // The count reported at each ask: `counts[i]` for the i-th ask, the last one from then on.
  void ReportChildren(std::vector<int32_t> counts) {
    sentinel->ChildCountSource = [this, counts] {
      const size_t index = std::min(asked, counts.size() - 1);
      ++asked;
      return counts[index];
    };
  }
  // The main thread has begun the wait (at the clock's 0).
  bool WaitBegun() {
    return PumpUntil([this] { return !clock.waits.empty(); });
  }
  bool Started() { return sentinel->Start() && WaitBegun(); }
  // OnClose comes `ms` after the start, and not a moment earlier.
  ::testing::AssertionResult ClosesAt(uint64_t ms) {
    clock.RunTo(ms - 1);
    Application().ProcessMessages();  // the close is posted at once when it is due
    if (closes != 0) return ::testing::AssertionFailure() << "closed before " << ms << " ms";
    clock.RunTo(ms);
    if (!PumpUntil([this] { return closes > 0; })) {
      return ::testing::AssertionFailure() << "not closed at " << ms << " ms";
    }
    return ::testing::AssertionSuccess();
  }
  // Whatever time may still bring, once its messages are handled.
  void RunLong() {
    clock.RunTo(clock.Now() + 600000);
    Application().ProcessMessages();
  }

  FakeClock clock;
  std::unique_ptr<TCEFSentinel> sentinel;
  int closes = 0;
  DWORD closeThread = 0;
  size_t asked = 0;
};

// ---- The rules, computed ----

TEST_F(Sentinel, StartsIdleWithTheProgramsDefaults) {
  EXPECT_EQ(sentinel->Status(), ssIdle);
  EXPECT_EQ(sentinel->DelayPerProcMs(), 200u);
  EXPECT_EQ(sentinel->MinInitDelayMs(), 1500u);
  EXPECT_EQ(sentinel->FinalDelayMs(), 100u);
  EXPECT_EQ(sentinel->MinChildProcs(), 2);
  EXPECT_EQ(sentinel->MaxCheckCount(), 10);
}

TEST_F(Sentinel, FirstCheckWaitsTheMinimumOrLongerForManyChildren) {
  int32_t children = 0;
  sentinel->ChildCountSource = [&] { return children; };
  for (const auto& [count, delay] : std::vector<std::pair<int32_t, uint32_t>>{
           {0, 1500}, {3, 1500}, {7, 1500}, {8, 1600}, {20, 4000}, {-1, 1500}}) {
    children = count;
    EXPECT_EQ(sentinel->InitialDelayMs(), delay) << count << " children";
  }
  // A huge per-child delay saturates instead of wrapping round to a short wait.
  children = 1000;
  sentinel->SetDelayPerProcMs(0xFFFFFFFFu);
  EXPECT_EQ(sentinel->InitialDelayMs(), 0xFFFFFFFFu);
}

TEST_F(Sentinel, ClosingIsAllowedAtTheThresholdOrWhenTheEngineIsGone) {
  int32_t children = 2;
  sentinel->ChildCountSource = [&] { return children; };
  EXPECT_TRUE(sentinel->CanClose());
  children = 3;
  EXPECT_FALSE(sentinel->CanClose());
  sentinel->SetMaxCheckCount(0);  // no later checks at all: the count no longer matters
  EXPECT_TRUE(sentinel->CanClose());

  sentinel->SetMaxCheckCount(10);
  sentinel->SetMinChildProcs(-1);  // even with a threshold nothing can meet
  sentinel->ChildCountSource = nullptr;
  ASSERT_EQ(GlobalCEFApp, nullptr);
  EXPECT_EQ(sentinel->ChildProcCount(), 0);
  EXPECT_TRUE(sentinel->CanClose());
}

TEST_F(Sentinel, CountsTheProgramsOwnChildProcessesThroughTheEngineObject) {
  engine_test::RecordingApplication app;
  EXPECT_EQ(sentinel->ChildProcCount(), 0);
  // A copy of this program started by it counts as one of the engine's children.
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring line = L"\"" + std::wstring(program) + L"\" --gtest_list_tests";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                             nullptr, nullptr, &startup, &child));
  EXPECT_EQ(sentinel->ChildProcCount(), 1);
  TerminateProcess(child.hProcess, 0);
  WaitForSingleObject(child.hProcess, 5000);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_TRUE(PumpUntil([&] { return sentinel->ChildProcCount() == 0; }, 3000));
}

// ---- The wait, in time ----

TEST_F(Sentinel, WithoutChildrenClosesAfterTheMinimumDelay) {
  ReportChildren({0});
  ASSERT_TRUE(Started());
  EXPECT_TRUE(ClosesAt(1500));
  EXPECT_EQ(sentinel->CheckCount(), 0);
  EXPECT_EQ(asked, 2u);  // once for the delay, once at the first check
}

TEST_F(Sentinel, ManyChildrenPostponeTheFirstCheck) {
  ReportChildren({8, 0});  // 8 x 200 ms outweighs the 1500 ms minimum
  ASSERT_TRUE(Started());
  EXPECT_TRUE(ClosesAt(1600));
  EXPECT_EQ(sentinel->CheckCount(), 0);
}

TEST_F(Sentinel, ChildrenThatNeverEndDelayClosingOnlyUpToTheLastCheck) {
  ReportChildren({5});
  ASSERT_TRUE(Started());
  // 1500 ms, then MaxCheckCount + 1 intervals of 100 ms.
  EXPECT_TRUE(ClosesAt(1500 + 11 * 100));
  EXPECT_EQ(sentinel->CheckCount(), 10);
  // Asked for the delay, at the first check and at ten later ones; the last check needs no count.
  EXPECT_EQ(asked, 12u);
}

TEST_F(Sentinel, ChildrenEndingStopTheChecksEarly) {
  ReportChildren({5, 5, 5, 5, 2});
  ASSERT_TRUE(Started());
  EXPECT_TRUE(ClosesAt(1500 + 3 * 100));
  EXPECT_EQ(sentinel->CheckCount(), 2);
  EXPECT_EQ(asked, 5u);
}

TEST_F(Sentinel, ZeroDelaysStillEndTheWait) {
  Watch(nullptr);
  sentinel->SetDelayPerProcMs(0);
  sentinel->SetMinInitDelayMs(0);
  sentinel->SetFinalDelayMs(0);
  sentinel->SetMaxCheckCount(3);
  ReportChildren({5});
  ASSERT_TRUE(sentinel->Start());
  ASSERT_TRUE(PumpUntil([this] { return closes > 0; }));
  EXPECT_EQ(sentinel->CheckCount(), 3);
  EXPECT_EQ(closeThread, GetCurrentThreadId());
}

// ---- States and starting ----

TEST_F(Sentinel, PassesThroughItsStatesInOrder) {
  ReportChildren({5, 5, 5, 0});
  ASSERT_TRUE(sentinel->Start());
  EXPECT_EQ(sentinel->Status(), ssInitialDelay);  // at once, before the main thread runs
  ASSERT_TRUE(WaitBegun());
  EXPECT_EQ(sentinel->Status(), ssInitialDelay);
  clock.RunTo(1500);
  EXPECT_EQ(sentinel->Status(), ssCheckingChildren);
  EXPECT_TRUE(ClosesAt(1500 + 2 * 100));
  EXPECT_EQ(sentinel->Status(), ssClosing);
}

TEST_F(Sentinel, StartingAgainChangesNothingAndClosesOnce) {
  ReportChildren({0});
  EXPECT_TRUE(sentinel->Start());
  ASSERT_TRUE(Started());  // the second time
  EXPECT_TRUE(ClosesAt(1500));
  EXPECT_TRUE(sentinel->Start());  // after closing
  RunLong();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(sentinel->Status(), ssClosing);
  EXPECT_EQ(clock.waits, std::vector<uint32_t>{1500});  // a single wait was run
  EXPECT_EQ(asked, 2u);
}

TEST_F(Sentinel, StartedFromOtherThreadsClosesOnceOnTheMainThread) {
  ReportChildren({0});
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int i = 0; i < 4; ++i) {
    threads.emplace_back([&] {
      while (!go) std::this_thread::yield();
      sentinel->Start();
    });
  }
  go = true;
  for (auto& thread : threads) thread.join();
  ASSERT_TRUE(WaitBegun());
  EXPECT_TRUE(ClosesAt(1500));
  RunLong();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(closeThread, GetCurrentThreadId());
}

TEST_F(Sentinel, DestroyedWhileWaitingRaisesNothing) {
  ReportChildren({0});
  ASSERT_TRUE(sentinel->Start());
  sentinel.reset();  // the start message is still queued
  RunLong();
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(clock.waits.empty());
}

}  // namespace
