// The UI task queue: tasks run on the UI thread in posting order, from any thread; at shutdown
// every queued task runs, and a task the queue refuses is freed where it was posted. No task's
// captured state is ever leaked.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "base/ui_thread.h"
#include "tests/support/ui_test_support.h"
#include "ui/timer.h"
#include "ui/ui_error.h"
#include "ui/ui_task.h"

namespace {

using ui_test::PumpFor;
using ui_test::PumpUntil;

// Counts the live copies of a task's captured state: zero at the end means nothing leaked.
struct Tracked {
  explicit Tracked(std::atomic<int>& counter) : live(&counter) { ++*live; }
  Tracked(const Tracked& other) : live(other.live) { ++*live; }
  ~Tracked() { --*live; }
  std::atomic<int>* live;
};

class UiTaskQueue : public ui_test::UiTest {};

TEST_F(UiTaskQueue, RunsTasksLaterInPostingOrder) {
  std::vector<int> order;
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(uitask::Post([&order, i] { order.push_back(i); }));
  EXPECT_TRUE(order.empty());  // never run inside Post
  ASSERT_TRUE(PumpUntil([&] { return order.size() == 5; }));
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(UiTaskQueue, ATaskQueuedByATaskRunsAfterThoseQueuedBefore) {
  std::vector<int> order;
  uitask::Post([&] {
    order.push_back(1);
    uitask::Post([&] { order.push_back(3); });
  });
  uitask::Post([&] { order.push_back(2); });
  ASSERT_TRUE(PumpUntil([&] { return order.size() == 3; }));
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST_F(UiTaskQueue, TasksFromOtherThreadsRunOnTheUiThreadInEachThreadsOrder) {
  constexpr int kThreads = 4;
  constexpr int kPerThread = 300;
  const DWORD ui_thread = GetCurrentThreadId();
  std::vector<std::pair<int, int>> seen;  // touched on the UI thread only
  std::atomic<int> off_thread{0};
  std::atomic<int> refused{0};
  std::vector<std::thread> threads;
  // The UI thread keeps taking tasks while the others post: wake and queue race for real.
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kPerThread; ++i) {
        const bool queued = uitask::Post([&, t, i] {
          if (GetCurrentThreadId() != ui_thread) ++off_thread;
          seen.emplace_back(t, i);
        });
        if (!queued) ++refused;
      }
    });
  }
  const bool all_ran = PumpUntil([&] { return seen.size() == kThreads * kPerThread; }, 20000);
  for (auto& thread : threads) thread.join();
  ASSERT_TRUE(all_ran);
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(off_thread, 0);
  std::vector<int> next(kThreads, 0);
  for (const auto& [t, i] : seen) {
    EXPECT_EQ(i, next[t]) << "thread " << t;
    next[t] = i + 1;
  }
}

TEST_F(UiTaskQueue, ANestedMessageLoopInATaskKeepsTakingTasksInOrder) {
  // A task that shows a modal form runs a loop of its own; later tasks run inside it, once.
  std::vector<std::string> order;
  uitask::Post([&] {
    order.push_back("outer begins");
    PumpUntil([&] { return order.size() == 3; }, 2000);
    order.push_back("outer ends");
  });
  uitask::Post([&] { order.push_back("second"); });
  uitask::Post([&] { order.push_back("third"); });
  ASSERT_TRUE(PumpUntil([&] { return order.size() == 4; }));
  PumpFor(50);
  EXPECT_EQ(order, (std::vector<std::string>{"outer begins", "second", "third", "outer ends"}));
}

TEST_F(UiTaskQueue, DestroyRunsEveryTaskStillQueued) {
  std::atomic<int> live{0};
  int ran = 0;
  std::thread([&] {
    for (int i = 0; i < 100; ++i) uitask::Post([&ran, t = Tracked(live)] { ++ran; });
  }).join();
  EXPECT_EQ(live, 100);
  uitask::Destroy();  // the wake message was never taken
  EXPECT_EQ(ran, 100);
  EXPECT_EQ(live, 0);
}

TEST_F(UiTaskQueue, ATaskQueuedDuringTheFinalDrainIsRefusedAndFreed) {
  std::atomic<int> live{0};
  bool inner_queued = true;
  bool inner_ran = false;
  uitask::Post(
      [&] { inner_queued = uitask::Post([&inner_ran, t = Tracked(live)] { inner_ran = true; }); });
  uitask::Destroy();
  EXPECT_FALSE(inner_queued);
  EXPECT_FALSE(inner_ran);
  EXPECT_EQ(live, 0);
}

TEST_F(UiTaskQueue, PostAfterDestroyIsRefusedAndFreedOnThePostingThread) {
  uitask::Destroy();
  std::atomic<int> live{0};
  std::atomic<bool> ran{false};
  EXPECT_FALSE(uitask::Post([&ran, t = Tracked(live)] { ran = true; }));
  bool queued_elsewhere = true;
  std::thread([&] {
    queued_elsewhere = uitask::Post([&ran, t = Tracked(live)] { ran = true; });
  }).join();
  EXPECT_FALSE(queued_elsewhere);
  EXPECT_EQ(live, 0);
  PumpFor(50);
  EXPECT_FALSE(ran);
}

TEST_F(UiTaskQueue, TheQueueRunsAgainAfterANewInitialize) {
  uitask::Destroy();
  ASSERT_TRUE(uitask::Initialize());
  bool ran = false;
  ASSERT_TRUE(uitask::Post([&] { ran = true; }));
  EXPECT_TRUE(PumpUntil([&] { return ran; }));
}

std::vector<std::wstring> gReported;

TEST_F(UiTaskQueue, AThrowingTaskIsReportedAndTheNextOneStillRuns) {
  gReported.clear();
  SetUiExceptionHandler([](std::wstring_view label) { gReported.emplace_back(label); });
  bool after = false;
  uitask::Post([] { throw std::runtime_error("task failed"); });
  uitask::Post([&] { after = true; });
  EXPECT_TRUE(PumpUntil([&] { return after; }));
  SetUiExceptionHandler(nullptr);
  EXPECT_EQ(gReported, (std::vector<std::wstring>{L"uitask.Run"}));
}

TEST_F(UiTaskQueue, DeleteLaterDeletesWhenTheQueueRuns) {
  std::atomic<int> live{0};
  DeleteLater(new Tracked(live));
  EXPECT_EQ(live, 1);
  EXPECT_TRUE(PumpUntil([&] { return live == 0; }));
}

std::mutex gViolationsLock;
std::vector<std::string> gViolations;

void RecordViolation(std::string_view function) {
  const std::lock_guard lock(gViolationsLock);
  gViolations.emplace_back(function);
}

TEST_F(UiTaskQueue, MarksItsThreadAndUiOnlyCallsFromElsewhereAreReported) {
  EXPECT_TRUE(IsUiThread());
  SetUiThreadViolationHandler(&RecordViolation);
  TTimer timer;
  AssertUiThread();
  timer.SetEnabled(false);
  std::thread([&] {
    EXPECT_FALSE(IsUiThread());
    timer.SetEnabled(false);
  }).join();
  SetUiThreadViolationHandler(nullptr);
  const std::lock_guard lock(gViolationsLock);
  ASSERT_EQ(gViolations.size(), 1u);
  EXPECT_NE(gViolations[0].find("TTimer::Update"), std::string::npos) << gViolations[0];
}

TEST(UiTaskQueueNotRunning, RefusesAndFreesTasksAndDeletesAtOnce) {
  std::atomic<int> live{0};
  EXPECT_FALSE(uitask::Post([t = Tracked(live)] {}));
  EXPECT_FALSE(uitask::Post(nullptr));
  EXPECT_EQ(live, 0);
  DeleteLater(new Tracked(live));
  EXPECT_EQ(live, 0);
}

}  // namespace
