// TulCustomThread: OnExecute on the worker, its events on the main thread, waiting for a run
// while its synchronising calls go on, killing a worker that does not listen (also in the
// middle of the allocator and of a synchronised call), errors reaching OnException, and the
// shared synchronisation window.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/ui_test_support.h"
#include "ui/ui_error.h"
#include "ui/ui_task.h"
#include "upgrade/support/ul_thread.h"

namespace {

using ui_test::PumpUntil;

class UpgradeThread : public ui_test::UiTest {
 protected:
  const DWORD FMain = GetCurrentThreadId();
};

// A handle on a worker, taken while it runs, to see it end after its run is gone.
struct TWorker {
  explicit TWorker(DWORD id) : handle(OpenThread(SYNCHRONIZE, FALSE, id)) {}
  ~TWorker() {
    if (handle != nullptr) CloseHandle(handle);
  }
  bool Ended() const { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }
  HANDLE handle;
};

std::string MessageOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "?";
  }
}

// This process's: programs running beside the test (the program's upgrade check) have theirs.
HWND SyncWindow() {
  for (HWND window = nullptr;
       (window = FindWindowExW(HWND_MESSAGE, window, L"TulThreadWindow", nullptr)) != nullptr;) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return window;
  }
  return nullptr;
}

// ---- Where events run ----

TEST_F(UpgradeThread, RunsOnExecuteOnTheWorkerAndOnTerminateOnTheMainThread) {
  TulCustomThread thread;
  std::atomic<DWORD> executedOn{0};
  DWORD terminatedOn = 0;
  thread.OnExecute = [&](TulCustomThread& sender) {
    executedOn = GetCurrentThreadId();
    sender.SetReturnValue(42);
  };
  thread.OnTerminate = [&](TulCustomThread&) { terminatedOn = GetCurrentThreadId(); };
  ASSERT_TRUE(thread.Execute());
  ASSERT_TRUE(PumpUntil([&] { return terminatedOn != 0; }));
  EXPECT_NE(executedOn, 0u);
  EXPECT_NE(executedOn, FMain);
  EXPECT_EQ(terminatedOn, FMain);
  EXPECT_EQ(thread.WaitFor(), 42u);
  EXPECT_EQ(thread.ReturnValue(), 42);
  EXPECT_FALSE(thread.Running());
}

TEST_F(UpgradeThread, WaitForLetsTheWorkersSynchronisedCallsRunOnTheMainThread) {
  TulCustomThread thread;
  std::vector<DWORD> callsOn;  // main thread only
  DWORD terminatedOn = 0;
  void* passed = nullptr;
  int parameter = 0;
  thread.OnExecute = [&](TulCustomThread& sender) {
    for (int i = 0; i < 50; ++i)
      sender.Synchronize([&] { callsOn.push_back(GetCurrentThreadId()); });
    sender.SynchronizeEx([&](void* sent) { passed = sent; }, &parameter);
  };
  thread.OnTerminate = [&](TulCustomThread&) { terminatedOn = GetCurrentThreadId(); };
  ASSERT_TRUE(thread.Execute());
  thread.WaitFor();  // no message loop: only the worker's sent calls come in
  EXPECT_EQ(callsOn, std::vector<DWORD>(50, FMain));
  EXPECT_EQ(passed, &parameter);
  EXPECT_EQ(terminatedOn, FMain);
}

TEST_F(UpgradeThread, WaitForInsideTheRunsOwnEventReturnsAtOnce) {
  TulCustomThread thread;
  DWORD inside = 1;
  bool terminated = false;
  thread.OnExecute = [](TulCustomThread& sender) { sender.SetReturnValue(5); };
  thread.OnTerminate = [&](TulCustomThread& sender) {
    inside = sender.WaitFor();  // the worker waits for this very call to return
    terminated = true;
  };
  EXPECT_EQ(thread.WaitFor(), 0u);  // not started
  ASSERT_TRUE(thread.Execute());
  ASSERT_TRUE(PumpUntil([&] { return terminated; }));
  EXPECT_EQ(inside, 5u);
  EXPECT_EQ(thread.WaitFor(), 5u);
}

TEST_F(UpgradeThread, ExecuteWithWaitThreadHandlesMessagesUntilTheRunEnds) {
  TulCustomThread thread;
  thread.SetWaitThread(true);
  std::atomic<bool> release{false};
  thread.OnExecute = [&](TulCustomThread&) {
    // Runs only if the main thread handles its messages while Execute waits.
    uitask::Post([&] { release = true; });
    while (!release) Sleep(1);
  };
  EXPECT_TRUE(thread.Execute());
  EXPECT_TRUE(release);
  EXPECT_FALSE(thread.Running());
}

// ---- Ending runs ----

TEST_F(UpgradeThread, TerminateWithoutImediatelyAsksTheWorkerToStop) {
  TulCustomThread thread;
  std::atomic<bool> started{false};
  thread.OnExecute = [&](TulCustomThread& sender) {
    started = true;
    while (!sender.Terminated()) Sleep(1);
    sender.SetReturnValue(7);
  };
  ASSERT_TRUE(thread.Execute());
  EXPECT_FALSE(thread.Execute());  // still in OnExecute
  // (A stop flag set before the worker got going would skip OnExecute altogether.)
  ASSERT_TRUE(PumpUntil([&] { return started.load(); }));
  thread.Terminate();
  EXPECT_EQ(thread.WaitFor(), 7u);
}

TEST_F(UpgradeThread, TerminateImediatelyKillsAWorkerThatNeverLooksAtTerminated) {
  // Killed at a different moment each round, mostly inside the allocator: the heap must stay
  // usable, and no event of the killed run may come.
  for (int round = 0; round < 20; ++round) {
    TulCustomThread thread;
    std::atomic<DWORD> id{0};
    std::atomic<long> allocations{0};
    std::atomic<uintptr_t> last{0};
    bool terminated = false;
    thread.OnExecute = [&](TulCustomThread&) {
      id = GetCurrentThreadId();
      for (;;) {
        auto* text = new std::string(64 + allocations % 700, 'x');
        last = reinterpret_cast<uintptr_t>(text);
        delete text;
        ++allocations;
      }
    };
    thread.OnTerminate = [&](TulCustomThread&) { terminated = true; };
    ASSERT_TRUE(thread.Execute());
    ASSERT_TRUE(PumpUntil([&] { return allocations > 1000 + round * 37; }));
    const TWorker worker(id);
    thread.Terminate(true);
    EXPECT_TRUE(worker.Ended());
    EXPECT_FALSE(thread.Running());
    std::vector<std::string> texts(2000, std::string(100, 'y'));
    EXPECT_EQ(texts.back().size(), 100u);
    Application().ProcessMessages();
    EXPECT_FALSE(terminated);
  }
}

TEST_F(UpgradeThread, AnExpiredWaitTimeoutKillsAStuckWorker) {
  TulCustomThread thread;
  thread.SetWaitThread(true);
  thread.SetWaitTimeout(200);
  std::atomic<DWORD> id{0};
  std::atomic<long> spins{0};
  thread.OnExecute = [&](TulCustomThread&) {
    id = GetCurrentThreadId();
    for (;;) ++spins;
  };
  int expired = 0;
  thread.OnWaitTimeoutExpired = [&](TulCustomThread&, bool& terminateThread) {
    ++expired;
    EXPECT_TRUE(terminateThread);
  };
  EXPECT_FALSE(thread.Execute());
  EXPECT_EQ(expired, 1);
  ASSERT_NE(id, 0u);
  // Ended, its handles closed: it cannot even be opened any more, or it is signalled.
  const TWorker worker(id);
  EXPECT_TRUE(worker.handle == nullptr || worker.Ended());
  EXPECT_FALSE(thread.Running());
}

TEST_F(UpgradeThread, AWaitTimeoutHandlerMayLetTheWorkerGoOn) {
  TulCustomThread thread;
  thread.SetWaitThread(true);
  thread.SetWaitTimeout(50);
  std::atomic<DWORD> id{0};
  thread.OnExecute = [&](TulCustomThread&) {
    id = GetCurrentThreadId();
    for (;;) Sleep(1);
  };
  thread.OnWaitTimeoutExpired = [](TulCustomThread&, bool& terminateThread) {
    terminateThread = false;
  };
  EXPECT_TRUE(thread.Execute());
  EXPECT_TRUE(thread.RunningAndNotSuspended());
  const TWorker worker(id);
  thread.Terminate(true);
  EXPECT_TRUE(worker.Ended());
}

TEST_F(UpgradeThread, KillingFromASynchronisedCallWaitsUntilTheCallReturns) {
  TulCustomThread thread;
  std::atomic<DWORD> id{0};
  std::atomic<bool> afterCall{false};
  size_t seenLength = 0;
  bool aliveDuringCall = false;
  std::unique_ptr<TWorker> worker;
  thread.OnExecute = [&](TulCustomThread& sender) {
    id = GetCurrentThreadId();
    const std::string local(1000, 'w');  // the worker's data, used by the main thread
    sender.Synchronize([&] {
      worker = std::make_unique<TWorker>(id);
      sender.Terminate(true);
      aliveDuringCall = !worker->Ended();
      seenLength = local.size();
    });
    afterCall = true;
  };
  ASSERT_TRUE(thread.Execute());
  ASSERT_TRUE(PumpUntil([&] { return worker != nullptr && worker->Ended(); }));
  EXPECT_TRUE(aliveDuringCall);
  EXPECT_EQ(seenLength, 1000u);
  EXPECT_FALSE(afterCall);
  // The component goes on with a new run.
  bool ran = false;
  thread.OnExecute = [&](TulCustomThread&) { ran = true; };
  ASSERT_TRUE(thread.Execute());
  thread.WaitFor();
  EXPECT_TRUE(ran);
}

TEST_F(UpgradeThread, DestroyingTheComponentKillsItsWorker) {
  auto thread = std::make_unique<TulCustomThread>();
  std::atomic<DWORD> id{0};
  bool terminated = false;
  thread->OnExecute = [&](TulCustomThread&) {
    id = GetCurrentThreadId();
    for (;;) Sleep(1);
  };
  thread->OnTerminate = [&](TulCustomThread&) { terminated = true; };
  ASSERT_TRUE(thread->Execute());
  ASSERT_TRUE(PumpUntil([&] { return id != 0; }));
  const TWorker worker(id);
  thread.reset();
  EXPECT_TRUE(worker.Ended());
  Application().ProcessMessages();
  EXPECT_FALSE(terminated);
}

// ---- Errors ----

TEST_F(UpgradeThread, AnErrorInOnExecuteReachesOnExceptionOnTheMainThread) {
  TulCustomThread thread;
  std::vector<std::string> events;
  DWORD exceptionOn = 0;
  thread.OnExecute = [](TulCustomThread&) { throw std::runtime_error("boom"); };
  thread.OnException = [&](TulCustomThread&, std::exception_ptr error) {
    exceptionOn = GetCurrentThreadId();
    events.push_back("exception " + MessageOf(error));
  };
  thread.OnTerminate = [&](TulCustomThread&) { events.push_back("terminate"); };
  ASSERT_TRUE(thread.Execute());
  ASSERT_TRUE(PumpUntil([&] { return events.size() == 2; }));
  EXPECT_EQ(events, (std::vector<std::string>{"exception boom", "terminate"}));
  EXPECT_EQ(exceptionOn, FMain);
}

TEST_F(UpgradeThread, AnErrorInASynchronisedCallGoesToOnExceptionAndTheWorkerGoesOn) {
  TulCustomThread thread;
  std::vector<std::string> events;
  std::atomic<bool> wentOn{false};
  thread.OnExecute = [&](TulCustomThread& sender) {
    sender.Synchronize([] { throw std::logic_error("in the call"); });
    wentOn = true;
  };
  thread.OnException = [&](TulCustomThread&, std::exception_ptr error) {
    events.push_back(MessageOf(error));
  };
  ASSERT_TRUE(thread.Execute());
  thread.WaitFor();
  EXPECT_TRUE(wentOn);
  EXPECT_EQ(events, std::vector<std::string>{"in the call"});
}

std::vector<std::wstring> gReported;
void RecordReport(std::wstring_view label) { gReported.emplace_back(label); }

TEST_F(UpgradeThread, WithoutHandleExceptionsErrorsReachTheWorkerAndThenTheProgramsHandler) {
  SetUiExceptionHandler(RecordReport);
  gReported.clear();
  TulCustomThread thread;
  thread.SetHandleExceptions(false);
  std::string caughtOnWorker;
  bool exceptionRaised = false;
  bool terminated = false;
  thread.OnExecute = [&](TulCustomThread& sender) {
    try {
      sender.Synchronize([] { throw std::runtime_error("raised again"); });
    } catch (const std::exception& e) {
      caughtOnWorker = e.what();
    }
    throw std::runtime_error("uncaught");
  };
  thread.OnException = [&](TulCustomThread&, std::exception_ptr) { exceptionRaised = true; };
  thread.OnTerminate = [&](TulCustomThread&) { terminated = true; };
  ASSERT_TRUE(thread.Execute());
  thread.WaitFor();
  SetUiExceptionHandler(nullptr);
  EXPECT_EQ(caughtOnWorker, "raised again");
  EXPECT_FALSE(exceptionRaised);
  EXPECT_TRUE(terminated);  // the run still completes
  EXPECT_EQ(gReported, std::vector<std::wstring>{L"TulCustomThread.Execute"});
}

// ---- Suspending, priorities, starting again ----

TEST_F(UpgradeThread, SuspendFreezesTheWorkerUntilResume) {
  TulCustomThread thread;
  std::atomic<long> count{0};
  thread.OnExecute = [&](TulCustomThread& sender) {
    while (!sender.Terminated()) ++count;
  };
  ASSERT_TRUE(thread.Execute());
  ASSERT_TRUE(PumpUntil([&] { return count > 0; }));
  thread.Suspend();
  EXPECT_TRUE(thread.Suspended());
  EXPECT_FALSE(thread.RunningAndNotSuspended());
  EXPECT_EQ(SuspendThread(thread.Handle()), 1u);  // the system agrees: it was suspended once
  ResumeThread(thread.Handle());
  TulWaitHandle handle{INVALID_HANDLE_VALUE};
  EXPECT_FALSE(thread.WaitForEvent(handle, 0));
  const long at = count;
  thread.SetSuspended(false);
  EXPECT_FALSE(thread.Suspended());
  EXPECT_TRUE(PumpUntil([&] { return count > at; }));
  thread.Terminate();
  thread.WaitFor();
}

TEST_F(UpgradeThread, PrioritiesMapToTheSystemsAndStayForNewRuns) {
  TulCustomThread thread;
  EXPECT_EQ(thread.Priority(), tpNormal);
  thread.SetPriority(tpLowest);
  EXPECT_EQ(GetThreadPriority(thread.Handle()), THREAD_PRIORITY_LOWEST);
  EXPECT_EQ(thread.Priority(), tpLowest);
  thread.OnExecute = [](TulCustomThread&) {};
  ASSERT_TRUE(thread.Execute());
  EXPECT_EQ(GetThreadPriority(thread.Handle()), THREAD_PRIORITY_LOWEST);
  thread.WaitFor();
  thread.SetPriority(tpHigher);
  EXPECT_EQ(thread.Priority(), tpHigher);
  thread.Terminate(true);
  EXPECT_EQ(GetThreadPriority(thread.Handle()), THREAD_PRIORITY_ABOVE_NORMAL);
}

TEST_F(UpgradeThread, OnTerminateMayStartTheNextRun) {
  TulCustomThread thread;
  std::atomic<int> executed{0};
  int terminated = 0;
  thread.OnExecute = [&](TulCustomThread&) { ++executed; };
  thread.OnTerminate = [&](TulCustomThread& sender) {
    if (++terminated < 3) {
      EXPECT_TRUE(sender.Execute());
    }
  };
  ASSERT_TRUE(thread.Execute());
  ASSERT_TRUE(PumpUntil([&] { return terminated == 3; }));
  EXPECT_EQ(executed, 3);
}

TEST_F(UpgradeThread, FreeOwnerOnTerminateFreesTheComponentThatUsesTheThread) {
  struct TOwner {
    explicit TOwner(DWORD& freedOn) : FreedOn(freedOn) {}
    ~TOwner() { FreedOn = GetCurrentThreadId(); }
    DWORD& FreedOn;
    TulCustomThread Thread{[this] { delete this; }};
  };
  DWORD freedOn = 0;
  auto* owner = new TOwner(freedOn);
  owner->Thread.SetFreeOwnerOnTerminate(true);
  owner->Thread.OnExecute = [](TulCustomThread&) {};
  ASSERT_TRUE(owner->Thread.Execute());
  ASSERT_TRUE(PumpUntil([&] { return freedOn != 0; }));
  EXPECT_EQ(freedOn, FMain);
  // The run, left to end by itself, is freed too: the last user takes the window with it.
  EXPECT_TRUE(PumpUntil([] { return SyncWindow() == nullptr; }));
}

TEST_F(UpgradeThread, TheSynchronisationWindowLivesAsLongAsAThreadDoes) {
  {
    TulCustomThread first;
    const HWND window = SyncWindow();
    ASSERT_NE(window, nullptr);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    EXPECT_STREQ(name, L"TulThreadWindow");
    EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), FMain);
    {
      TulCustomThread second;
      EXPECT_EQ(SyncWindow(), window);
    }
    // A stray message, even from another program, names no run of ours: nothing happens.
    int notARun = 0;
    EXPECT_EQ(SendMessageW(window, 0x8FFF, 1, reinterpret_cast<LPARAM>(&notARun)), 0);
    EXPECT_EQ(SendMessageW(window, 0x8FFF, 0, 0x12345678), 0);
    EXPECT_EQ(notARun, 0);
    EXPECT_EQ(SyncWindow(), window);
  }
  // At once, unless a run of an earlier test still waits to be freed.
  EXPECT_TRUE(PumpUntil([] { return SyncWindow() == nullptr; }));
}

TEST_F(UpgradeThread, ExecuteAndWaitForEventReturnsOnceTheWorkerSignals) {
  TulCustomThread thread;
  TulWaitHandle handle{INVALID_HANDLE_VALUE};
  std::atomic<bool> release{false};
  thread.OnExecute = [&](TulCustomThread&) {
    SignalWaitHandle(handle);  // at once: the event exists before the run starts
    while (!release) Sleep(1);
  };
  EXPECT_TRUE(thread.ExecuteAndWaitForEvent(handle, 20));
  EXPECT_EQ(handle.load(), INVALID_HANDLE_VALUE);
  EXPECT_TRUE(thread.RunningAndNotSuspended());
  EXPECT_FALSE(thread.ExecuteAndWaitForEvent(handle, 0));  // one is running
  release = true;
  thread.WaitFor();

  thread.OnExecute = [&](TulCustomThread&) {
    while (handle.load() == INVALID_HANDLE_VALUE) Sleep(1);
    SignalWaitHandle(handle);
    while (!release) Sleep(1);
  };
  release = false;
  ASSERT_TRUE(thread.Execute());
  EXPECT_TRUE(thread.WaitForEvent(handle, 0));
  release = true;
  thread.WaitFor();

  thread.OnExecute = [](TulCustomThread&) {};  // ends without a signal
  EXPECT_FALSE(thread.ExecuteAndWaitForEvent(handle, 0));
  EXPECT_EQ(handle.load(), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(thread.WaitForEvent(handle, 0));  // nothing running
}

}  // namespace
