#include "upgrade/support/ul_wait.h"

#include <vector>

#include "ui/application.h"

int MsgWaitForHandles(std::initializer_list<HANDLE> handles, DWORD timeoutMs,
                      const std::function<bool()>& stop) {
  const std::vector<HANDLE> list(handles);
  const DWORD count = static_cast<DWORD>(list.size());
  const ULONGLONG deadline = timeoutMs == 0 ? 0 : GetTickCount64() + timeoutMs;
  for (;;) {
    if (stop && stop()) return kWaitStopped;
    DWORD wait = INFINITE;
    if (deadline != 0) {
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) return kWaitTimedOut;
      wait = static_cast<DWORD>(deadline - now);
    }
    // MWMO_INPUTAVAILABLE: input that arrived before the call wakes it too, not only new input.
    const DWORD result =
        MsgWaitForMultipleObjectsEx(count, list.data(), wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result < WAIT_OBJECT_0 + count) return static_cast<int>(result - WAIT_OBJECT_0);
    if (result == WAIT_OBJECT_0 + count) {
      Application().ProcessMessages();
    } else if (result == WAIT_TIMEOUT) {
      return kWaitTimedOut;
    } else {
      return kWaitStopped;
    }
  }
}

TulWaitEvent::TulWaitEvent(TulWaitHandle& handle)
    : FVariable(handle), FEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (FEvent) FVariable.store(FEvent.get());
}

TulWaitEvent::~TulWaitEvent() {
  if (!FEvent) return;
  // Taken out before it is closed: a signal from now on finds -1.
  HANDLE expected = FEvent.get();
  FVariable.compare_exchange_strong(expected, INVALID_HANDLE_VALUE);
}

bool WaitForSignal(TulWaitHandle& handle, DWORD timeoutMs, bool stopOnTerminate) {
  const TulWaitEvent event(handle);
  if (event.Handle() == nullptr) return false;
  return MsgWaitForHandles({event.Handle()}, timeoutMs, [stopOnTerminate] {
           return stopOnTerminate && Application().Terminated();
         }) == 0;
}

void SignalWaitHandle(const TulWaitHandle& handle) {
  const HANDLE event = handle.load();
  if (event != INVALID_HANDLE_VALUE && event != nullptr) SetEvent(event);
}
