#include "engine/core/cef_api.h"

#include <atomic>
#include <cstring>

#define OSTREL_DEFINE_ENTRY_POINT(group, group_name, name) \
  name##_func name = nullptr;                              \
  static_assert(sizeof(name##_func) == sizeof(FARPROC));
CEF_ENTRY_POINTS(OSTREL_DEFINE_ENTRY_POINT)
#undef OSTREL_DEFINE_ENTRY_POINT

namespace {

std::atomic<bool> gLibraryLoaded{false};

struct EntryPointSlot {
  int group;
  const char* name;
  void* variable;  // address of the process-wide pointer variable of that export
};

#define OSTREL_ENTRY_POINT_SLOT(group, group_name, name) \
  EntryPointSlot{group, #name, static_cast<void*>(&name)},
const EntryPointSlot kEntryPointSlots[] = {CEF_ENTRY_POINTS(OSTREL_ENTRY_POINT_SLOT)};
#undef OSTREL_ENTRY_POINT_SLOT

static_assert(sizeof(kEntryPointSlots) / sizeof(kEntryPointSlots[0]) == CEF_ENTRY_POINT_COUNT);

// Every export's pointer type has the size of FARPROC; the bytes are copied as they are.
void StoreAddress(const EntryPointSlot& slot, FARPROC address) {
  std::memcpy(slot.variable, &address, sizeof(address));
}

}  // namespace

bool ResolveEngineEntryPoints(HMODULE library) {
  if (library == nullptr) return false;
  constexpr size_t kCount = sizeof(kEntryPointSlots) / sizeof(kEntryPointSlots[0]);
  size_t first = 0;
  while (first < kCount) {
    const int group = kEntryPointSlots[first].group;
    size_t end = first;
    bool complete = true;
    for (; end < kCount && kEntryPointSlots[end].group == group; ++end) {
      const FARPROC address = GetProcAddress(library, kEntryPointSlots[end].name);
      StoreAddress(kEntryPointSlots[end], address);
      if (address == nullptr) complete = false;
    }
    if (!complete) {
      // A group counts only as a whole: leave none of its pointers half-resolved.
      for (size_t i = first; i < end; ++i) StoreAddress(kEntryPointSlots[i], nullptr);
      return false;
    }
    first = end;
  }
  return true;
}

void ClearEngineEntryPoints() {
  for (const EntryPointSlot& slot : kEntryPointSlots) StoreAddress(slot, nullptr);
}

void SetEngineLibraryLoaded(bool loaded) noexcept { gLibraryLoaded = loaded; }

bool EngineLibraryLoaded() { return gLibraryLoaded.load(); }
