#ifndef OSTREL_ENGINE_CORE_CEF_REF_CALL_H_
#define OSTREL_ENGINE_CORE_CEF_REF_CALL_H_

// How a reference wrapper (TCef…Ref) calls the functions of the engine structure it holds, and
// the engine's exported functions.
//
// The program's values go in and come out as the engine callbacks (engine_callback.h) convert
// them the other way, by the engine function's own types:
//  - a string argument goes in as a record borrowing the string's buffer for the call;
//  - a program object argument goes in as its structure with one reference handed to the engine
//    (+1); a structure pointer itself is refused, so that no reference can get lost;
//  - a string result comes out as its text (the engine's record is freed), an object result as
//    the wrapper UnWrapEngine gives for its type (taking over its reference);
//  - anything else passes unchanged (a bool argument becomes the engine's 1/0 by itself, an int
//    result that stands for a Boolean is compared with 0 by the caller).
//
// An absent function: the real engine fills every function pointer of the structures it hands
// out, but the stand-in engine and the tests' fake structures fill only what they simulate. So an
// absent function makes the operation do nothing and give the neutral result (0, false, null, an
// empty string or wrapper) instead of jumping to address 0; the references the object arguments
// were handed with come back.

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_api.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/core/cef_string_collections.h"

// A pointer to a counted engine structure (one that starts with the counting header).
template <class T>
concept CountedEngineStructPointer = std::is_pointer_v<T> && requires(T data) {
  { data->base } -> std::same_as<cef_base_ref_counted_t&>;
};

// An engine object without a typed wrapper: held through the generic counted wrapper. The
// reference wrappers declare `UnWrapEngine(S*)` for their structure.
template <CountedEngineStructPointer S>
CefRefPtr<ICefBaseRefCounted> UnWrapEngine(S data) {
  return TCefBaseRefCountedRef::UnWrap(data);
}

namespace engine_call_detail {

template <class A>
class TPlainArg {
 public:
  static_assert(!CountedEngineStructPointer<A>, "hand an engine object over as its CefRefPtr");
  explicit TPlainArg(const A& value) noexcept : FValue(value) {}
  const A& Get() const noexcept { return FValue; }
  void GiveBack() const noexcept {}

 private:
  const A& FValue;
};

class TStringArg {
 public:
  explicit TStringArg(const ustring& value) noexcept : FRecord(BorrowEngineString(value)) {}
  const cef_string_t* Get() const noexcept { return &FRecord; }
  void GiveBack() const noexcept {}

 private:
  cef_string_t FRecord;
};

template <class P>
class TObjectArg {
 public:
  template <class T>
  explicit TObjectArg(Ref<T> object) : FData(static_cast<P>(EngineDataFromInterface(object))) {}
  P Get() const noexcept { return FData; }
  void GiveBack() const noexcept {
    if (FData != nullptr && FData->base.release != nullptr) FData->base.release(&FData->base);
  }

 private:
  P FData;
};

template <class P, class A>
struct ArgFor {
  using type = TPlainArg<A>;
};
template <>
struct ArgFor<const cef_string_t*, ustring> {
  using type = TStringArg;
};
template <CountedEngineStructPointer P, class T>
struct ArgFor<P, CefRefPtr<T>> {
  using type = TObjectArg<P>;
};

template <class P, class A>
using Arg = typename ArgFor<P, A>::type;

template <class R>
auto FromEngine(R result) {
  if constexpr (std::is_same_v<R, cef_string_userfree_t>) {
    return CopyAndFreeUserFreeString(result);
  } else if constexpr (CountedEngineStructPointer<R>) {
    return UnWrapEngine(result);
  } else {
    return result;
  }
}

// Runs `call` on the converted arguments, or, when it is absent, gives back what they carry.
template <class R, class Call, class... Args>
auto Run(bool present, const Call& call, std::tuple<Args...>& converted) {
  if (!present) std::apply([](const auto&... each) { (each.GiveBack(), ...); }, converted);
  const auto forward = [&call](const auto&... each) { return call(each.Get()...); };
  if constexpr (std::is_void_v<R>) {
    if (present) std::apply(forward, converted);
  } else {
    return FromEngine(present ? std::apply(forward, converted) : R{});
  }
}

}  // namespace engine_call_detail

// Calls `self->*function(self, arguments...)`, converted as above.
template <class S, class R, class... P, class... A>
auto CallEngine(S* self, R (CEF_CALLBACK* S::*function)(S*, P...), const A&... arguments) {
  std::tuple<engine_call_detail::Arg<P, A>...> converted(arguments...);
  const auto call = self != nullptr ? self->*function : nullptr;
  return engine_call_detail::Run<R>(
      call != nullptr, [self, call](auto... engine) { return call(self, engine...); }, converted);
}

// Calls the exported function `entry`, converted as above; before the engine library is loaded
// nothing is converted or called, and the result is neutral.
template <class R, class... P, class... A>
auto CallEntryPoint(R (*entry)(P...), const A&... arguments) {
  if (!EngineLibraryLoaded() || entry == nullptr) return engine_call_detail::FromEngine(R{});
  std::tuple<engine_call_detail::Arg<P, A>...> converted(arguments...);
  return engine_call_detail::Run<R>(true, entry, converted);
}

// Lets `function` fill a new string list and appends the list's strings to `target`. False when
// there is no list to fill (the library is not loaded); otherwise the function's result, or true
// for a function without one.
template <class S, class R>
bool CallEngineForStrings(S* self, R (CEF_CALLBACK* S::*function)(S*, cef_string_list_t),
                          std::vector<ustring>& target) {
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return false;
  bool result = true;
  if constexpr (std::is_void_v<R>) {
    CallEngine(self, function, list->GetHandle());
  } else {
    result = CallEngine(self, function, list->GetHandle()) != 0;
  }
  list->CopyToStrings(target);
  return result;
}

// Lets `function` fill an array of `size` engine objects (it lowers the count when it has fewer)
// and appends their wrappers to `target`; each object it wrote carries a reference.
template <class S, class O, class I>
void CallEngineForObjects(S* self, void (CEF_CALLBACK* S::*function)(S*, size_t*, O**), size_t size,
                          std::vector<CefRefPtr<I>>& target) {
  std::vector<O*> filled(size, nullptr);
  if (filled.empty()) return;
  CallEngine(self, function, &size, filled.data());
  filled.resize(std::min(size, filled.size()));
  for (O* object : filled) {
    if (object != nullptr) target.push_back(UnWrapEngine(object));
  }
}

#endif  // OSTREL_ENGINE_CORE_CEF_REF_CALL_H_
