// The wait for the engine's child processes after the browser closed: how long the first check
// waits, how later checks bound the wait when children never end, that OnClose comes once and
// on the main thread however Start is called, and the states on the way. Most timings run with
// short delays; one check runs the program's own 1.5 s wait in real time.

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

namespace {

using ui_test::PumpFor;
using ui_test::PumpUntil;

class Sentinel : public ui_test::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    sentinel = std::make_unique<TCEFSentinel>();
    sentinel->OnClose = [this] {
      ++closes;
      closeThread = GetCurrentThreadId();
      closedAt = GetTickCount64();
    };
  }
  void TearDown() override {
    sentinel.reset();
    UiTest::TearDown();
  }
  // The count reported at each ask: `counts[i]` for the i-th ask, the last one from then on.
  void ReportChildren(std::vector<int32_t> counts) {
    sentinel->ChildCountSource = [this, counts] {
      const size_t index = std::min(asked, counts.size() - 1);
      ++asked;
      return counts[index];
    };
  }
  // Short delays, so the timing rules show in a fraction of a second.
  void UseShortDelays() {
    sentinel->SetDelayPerProcMs(20);
    sentinel->SetMinInitDelayMs(100);
    sentinel->SetFinalDelayMs(20);
  }
  bool WaitForClose(DWORD timeoutMs = 5000) {
    return PumpUntil([this] { return closes > 0; }, timeoutMs);
  }

  std::unique_ptr<TCEFSentinel> sentinel;
  int closes = 0;
  DWORD closeThread = 0;
  ULONGLONG closedAt = 0;
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
  const ULONGLONG started = GetTickCount64();
  ASSERT_TRUE(sentinel->Start());
  ASSERT_TRUE(WaitForClose(8000));
  EXPECT_GE(closedAt - started, 1450u);  // 1500 ms, give or take the clock's grain
  EXPECT_EQ(sentinel->CheckCount(), 0);
  EXPECT_EQ(asked, 2u);  // once for the delay, once at the first check
}

TEST_F(Sentinel, ManyChildrenPostponeTheFirstCheck) {
  UseShortDelays();
  ReportChildren({8, 0});  // 8 x 20 ms outweighs the 100 ms minimum
  const ULONGLONG started = GetTickCount64();
  ASSERT_TRUE(sentinel->Start());
  ASSERT_TRUE(WaitForClose());
  EXPECT_GE(closedAt - started, 150u);
  EXPECT_EQ(sentinel->CheckCount(), 0);
}

TEST_F(Sentinel, ChildrenThatNeverEndDelayClosingOnlyUpToTheLastCheck) {
  UseShortDelays();
  ReportChildren({5});
  const ULONGLONG started = GetTickCount64();
  ASSERT_TRUE(sentinel->Start());
  ASSERT_TRUE(WaitForClose());
  // 100 ms, then MaxCheckCount + 1 intervals of 20 ms.
  EXPECT_GE(closedAt - started, 100u + 11 * 20 - 20);
  EXPECT_EQ(sentinel->CheckCount(), 10);
  // Asked for the delay, at the first check and at ten later ones; the last check needs no count.
  EXPECT_EQ(asked, 12u);
}

TEST_F(Sentinel, ChildrenEndingStopTheChecksEarly) {
  UseShortDelays();
  ReportChildren({5, 5, 5, 5, 2});
  ASSERT_TRUE(sentinel->Start());
  ASSERT_TRUE(WaitForClose());
  EXPECT_EQ(sentinel->CheckCount(), 2);
  EXPECT_EQ(asked, 5u);
}

TEST_F(Sentinel, ZeroDelaysStillEndTheWait) {
  sentinel->SetDelayPerProcMs(0);
  sentinel->SetMinInitDelayMs(0);
  sentinel->SetFinalDelayMs(0);
  sentinel->SetMaxCheckCount(3);
  ReportChildren({5});
  ASSERT_TRUE(sentinel->Start());
  EXPECT_TRUE(WaitForClose());
}

// ---- States and starting ----

TEST_F(Sentinel, PassesThroughItsStatesInOrder) {
  UseShortDelays();
  ReportChildren({5, 5, 5, 0});
  ASSERT_TRUE(sentinel->Start());
  EXPECT_EQ(sentinel->Status(), ssInitialDelay);  // at once, before the main thread runs
  ASSERT_TRUE(PumpUntil([&] { return sentinel->Status() == ssCheckingChildren; }));
  EXPECT_EQ(closes, 0);
  ASSERT_TRUE(WaitForClose());
  EXPECT_EQ(sentinel->Status(), ssClosing);
}

TEST_F(Sentinel, StartingAgainChangesNothingAndClosesOnce) {
  UseShortDelays();
  ReportChildren({0});
  EXPECT_TRUE(sentinel->Start());
  EXPECT_TRUE(sentinel->Start());
  ASSERT_TRUE(WaitForClose());
  EXPECT_TRUE(sentinel->Start());  // after closing
  PumpFor(300);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(sentinel->Status(), ssClosing);
  EXPECT_EQ(asked, 2u);  // a single wait was run
}

TEST_F(Sentinel, StartedFromOtherThreadsClosesOnceOnTheMainThread) {
  UseShortDelays();
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
  ASSERT_TRUE(WaitForClose());
  PumpFor(200);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(closeThread, GetCurrentThreadId());
}

TEST_F(Sentinel, DestroyedWhileWaitingRaisesNothing) {
  UseShortDelays();
  ReportChildren({0});
  ASSERT_TRUE(sentinel->Start());
  sentinel.reset();  // the start message is still queued
  PumpFor(300);
  EXPECT_EQ(closes, 0);
}

}  // namespace
