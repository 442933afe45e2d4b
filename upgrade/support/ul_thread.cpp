#include "upgrade/support/ul_thread.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "ui/application.h"
#include "upgrade/support/ul_event_thread.h"

namespace {

constexpr int kPriorities[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,
                               THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                               THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                               THREAD_PRIORITY_TIME_CRITICAL};

// A handle of our own on a run's thread: the run may be replaced and freed (its handle closed)
// by a handler that runs while we wait.
THandle OwnThreadHandle(HANDLE thread) {
  HANDLE own = nullptr;
  if (thread == nullptr || !DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &own,
                                            SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0)) {
    return nullptr;
  }
  return THandle(own);
}

}  // namespace

TulCustomThread::TulCustomThread(std::function<void()> freeOwner)
    : FFreeOwner(std::move(freeOwner)) {
  FThread = new TulEventThread(*this, kPriorities[FPriority]);
}

TulCustomThread::~TulCustomThread() {
  FDestroying = true;
  FLife.reset();
  TulEventThread::Retire(FThread);
}

TulEventThread& TulCustomThread::Current() const {
  TulEventThread* run = TulEventThread::OfCallingThread();
  return run != nullptr && run->FCreator == this ? *run : *FThread;
}

void TulCustomThread::Replace() {
  TulEventThread* old = std::exchange(FThread, new TulEventThread(*this, kPriorities[FPriority]));
  TulEventThread::Retire(old);
}

bool TulCustomThread::Execute() {
  if (FThread->FPhase.load() == rpStarted) return false;
  Replace();
  TulEventThread& run = *FThread;
  if (!run.Start()) return false;
  if (!FWaitThread) return true;
  const THandle thread = OwnThreadHandle(run.FHandle.get());
  const DWORD id = run.FThreadID;
  const std::weak_ptr<int> life = FLife;
  const int result = MsgWaitForHandles({thread.get()}, FWaitTimeout, [&life] {
    return life.expired() || Application().Terminated();
  });
  if (result != kWaitTimedOut || life.expired()) return true;
  bool terminateThread = true;
  if (TulWaitTimeoutEvent handler = OnWaitTimeoutExpired) handler(*this, terminateThread);
  if (terminateThread && !life.expired() && FThread->FThreadID == id) Terminate(true);
  return !terminateThread;
}

bool TulCustomThread::ExecuteAndWaitForEvent(TulWaitHandle& waitHandle, DWORD timeoutMs) {
  if (RunningAndNotSuspended()) return false;
  const std::weak_ptr<int> life = FLife;
  const TulWaitEvent event(waitHandle);
  if (event.Handle() == nullptr || !Execute() || life.expired()) return false;
  return WaitForEventOrEnd(event.Handle(), timeoutMs);
}

bool TulCustomThread::WaitForEvent(TulWaitHandle& waitHandle, DWORD timeoutMs) {
  if (!RunningAndNotSuspended()) return false;
  const TulWaitEvent event(waitHandle);
  return event.Handle() != nullptr && WaitForEventOrEnd(event.Handle(), timeoutMs);
}

bool TulCustomThread::WaitForEventOrEnd(HANDLE event, DWORD timeoutMs) {
  const THandle thread = OwnThreadHandle(FThread->FHandle.get());
  const std::weak_ptr<int> life = FLife;
  const auto stop = [this, &life] {
    return life.expired() || Application().Terminated() || FThread->FSuspended;
  };
  for (;;) {
    // The event comes first: signalled just before the end still counts.
    const int result = MsgWaitForHandles({event, thread.get()}, timeoutMs, stop);
    if (result != kWaitTimedOut) return result == 0;
  }
}

void TulCustomThread::Synchronize(const std::function<void()>& method) {
  if (!method) return;
  if (TulEventThread* run = TulEventThread::OfCallingThread()) {
    run->Synchronize(method);
  } else if (!FDestroying) {
    method();
  }
}

void TulCustomThread::SynchronizeEx(const std::function<void(void* sender)>& method,
                                    void* parameter) {
  if (method) Synchronize([&method, parameter] { method(parameter); });
}

void TulCustomThread::Terminate(bool imediately) {
  Current().FTerminated = true;
  // A worker cannot kill itself this way: it only learns that it should stop.
  if (imediately && TulEventThread::OfCallingThread() == nullptr) Replace();
}

bool TulCustomThread::Terminated() const { return Current().FTerminated; }

void TulCustomThread::EndRun(DWORD timeoutMs) {
  FDestroying = true;  // its synchronised calls now return at once
  TulEventThread& run = *FThread;
  run.FTerminated = true;
  // From inside one of its calls the run waits for us: nothing to wait for.
  if (run.FPhase.load() == rpStarted && run.FHandle && !run.InSynchronizedCall()) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
      // Delivers the calls it sends (refused) and nothing else.
      MSG message;
      PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) break;
      const DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20));
      HANDLE running = run.FHandle.get();
      if (MsgWaitForMultipleObjectsEx(1, &running, slice, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE) ==
          WAIT_OBJECT_0) {
        break;
      }
    }
  }
  Replace();  // what still runs is killed (or, finishing, left to end by itself)
}

void TulCustomThread::Suspend() { FThread->Suspend(); }

void TulCustomThread::Resume() {
  TulEventThread& run = *FThread;
  if (run.FPhase.load() == rpIdle) {
    run.Start();
  } else if (const DWORD previous = ResumeThread(run.FHandle.get()); previous <= 1) {
    run.FSuspended = false;
  }
}

DWORD TulCustomThread::WaitFor() {
  TulEventThread& run = *FThread;
  // Waiting would never end: for a run not started, from its own thread, from inside one of its
  // calls (the worker waits for the call to return).
  if (run.FPhase.load() == rpIdle || run.FThreadID == GetCurrentThreadId() ||
      run.InSynchronizedCall()) {
    return static_cast<DWORD>(run.FReturnValue.load());
  }
  const THandle thread = OwnThreadHandle(run.FHandle.get());
  HANDLE handle = thread.get();
  if (handle == nullptr) return 0;
  if (TulEventThread::OnMainThread()) {
    // Only sent messages come in: the worker's synchronising calls, nothing else runs here.
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
      MSG message;
      PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  } else {
    WaitForSingleObject(handle, INFINITE);
  }
  DWORD code = 0;
  GetExitCodeThread(handle, &code);
  return code;
}

HANDLE TulCustomThread::Handle() const { return FThread->FHandle.get(); }
DWORD TulCustomThread::ThreadID() const { return FThread->FThreadID; }
bool TulCustomThread::Running() const { return FThread->FRunning; }
bool TulCustomThread::RunningAndNotSuspended() const { return Running() && !Suspended(); }
int TulCustomThread::ReturnValue() const { return Current().FReturnValue; }
void TulCustomThread::SetReturnValue(int value) { Current().FReturnValue = value; }
bool TulCustomThread::Suspended() const { return FThread->FSuspended; }

void TulCustomThread::SetSuspended(bool suspended) {
  if (suspended) {
    Suspend();
  } else {
    Resume();
  }
}

TulThreadPriority TulCustomThread::Priority() const {
  const int value = GetThreadPriority(FThread->FHandle.get());
  const auto at = std::find(std::begin(kPriorities), std::end(kPriorities), value);
  return at == std::end(kPriorities) ? tpNormal
                                     : static_cast<TulThreadPriority>(at - std::begin(kPriorities));
}

void TulCustomThread::SetPriority(TulThreadPriority priority) {
  FPriority = priority;
  SetThreadPriority(FThread->FHandle.get(), kPriorities[priority]);
}
