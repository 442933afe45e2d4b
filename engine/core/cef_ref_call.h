#ifndef OSTREL_ENGINE_CORE_CEF_REF_CALL_H_
#define OSTREL_ENGINE_CORE_CEF_REF_CALL_H_

// How a reference wrapper (TCef…Ref) calls the functions of the engine structure it holds.
//
// The rule, once for every wrapper: the real engine fills every function pointer of the
// structures it hands out, but the stand-in engine and the tests' fake structures fill only what
// they simulate. So an absent function makes the operation do nothing and give the neutral
// result (0, false, null, an empty string or wrapper) instead of jumping to address 0. An
// engine-object argument carries a reference handed to the engine (+1); when the function is
// absent nobody would consume it, so CallEngine gives it back.

#include <concepts>
#include <type_traits>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

// A pointer to a counted engine structure (one that starts with the counting header).
template <class T>
concept CountedEngineStructPointer = std::is_pointer_v<T> && requires(T data) {
  { data->base } -> std::same_as<cef_base_ref_counted_t&>;
};

// The structure of `object` with one added reference, as the argument type `S*` the engine
// function expects (+1 handed to the engine); null for null.
template <class S, class T>
S* HandToEngine(const CefRefPtr<T>& object) {
  return static_cast<S*>(EngineDataFromInterface(object));
}

namespace engine_call_detail {
template <class T>
void GiveBack(T argument) noexcept {
  if constexpr (CountedEngineStructPointer<T>) {
    if (argument != nullptr && argument->base.release != nullptr) {
      argument->base.release(&argument->base);
    }
  }
}
}  // namespace engine_call_detail

// Calls `self->*function(self, arguments...)`; see the rule above for an absent function.
template <class S, class F, class... A>
auto CallEngine(S* self, F S::*function, A... arguments) {
  using R = std::invoke_result_t<F, S*, A...>;
  const F call = self != nullptr ? self->*function : nullptr;
  if (call == nullptr) {
    (engine_call_detail::GiveBack(arguments), ...);
    if constexpr (std::is_void_v<R>) {
      return;
    } else {
      return R{};
    }
  }
  return call(self, arguments...);
}

#endif  // OSTREL_ENGINE_CORE_CEF_REF_CALL_H_
