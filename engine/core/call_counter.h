#ifndef OSTREL_ENGINE_CORE_CALL_COUNTER_H_
#define OSTREL_ENGINE_CORE_CALL_COUNTER_H_

// Calls in progress into an object that another thread may tear down. Engine threads call
// handler objects and hooked window procedures while the main thread detaches them; the owner
// counts each call (TCallCounter::TScope) and, before it frees what those calls use, waits for
// the count to drop (WaitForCalls). The wait runs on the main thread and keeps answering
// messages sent to it meanwhile, so a call that sends to the main thread still completes. Calls
// the waiting thread is itself inside are not waited for: that would never end.

#include <atomic>
#include <string_view>

#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/exception_policy.h"

class TCallCounter {
 public:
  TCallCounter() = default;
  TCallCounter(const TCallCounter&) = delete;
  TCallCounter& operator=(const TCallCounter&) = delete;

  // One call in progress, for the lifetime of the scope.
  class TScope {
   public:
    explicit TScope(TCallCounter& counter) noexcept;
    ~TScope();
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;

   private:
    friend class TCallCounter;
    TCallCounter& FCounter;
    TScope* FOuter;  // the scope this thread was in before (a thread-local chain)
  };

  int CallsInProgress() const noexcept { return FCalls.load(); }
  // Returns once every call of other threads has left.
  void WaitForCalls() const;

 private:
  std::atomic<int> FCalls{0};
};

// The counted link from objects the engine calls (handlers, callbacks) to the program object they
// report to. The owner detaches it (later calls get the caller's neutral answer) and, before it
// goes away, waits for the calls still running through it.
template <class T>
class TCallTarget final : public TRefCountedObject {
 public:
  explicit TCallTarget(T* target) noexcept : FTarget(target) {}

  // `call(target)` while attached, else `fallback()`.
  template <class Call, class Fallback>
  decltype(auto) Forward(Call&& call, Fallback&& fallback) {
    const TCallCounter::TScope scope(FCounter);
    if (T* target = FTarget.load()) return call(*target);
    return fallback();
  }

  // `call(target)` while attached, stopping its exceptions as GuardRoutine does under `routine`;
  // `neutral` when detached or when the call failed.
  template <class R, class Call>
  R ForwardGuarded(std::wstring_view routine, R neutral, Call&& call) {
    return Forward(
        [&](T& target) { return GuardRoutine(routine, neutral, [&] { return call(target); }); },
        [&] { return neutral; });
  }
  template <class Call>
  void ForwardGuarded(std::wstring_view routine, Call&& call) {
    Forward([&](T& target) { GuardRoutine(routine, [&] { call(target); }); }, [] {});
  }

  T* Get() const noexcept { return FTarget.load(); }
  void Detach() noexcept { FTarget.store(nullptr); }
  void WaitForCalls() const { FCounter.WaitForCalls(); }

 private:
  std::atomic<T*> FTarget;
  TCallCounter FCounter;
};

#endif  // OSTREL_ENGINE_CORE_CALL_COUNTER_H_
