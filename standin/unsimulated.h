#ifndef OSTREL_STANDIN_UNSIMULATED_H_
#define OSTREL_STANDIN_UNSIMULATED_H_

// No structure the stand-in hands out has a null function pointer: the slots an object does not
// simulate get a stub that writes "stub <type>#<slot>" to the trace (slot = position of the
// function in the engine header, 0 = first after the counting header) and returns 0.
//
// The stub ignores its arguments, which is harmless on x64 only for functions that return
// nothing, an integer or a pointer and take no counted object. Objects therefore set every
// function that returns a double or a structure, or receives a counted object (whose reference
// the engine must release), themselves before calling FillUnsimulated.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "standin/capi.h"
#include "standin/trace.h"

namespace standin {
namespace unsimulated {

template <typename Struct>
const char*& TypeName() {
  static const char* name = "object";
  return name;
}

template <typename Struct, size_t Slot>
uintptr_t CEF_CALLBACK Stub() {
  Trace(std::string("stub ") + TypeName<Struct>() + "#" + std::to_string(Slot));
  return 0;
}

constexpr size_t kMaxSlots = 72;
using Slot = void*;

template <typename Struct, size_t... Slots>
void Fill(Slot* slots, size_t count, std::index_sequence<Slots...>) {
  // Through void*: the stubs' own type is not the slots' type.
  static void* const stubs[] = {reinterpret_cast<void*>(&Stub<Struct, Slots>)...};
  for (size_t i = 0; i < count; ++i) {
    if (!slots[i]) slots[i] = stubs[i];
  }
}

}  // namespace unsimulated

template <typename Struct>
void FillUnsimulated(Struct* data, const char* type) {
  constexpr size_t count =
      (sizeof(Struct) - sizeof(cef_base_ref_counted_t)) / sizeof(unsimulated::Slot);
  static_assert(count <= unsimulated::kMaxSlots, "more functions than stubs");
  unsimulated::TypeName<Struct>() = type;
  auto* slots = reinterpret_cast<unsimulated::Slot*>(reinterpret_cast<char*>(data) +
                                                     sizeof(cef_base_ref_counted_t));
  unsimulated::Fill<Struct>(slots, count, std::make_index_sequence<count>());
}

}  // namespace standin

#endif  // OSTREL_STANDIN_UNSIMULATED_H_
