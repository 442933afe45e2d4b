#ifndef OSTREL_UPGRADE_SUPPORT_UL_WAIT_H_
#define OSTREL_UPGRADE_SUPPORT_UL_WAIT_H_

// Waiting on the main thread without freezing it: the waits below handle the thread's messages
// through the program's own loop (Application().ProcessMessages), so windows stay responsive,
// dialog keys work and workers that synchronise with the main thread go on. Handlers may
// therefore run inside a wait, and may even destroy what waits: the waits take care not to
// touch it afterwards.

#include <windows.h>

#include <atomic>
#include <functional>
#include <initializer_list>

#include "base/handle.h"

inline constexpr int kWaitTimedOut = -1;
inline constexpr int kWaitStopped = -2;

// Waits until one of `handles` is signalled, handling messages meanwhile; returns its index,
// kWaitTimedOut once `timeoutMs` has passed (0: no limit) or kWaitStopped when `stop`, asked
// before each wait, says so (or the wait failed).
int MsgWaitForHandles(std::initializer_list<HANDLE> handles, DWORD timeoutMs,
                      const std::function<bool()>& stop);

// The event a waiter blocks on, -1 (INVALID_HANDLE_VALUE) while nobody waits. Initialise it so:
//   TulWaitHandle FWaitHandle{INVALID_HANDLE_VALUE};
using TulWaitHandle = std::atomic<HANDLE>;

// Holds a new manual-reset event in `handle` for as long as it lives, then closes it and puts
// -1 back.
class TulWaitEvent {
 public:
  explicit TulWaitEvent(TulWaitHandle& handle);
  ~TulWaitEvent();
  TulWaitEvent(const TulWaitEvent&) = delete;
  TulWaitEvent& operator=(const TulWaitEvent&) = delete;
  HANDLE Handle() const { return FEvent.get(); }

 private:
  TulWaitHandle& FVariable;
  THandle FEvent;
};

// Waits, handling messages, until `handle` is signalled (true), `timeoutMs` has passed (0: no
// limit) or, with `stopOnTerminate`, the application is terminating.
bool WaitForSignal(TulWaitHandle& handle, DWORD timeoutMs, bool stopOnTerminate);
// Releases the waiter of `handle`, if there is one. Any thread.
void SignalWaitHandle(const TulWaitHandle& handle);

#endif  // OSTREL_UPGRADE_SUPPORT_UL_WAIT_H_
