#include "engine/core/cef_string_collections.h"

#include <utility>

#include "engine/core/cef_api.h"

namespace {

// Every read: the engine writes into a zero-filled temporary record; only on success is the
// text taken (and the temporary cleared), a failed read clears nothing.
template <class Read>
ustring ReadEngineString(Read&& read) {
  cef_string_t temporary{};
  if (std::forward<Read>(read)(&temporary) == 0) return ustring();
  return CopyAndClearEngineString(&temporary);
}

}  // namespace

// ---- String list ----

bool TCefCustomStringList::Usable() const { return FHandle != nullptr && EngineLibraryLoaded(); }

cef_string_list_t TCefCustomStringList::GetHandle() { return FHandle; }

size_t TCefCustomStringList::GetSize() { return Usable() ? cef_string_list_size(FHandle) : 0; }

ustring TCefCustomStringList::GetItem(size_t index) {
  if (!Usable()) return ustring();
  return ReadEngineString(
      [&](cef_string_t* out) { return cef_string_list_value(FHandle, index, out); });
}

void TCefCustomStringList::AppendItem(const ustring& value) {
  if (!Usable()) return;
  const cef_string_t borrowed = BorrowEngineString(value);
  cef_string_list_append(FHandle, &borrowed);
}

void TCefCustomStringList::ClearItems() {
  if (Usable()) cef_string_list_clear(FHandle);
}

cef_string_list_t TCefCustomStringList::CopyList() {
  return Usable() ? cef_string_list_copy(FHandle) : nullptr;
}

void TCefCustomStringList::CopyToStrings(std::vector<ustring>& target) {
  if (!Usable()) return;
  const size_t size = cef_string_list_size(FHandle);
  for (size_t index = 0; index < size; ++index) {
    cef_string_t temporary{};
    if (cef_string_list_value(FHandle, index, &temporary) != 0) {
      target.push_back(CopyAndClearEngineString(&temporary));
    }
  }
}

void TCefCustomStringList::AddStringsFrom(const std::vector<ustring>& source) {
  if (!Usable()) return;
  for (const ustring& value : source) AppendItem(value);
}

TCefStringListOwn::TCefStringListOwn()
    : TCefCustomStringList(EngineLibraryLoaded() ? cef_string_list_alloc() : nullptr) {}

TCefStringListOwn::~TCefStringListOwn() {
  if (Usable()) cef_string_list_free(FHandle);
}

// ---- String map ----

bool TCefCustomStringMap::Usable() const { return FHandle != nullptr && EngineLibraryLoaded(); }

cef_string_map_t TCefCustomStringMap::GetHandle() { return FHandle; }

size_t TCefCustomStringMap::GetSize() { return Usable() ? cef_string_map_size(FHandle) : 0; }

ustring TCefCustomStringMap::FindValue(const ustring& key) {
  if (!Usable()) return ustring();
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return ReadEngineString(
      [&](cef_string_t* out) { return cef_string_map_find(FHandle, &borrowed_key, out); });
}

ustring TCefCustomStringMap::GetKeyAt(size_t index) {
  if (!Usable()) return ustring();
  return ReadEngineString(
      [&](cef_string_t* out) { return cef_string_map_key(FHandle, index, out); });
}

ustring TCefCustomStringMap::GetValueAt(size_t index) {
  if (!Usable()) return ustring();
  return ReadEngineString(
      [&](cef_string_t* out) { return cef_string_map_value(FHandle, index, out); });
}

bool TCefCustomStringMap::AppendPair(const ustring& key, const ustring& value) {
  if (!Usable()) return false;
  const cef_string_t borrowed_key = BorrowEngineString(key);
  const cef_string_t borrowed_value = BorrowEngineString(value);
  return cef_string_map_append(FHandle, &borrowed_key, &borrowed_value) != 0;
}

void TCefCustomStringMap::ClearItems() {
  if (Usable()) cef_string_map_clear(FHandle);
}

TCefStringMapOwn::TCefStringMapOwn()
    : TCefCustomStringMap(EngineLibraryLoaded() ? cef_string_map_alloc() : nullptr) {}

TCefStringMapOwn::~TCefStringMapOwn() {
  if (Usable()) cef_string_map_free(FHandle);
}

// ---- String multimap ----

bool TCefCustomStringMultimap::Usable() const {
  return FHandle != nullptr && EngineLibraryLoaded();
}

cef_string_multimap_t TCefCustomStringMultimap::GetHandle() { return FHandle; }

size_t TCefCustomStringMultimap::GetSize() {
  return Usable() ? cef_string_multimap_size(FHandle) : 0;
}

size_t TCefCustomStringMultimap::FindCount(const ustring& key) {
  if (!Usable()) return 0;
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return cef_string_multimap_find_count(FHandle, &borrowed_key);
}

ustring TCefCustomStringMultimap::GetEnumerate(const ustring& key, size_t value_index) {
  if (!Usable()) return ustring();
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return ReadEngineString([&](cef_string_t* out) {
    return cef_string_multimap_enumerate(FHandle, &borrowed_key, value_index, out);
  });
}

ustring TCefCustomStringMultimap::GetKeyAt(size_t index) {
  if (!Usable()) return ustring();
  return ReadEngineString(
      [&](cef_string_t* out) { return cef_string_multimap_key(FHandle, index, out); });
}

ustring TCefCustomStringMultimap::GetValueAt(size_t index) {
  if (!Usable()) return ustring();
  return ReadEngineString(
      [&](cef_string_t* out) { return cef_string_multimap_value(FHandle, index, out); });
}

bool TCefCustomStringMultimap::AppendPair(const ustring& key, const ustring& value) {
  if (!Usable()) return false;
  const cef_string_t borrowed_key = BorrowEngineString(key);
  const cef_string_t borrowed_value = BorrowEngineString(value);
  return cef_string_multimap_append(FHandle, &borrowed_key, &borrowed_value) != 0;
}

void TCefCustomStringMultimap::ClearItems() {
  if (Usable()) cef_string_multimap_clear(FHandle);
}

TCefStringMultimapOwn::TCefStringMultimapOwn()
    : TCefCustomStringMultimap(EngineLibraryLoaded() ? cef_string_multimap_alloc() : nullptr) {}

TCefStringMultimapOwn::~TCefStringMultimapOwn() {
  if (Usable()) cef_string_multimap_free(FHandle);
}
