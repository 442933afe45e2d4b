#ifndef OSTREL_UPGRADE_SUPPORT_UL_EVENT_THREAD_H_
#define OSTREL_UPGRADE_SUPPORT_UL_EVENT_THREAD_H_

// TulEventThread: one run of a TulCustomThread on an operating-system thread of its own, and the
// hidden window through which runs synchronise with the main thread. Only ul_thread.cpp uses it.
//
// Who frees a run: the component, while the run is its current one; a run the component lets go
// of while it finishes (an "orphan") is freed on the main thread once its thread has ended; a
// run the component kills is freed right after. The worker never takes a lock and never frees
// anything itself, so it can be killed without leaving the main thread stuck.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>

#include "base/handle.h"
#include "ui/messages.h"
#include "upgrade/support/ul_thread.h"

enum TRunPhase : int {
  rpIdle,       // made suspended, never started
  rpStarted,    // in OnExecute, or about to be
  rpFinishing,  // OnExecute done: the terminate step and the end
  rpEnded,      // the thread procedure returns
  rpOrphan,     // finishing, no longer the component's
  rpKilled,     // being killed
};

class TulEventThread {
 public:
  // Main thread. The thread is made suspended, with `priority` (a THREAD_PRIORITY_ value).
  TulEventThread(TulCustomThread& owner, int priority);
  // Main thread: lets a thread that never started run its first step (which ends it) and
  // waits for it; never called for a running one.
  ~TulEventThread();
  TulEventThread(const TulEventThread&) = delete;
  TulEventThread& operator=(const TulEventThread&) = delete;

  // Main thread. Takes the owner's events and settings and resumes the thread; false when it
  // was started before or could not be.
  bool Start();
  // Main thread. The owner lets go of `run`: freed at once when idle or ended, left to end when
  // finishing, killed and freed while still in OnExecute (once the main thread has finished a
  // call of it that is running).
  static void Retire(TulEventThread* run);
  // Main thread. Freezes the worker, where it runs the program's own code if it can.
  void Suspend();

  // The run of the calling thread when it is a worker, else nullptr.
  static TulEventThread* OfCallingThread();
  static bool OnMainThread();  // the thread of the synchronisation window
  // Main thread, from the synchronisation window: `call` of `run` (0: free the ended `run`).
  static void Dispatch(TulEventThread* run, WPARAM call);
  // Worker: runs `method` through the synchronisation window and waits for it.
  void Synchronize(const std::function<void()>& method);
  // Main thread: a call of this run is running (the worker waits for it).
  bool InSynchronizedCall() const { return FInSync > 0; }

  THandle FHandle;
  DWORD FThreadID = 0;
  std::atomic<bool> FTerminated{false};
  bool FSuspended = true;  // main thread
  std::atomic<bool> FRunning{false};
  std::atomic<bool> FEntered{false};  // the thread procedure has begun
  std::atomic<int> FReturnValue{0};
  std::atomic<int> FPhase{rpIdle};
  std::atomic<TulCustomThread*> FOwner;   // nullptr once the component let go
  const TulCustomThread* const FCreator;  // compared only, never used
  std::atomic<uintptr_t> FCall{0};        // the number of the call waiting for the main thread

 private:
  static DWORD WINAPI ThreadProc(void* parameter);

  // Worker.
  void RunOnExecute();
  void EnterFinishing();
  DWORD End();
  [[noreturn]] static void Park();
  // Main thread.
  void RunSynchronized();
  void TerminateStep();
  void RaiseOnException(const std::exception_ptr& error);
  void Kill();

  // What the run uses, taken from the owner by Start.
  TulThreadEvent FOnExecute;
  TulThreadExceptionEvent FOnException;
  TulThreadEvent FOnTerminate;
  bool FHandleExceptions = true;
  bool FFreeOnTerminate = false;  // the owner's FreeOwnerOnTerminate
  // The call in progress: set by the worker before the send, used by the main thread in it.
  const std::function<void()>* FMethod = nullptr;
  std::exception_ptr FSynchronizeException;
  // Main thread: a call of this run is running, and the run is to be killed when it returns.
  int FInSync = 0;
  bool FKillAfterSync = false;
};

#endif  // OSTREL_UPGRADE_SUPPORT_UL_EVENT_THREAD_H_
