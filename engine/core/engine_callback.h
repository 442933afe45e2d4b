#ifndef OSTREL_ENGINE_CORE_ENGINE_CALLBACK_H_
#define OSTREL_ENGINE_CORE_ENGINE_CALLBACK_H_

// The one shape of every engine callback into a program object (handler, callback, visitor,
// task): the C function the engine calls is generated from the member function it stands for,
//   BindCallback<&TCefLoadHandlerOwn::OnLoadEnd>(data->on_load_end);
// and, where the neutral result is not 0/false/null,
//   BindCallback<&TCefResourceRequestHandlerOwn::OnBeforeResourceLoad, RV_CONTINUE>(...).
//
// The generated function
//  1. converts each argument by the member's parameter type (TEngineArg): engine objects are
//     wrapped with their type's UnWrapEngine, taking over the reference they carry (released
//     whatever happens next); strings and string lists are copied; ints that stand for Booleans
//     become bool; in/out slots are read; a structure valid for the call only gets its scoped
//     wrapper;
//  2. recovers the object from `self` (which carries no reference) and checks that it has the
//     member (that it implements the member's interface); otherwise it returns the neutral
//     result;
//  3. calls the member, writes the in/out slots back, and converts the result: bool to 1/0, an
//     object to its structure with one reference for the engine, anything else unchanged;
//  4. is noexcept: an exception from any step stops here, is logged with the member's name
//     ("ICefLoadHandler.OnLoadEnd"), and the neutral result goes back to the engine.
//
// The reference wrappers declare `UnWrapEngine(S*)` for their structure; an engine object
// without one travels as a plain counted reference (ICefBaseRefCounted).

#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string.h"
#include "engine/core/exception_policy.h"

// The strings of an engine list argument (the engine owns the list), in index order.
std::vector<ustring> CopyEngineStringList(cef_string_list_t list);

// ---- Arguments the handler may change ----
// Each holder reads the engine's value when it is built and writes it back only on GiveBack,
// which happens only once the handler has run.

// A Boolean the engine passes as int*: non-zero is true; written back as 0/1.
class TEngineBoolInOut {
 public:
  explicit TEngineBoolInOut(int* slot) noexcept
      : value(slot != nullptr && *slot != 0), FSlot(slot) {}
  bool& Get() noexcept { return value; }
  void GiveBack() const noexcept {
    if (FSlot != nullptr) *FSlot = EngineBool(value);
  }

  bool value;

 private:
  int* FSlot;
};

// An enumeration or number the engine passes by pointer, handed through unchanged.
template <class T>
class TEngineValueInOut {
 public:
  explicit TEngineValueInOut(T* slot) noexcept
      : value(slot != nullptr ? *slot : T{}), FSlot(slot) {}
  T& Get() noexcept { return value; }
  void GiveBack() const noexcept {
    if (FSlot != nullptr) *FSlot = value;
  }

  T value;

 private:
  T* FSlot;
};

// A string record the handler may replace, "copy and set if given": the record keeps its text
// unless the handler leaves a non-empty one.
class TEngineStringCopyAndSet {
 public:
  explicit TEngineStringCopyAndSet(cef_string_t* record)
      : value(CopyEngineString(record)), FRecord(record) {}
  ustring& Get() noexcept { return value; }
  void GiveBack() const {
    if (!value.empty()) SetEngineString(FRecord, value);
  }

  ustring value;

 private:
  cef_string_t* FRecord;
};

// A string record the handler may replace, "take and give back": the text moves out of the
// record (which is cleared), and GiveBack stores the possibly changed text as a new
// engine-owned record, which the engine frees. Without the engine's string functions nothing is
// taken, so nothing is given back either: the record keeps its text and buffer. Because taking
// changes the record, it is built only once the owner is known (a hand-written callback).
class TEngineStringTakeAndGiveBack {
 public:
  explicit TEngineStringTakeAndGiveBack(cef_string_t* record);
  void GiveBack() const;

  ustring value;

 private:
  cef_string_t* FRecord;
};

// An engine object the handler may keep, clear or replace (`S**`). The wrapper takes over the
// reference that comes with `*slot`, which is released whatever happens. GiveBack leaves the
// engine's pointer untouched when the handler kept the same object, nulls it when the handler
// cleared it, and otherwise stores the new object's structure with one reference for the engine.
template <class I, class S>
class TEngineObjectInOut {
 public:
  TEngineObjectInOut(S** slot, CefRefPtr<I> object) noexcept
      : value(std::move(object)), FSlot(slot) {}
  CefRefPtr<I>& Get() noexcept { return value; }
  void GiveBack() const {
    if (FSlot == nullptr) return;
    if (!value) {
      *FSlot = nullptr;
    } else if (!value->SameAs(static_cast<void*>(*FSlot))) {
      *FSlot = static_cast<S*>(EngineDataFromInterface(value));
    }
  }

  CefRefPtr<I> value;

 private:
  S** FSlot;
};

// ---- Conversion of one argument, by the member's parameter type P ----

namespace engine_callback_detail {

template <class T>
struct IsRefPtr : std::false_type {};
template <class T>
struct IsRefPtr<CefRefPtr<T>> : std::true_type {};

// Passed through unchanged: numbers, enumerations, records, handles.
template <class P, class C>
class TPlainArg {
 public:
  static_assert(std::is_convertible_v<C, P>, "no conversion from this engine argument");
  explicit TPlainArg(C value) noexcept : FValue(value) {}
  C Get() const noexcept { return FValue; }
  void GiveBack() const noexcept {}

 private:
  C FValue;
};

// A value converted once on the way in (Boolean, string, string list, engine object).
template <class T>
class TCopiedArg {
 public:
  explicit TCopiedArg(T value) : FValue(std::move(value)) {}
  const T& Get() const noexcept { return FValue; }
  void GiveBack() const noexcept {}

 private:
  T FValue;
};

template <class P, class C>
struct ArgFor {
  using type = TPlainArg<P, C>;
};
template <>
struct ArgFor<bool, int> {
  struct type : TCopiedArg<bool> {
    explicit type(int value) : TCopiedArg<bool>(value != 0) {}
  };
};
template <>
struct ArgFor<const ustring&, const cef_string_t*> {
  struct type : TCopiedArg<ustring> {
    explicit type(const cef_string_t* value) : TCopiedArg<ustring>(CopyEngineString(value)) {}
  };
};
template <>
struct ArgFor<const std::vector<ustring>&, cef_string_list_t> {
  struct type : TCopiedArg<std::vector<ustring>> {
    explicit type(cef_string_list_t list)
        : TCopiedArg<std::vector<ustring>>(CopyEngineStringList(list)) {}
  };
};
template <class I, CountedEngineStructPointer C>
struct ArgFor<Ref<I>, C> {
  struct type : TCopiedArg<CefRefPtr<I>> {
    explicit type(C data) : TCopiedArg<CefRefPtr<I>>(UnWrapEngine(data)) {}
  };
};
template <>
struct ArgFor<bool&, int*> {
  using type = TEngineBoolInOut;
};
template <class T>
requires std::is_arithmetic_v<T> || std::is_enum_v<T>
struct ArgFor<T&, T*> {
  using type = TEngineValueInOut<T>;
};
template <>
struct ArgFor<ustring&, cef_string_t*> {
  using type = TEngineStringCopyAndSet;
};
// A structure valid for this call only (never counted), wrapped for the call.
template <class T, class C>
requires std::is_base_of_v<TCEFBaseScopedWrapperRef, T>
struct ArgFor<T&, C> {
  class type {
   public:
    explicit type(C data) noexcept : FValue(data) {}
    T& Get() noexcept { return FValue; }
    void GiveBack() const noexcept {}

   private:
    T FValue;
  };
};
template <class I, class S>
struct ArgFor<CefRefPtr<I>&, S**> {
  struct type : TEngineObjectInOut<I, S> {
    explicit type(S** slot)
        : TEngineObjectInOut<I, S>(slot, UnWrapEngine(slot != nullptr ? *slot : nullptr)) {}
  };
};

// The engine's form of a member's result.
template <class Rc, class Rp>
Rc ToEngine(Rp&& value) {
  using R = std::remove_cvref_t<Rp>;
  if constexpr (std::is_same_v<R, bool>) {
    return static_cast<Rc>(EngineBool(value));
  } else if constexpr (IsRefPtr<R>::value) {
    return static_cast<Rc>(EngineDataFromInterface(value));
  } else {
    return static_cast<Rc>(value);
  }
}

template <class M>
struct MemberTraits;
template <class O, class R, class... P>
struct MemberTraits<R (O::*)(P...)> {
  using Owner = O;
  using Params = std::tuple<P...>;
};

// "ICefLoadHandler.OnLoadEnd", read from the compiler's name of the function that serves
// the member (only when an exception has to be reported).
std::wstring RoutineName(std::string_view prettyFunction);

template <auto Member, auto Neutral, class Fn>
struct TThunk;

template <auto Member, auto Neutral, class Rc, class S, class... C>
struct TThunk<Member, Neutral, Rc(CEF_CALLBACK*)(S*, C...)> {
  using Traits = MemberTraits<decltype(Member)>;
  using Owner = typename Traits::Owner;
  using Params = typename Traits::Params;
  static_assert(std::tuple_size_v<Params> == sizeof...(C),
                "the member takes the engine's arguments");

  static Rc CEF_CALLBACK Call(S* self, C... arguments) noexcept {
    return Invoke(std::index_sequence_for<C...>{}, self, arguments...);
  }

  template <std::size_t... I>
  static Rc Invoke(std::index_sequence<I...>, S* self, C... arguments) noexcept {
    try {
      std::tuple<typename ArgFor<std::tuple_element_t<I, Params>, C>::type...> converted(
          arguments...);
      auto* owner = dynamic_cast<Owner*>(ObjectFromEngineData(self));
      if constexpr (std::is_void_v<Rc>) {
        if (owner == nullptr) return;
        (owner->*Member)(std::get<I>(converted).Get()...);
        (std::get<I>(converted).GiveBack(), ...);
      } else {
        if (owner == nullptr) return Neutral;
        Rc result = ToEngine<Rc>((owner->*Member)(std::get<I>(converted).Get()...));
        (std::get<I>(converted).GiveBack(), ...);
        return result;
      }
    } catch (...) {
      ReportStoppedException(RoutineName(__PRETTY_FUNCTION__));
      if constexpr (!std::is_void_v<Rc>) return Neutral;
    }
  }
};

// The neutral result of a void callback is nothing; of any other, its zero value.
struct TZero {
  template <class T>
  constexpr operator T() const noexcept {  // NOLINT(google-explicit-constructor)
    return T{};
  }
};

}  // namespace engine_callback_detail

// Points `slot` at the C function generated for `Member`; see the top of this file.
template <auto Member, auto Neutral = engine_callback_detail::TZero{}, class Fn>
void BindCallback(Fn& slot) noexcept {
  slot = &engine_callback_detail::TThunk<Member, Neutral, Fn>::Call;
}

// The shape for a callback that does not fit BindCallback: recover the object from `self`, check
// that it is an `Owner`, and call `action(owner)`; otherwise return `neutral`. An exception that
// escapes `action` is stopped and logged under `routine`.
template <class Owner, class R, class F>
R WithOwner(std::wstring_view routine, void* self, R neutral, F&& action) noexcept {
  try {
    auto* owner = dynamic_cast<Owner*>(ObjectFromEngineData(self));
    if (owner == nullptr) return neutral;
    return static_cast<R>(std::forward<F>(action)(*owner));
  } catch (...) {
    ReportStoppedException(routine);
    return neutral;
  }
}

template <class Owner, class F>
void WithOwner(std::wstring_view routine, void* self, F&& action) noexcept {
  try {
    if (auto* owner = dynamic_cast<Owner*>(ObjectFromEngineData(self))) {
      std::forward<F>(action)(*owner);
    }
  } catch (...) {
    ReportStoppedException(routine);
  }
}

#endif  // OSTREL_ENGINE_CORE_ENGINE_CALLBACK_H_
