#ifndef OSTREL_UPGRADE_SUPPORT_UL_THREAD_H_
#define OSTREL_UPGRADE_SUPPORT_UL_THREAD_H_

// TulCustomThread: a worker thread whose events arrive on the main thread. OnExecute runs on the
// worker; whatever it shows to the application goes through Synchronize, which runs a call on
// the main thread (through the hidden window "TulThreadWindow" that all threads share) while the
// worker waits. OnException and OnTerminate run on the main thread too.
//
// The component, its settings and its events belong to the main thread; create and destroy it
// there. On the worker, use only Synchronize, SynchronizeEx, Terminated and SetReturnValue.
// Every run takes the events and settings as they are when it starts.
//
// Every wait on the main thread keeps the synchronising calls flowing (WaitFor lets them in,
// the other waits handle all messages), so a worker that synchronises while the main thread
// waits for it cannot deadlock.
//
// Killing. Terminate(true), an expired WaitTimeout and destroying the component end a worker
// that is still in OnExecute with TerminateThread. The worker then holds no lock of this
// library; it is stopped where it runs the program's own code if it gets there within a moment,
// not inside the system's heap, loader or a wait for a critical section; and a worker waiting in
// Synchronize dies only once the main thread has finished the call, which may use the worker's
// data. What the worker's own code holds is lost with it: OnExecute code that may be killed must
// not hold a lock the main thread needs (a mutex, a critical section, a file it must reopen),
// and what it allocated is not freed. Suspend stops the worker the same careful way.

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <memory>

#include "upgrade/support/ul_wait.h"

enum TulThreadPriority : int {
  tpIdle,
  tpLowest,
  tpLower,
  tpNormal,
  tpHigher,
  tpHighest,
  tpTimeCritical,
};

class TulCustomThread;
class TulEventThread;  // one run of the thread (ul_thread.cpp)

using TulThreadEvent = std::function<void(TulCustomThread& sender)>;
using TulThreadExceptionEvent =
    std::function<void(TulCustomThread& sender, std::exception_ptr error)>;
using TulWaitTimeoutEvent = std::function<void(TulCustomThread& sender, bool& terminateThread)>;

class TulCustomThread {
 public:
  // `freeOwner` frees the component that uses this thread, for FreeOwnerOnTerminate.
  explicit TulCustomThread(std::function<void()> freeOwner = nullptr);
  // Kills a worker still in OnExecute; one that has finished it ends by itself.
  ~TulCustomThread();
  TulCustomThread(const TulCustomThread&) = delete;
  TulCustomThread& operator=(const TulCustomThread&) = delete;

  // Starts a new run. False while the last run is still in OnExecute: end it first (Terminate).
  // Called from OnTerminate, the new run starts while the last one finishes. With WaitThread,
  // returns once the run has ended (or the component is destroyed or the application
  // terminates), handling messages; when WaitTimeout passes first, OnWaitTimeoutExpired decides
  // whether the worker is killed, and the result is false if it is.
  bool Execute();
  // Starts a run as Execute does (false when one is running unsuspended) and waits for it as
  // WaitForEvent does. The event is made before the run starts, so no signal is lost.
  bool ExecuteAndWaitForEvent(TulWaitHandle& waitHandle, DWORD timeoutMs);
  // With a run going on unsuspended: puts an event in `waitHandle` and waits, handling
  // messages, until it is signalled (true) or the run ends, the component is destroyed, the
  // application terminates or the thread is suspended (false). `timeoutMs` (0: none) only paces
  // the checks. `waitHandle` is -1 again afterwards.
  bool WaitForEvent(TulWaitHandle& waitHandle, DWORD timeoutMs);

  // On the worker: runs `method` on the main thread and waits for it; nothing runs while the
  // component is being destroyed. An error it raises goes to OnException (HandleExceptions) or
  // is raised again here. On the main thread `method` runs at once.
  void Synchronize(const std::function<void()>& method);
  void SynchronizeEx(const std::function<void(void* sender)>& method, void* parameter);

  // Without `imediately` only sets the stop flag, which OnExecute must look at (Terminated).
  // With it (not from the worker itself), the run is replaced by a fresh suspended one with the
  // same priority; a worker still in OnExecute is killed.
  void Terminate(bool imediately = false);
  // For the owner going away: asks the run to stop and waits up to `timeoutMs` for it to end,
  // refusing the calls it makes to the main thread meanwhile (nothing else is dispatched); a
  // run still going then is killed. No run or event of this thread follows.
  void EndRun(DWORD timeoutMs);
  bool Terminated() const;

  void Suspend();
  void Resume();  // also starts a run that was never started, as Execute would
  // Waits for the run to end and returns its exit code; on the main thread it lets the worker's
  // synchronising calls in meanwhile. A wait that could never end (for a run not started, on
  // the worker itself, inside one of the run's own events) returns the exit code so far at once.
  DWORD WaitFor();

  HANDLE Handle() const;
  DWORD ThreadID() const;
  bool Running() const;  // started and not ended
  bool RunningAndNotSuspended() const;
  int ReturnValue() const;
  void SetReturnValue(int value);  // the run's exit code

  bool Suspended() const;
  void SetSuspended(bool suspended);
  TulThreadPriority Priority() const;  // tpNormal for a value outside the list
  void SetPriority(TulThreadPriority priority);
  // After the run, the component that uses this thread is freed (through `freeOwner`).
  bool FreeOwnerOnTerminate() const { return FFreeOwnerOnTerminate; }
  void SetFreeOwnerOnTerminate(bool value) { FFreeOwnerOnTerminate = value; }
  // Errors of OnExecute and of synchronised calls go to OnException; without, they are raised
  // again on the worker and, where nothing catches them, reported to the program's handler.
  bool HandleExceptions() const { return FHandleExceptions; }
  void SetHandleExceptions(bool value) { FHandleExceptions = value; }
  bool WaitThread() const { return FWaitThread; }
  void SetWaitThread(bool value) { FWaitThread = value; }
  DWORD WaitTimeout() const { return FWaitTimeout; }  // ms; 0: none
  void SetWaitTimeout(DWORD timeoutMs) { FWaitTimeout = timeoutMs; }

  TulThreadEvent OnExecute;  // on the worker
  TulThreadExceptionEvent OnException;
  TulThreadEvent OnTerminate;
  TulWaitTimeoutEvent OnWaitTimeoutExpired;  // terminateThread comes in true

 private:
  friend class TulEventThread;
  // The worker's own run when called from it, else the current run.
  TulEventThread& Current() const;
  // A fresh run takes the place of the current one, which is ended or left to end.
  void Replace();
  bool WaitForEventOrEnd(HANDLE event, DWORD timeoutMs);

  TulEventThread* FThread = nullptr;
  std::function<void()> FFreeOwner;
  std::atomic<bool> FDestroying{false};
  TulThreadPriority FPriority = tpNormal;
  bool FFreeOwnerOnTerminate = false;
  bool FHandleExceptions = true;
  bool FWaitThread = false;
  DWORD FWaitTimeout = 0;
  std::shared_ptr<int> FLife = std::make_shared<int>(0);  // waits check it after messages
};

#endif  // OSTREL_UPGRADE_SUPPORT_UL_THREAD_H_
