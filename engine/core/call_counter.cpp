#include "engine/core/call_counter.h"

#include <windows.h>

namespace {

// The innermost call scope of this thread.
thread_local TCallCounter::TScope* tInnermost = nullptr;

}  // namespace

TCallCounter::TScope::TScope(TCallCounter& counter) noexcept
    : FCounter(counter), FOuter(tInnermost) {
  FCounter.FCalls.fetch_add(1);
  tInnermost = this;
}

TCallCounter::TScope::~TScope() {
  tInnermost = FOuter;
  FCounter.FCalls.fetch_sub(1);
}

void TCallCounter::WaitForCalls() const {
  int own = 0;
  for (const TScope* scope = tInnermost; scope != nullptr; scope = scope->FOuter) {
    if (&scope->FCounter == this) ++own;
  }
  while (FCalls.load() > own) {
    // Wakes at once for a message sent from another thread (which PeekMessage then delivers),
    // else looks again after a millisecond: calls in progress end quickly.
    MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_SENDMESSAGE, 0);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}
