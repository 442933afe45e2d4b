// String list, map and multimap behind the engine's opaque handles.
//
// As in the real engine, the map and the multimap are ordered by key (code-unit order, the
// engine's string comparison), not by insertion: index i is the i-th key in that order. The map
// keeps one value per key: appending an existing key leaves the first value and still reports
// success. The multimap keeps values of the same key in insertion order. Reads copy into the
// caller's record (cleared first) and return 0, leaving it untouched, for an index out of range
// or a key not found. Null handles read as empty and make writes fail.

#include <algorithm>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "standin/capi.h"
#include "standin/text.h"

namespace {

using StringList = std::vector<std::wstring>;
using Pair = std::pair<std::wstring, std::wstring>;
// Sorted by key; a sorted vector gives the engine's index access in constant time.
struct StringMap {
  std::vector<Pair> items;
};
struct StringMultimap {
  std::vector<Pair> items;
};

StringList* AsList(cef_string_list_t handle) { return static_cast<StringList*>(handle); }
StringMap* AsMap(cef_string_map_t handle) { return static_cast<StringMap*>(handle); }
StringMultimap* AsMultimap(cef_string_multimap_t handle) {
  return static_cast<StringMultimap*>(handle);
}

bool KeyLess(const Pair& item, const std::wstring& key) { return item.first < key; }
bool LessKey(const std::wstring& key, const Pair& item) { return key < item.first; }

int ReadInto(const std::wstring& text, cef_string_t* output) {
  if (!output) return 0;
  return standin::SetRecord(output, text) ? 1 : 0;
}

template <typename Items>
int KeyAt(const Items* items, size_t index, cef_string_t* key) {
  if (!items || index >= items->size()) return 0;
  return ReadInto((*items)[index].first, key);
}

template <typename Items>
int ValueAt(const Items* items, size_t index, cef_string_t* value) {
  if (!items || index >= items->size()) return 0;
  return ReadInto((*items)[index].second, value);
}

}  // namespace

extern "C" {

cef_string_list_t cef_string_list_alloc(void) { return new (std::nothrow) StringList; }

size_t cef_string_list_size(cef_string_list_t list) { return list ? AsList(list)->size() : 0; }

int cef_string_list_value(cef_string_list_t list, size_t index, cef_string_t* value) {
  if (!list || index >= AsList(list)->size()) return 0;
  return ReadInto((*AsList(list))[index], value);
}

void cef_string_list_append(cef_string_list_t list, const cef_string_t* value) {
  if (list) AsList(list)->push_back(standin::FromRecord(value));
}

void cef_string_list_clear(cef_string_list_t list) {
  if (list) AsList(list)->clear();
}

void cef_string_list_free(cef_string_list_t list) { delete AsList(list); }

cef_string_list_t cef_string_list_copy(cef_string_list_t list) {
  if (!list) return nullptr;
  return new (std::nothrow) StringList(*AsList(list));
}

cef_string_map_t cef_string_map_alloc(void) { return new (std::nothrow) StringMap; }

size_t cef_string_map_size(cef_string_map_t map) { return map ? AsMap(map)->items.size() : 0; }

int cef_string_map_find(cef_string_map_t map, const cef_string_t* key, cef_string_t* value) {
  if (!map) return 0;
  const std::vector<Pair>& items = AsMap(map)->items;
  const std::wstring wanted = standin::FromRecord(key);
  auto it = std::lower_bound(items.begin(), items.end(), wanted, KeyLess);
  if (it == items.end() || it->first != wanted) return 0;
  return ReadInto(it->second, value);
}

int cef_string_map_key(cef_string_map_t map, size_t index, cef_string_t* key) {
  return KeyAt(map ? &AsMap(map)->items : nullptr, index, key);
}

int cef_string_map_value(cef_string_map_t map, size_t index, cef_string_t* value) {
  return ValueAt(map ? &AsMap(map)->items : nullptr, index, value);
}

int cef_string_map_append(cef_string_map_t map, const cef_string_t* key,
                          const cef_string_t* value) {
  if (!map) return 0;
  std::vector<Pair>& items = AsMap(map)->items;
  std::wstring k = standin::FromRecord(key);
  auto it = std::lower_bound(items.begin(), items.end(), k, KeyLess);
  if (it == items.end() || it->first != k) {
    items.insert(it, Pair(std::move(k), standin::FromRecord(value)));
  }
  return 1;
}

void cef_string_map_clear(cef_string_map_t map) {
  if (map) AsMap(map)->items.clear();
}

void cef_string_map_free(cef_string_map_t map) { delete AsMap(map); }

cef_string_multimap_t cef_string_multimap_alloc(void) { return new (std::nothrow) StringMultimap; }

size_t cef_string_multimap_size(cef_string_multimap_t map) {
  return map ? AsMultimap(map)->items.size() : 0;
}

size_t cef_string_multimap_find_count(cef_string_multimap_t map, const cef_string_t* key) {
  if (!map) return 0;
  const std::vector<Pair>& items = AsMultimap(map)->items;
  const std::wstring wanted = standin::FromRecord(key);
  auto first = std::lower_bound(items.begin(), items.end(), wanted, KeyLess);
  auto last = std::upper_bound(first, items.end(), wanted, LessKey);
  return static_cast<size_t>(last - first);
}

int cef_string_multimap_enumerate(cef_string_multimap_t map, const cef_string_t* key,
                                  size_t value_index, cef_string_t* value) {
  if (!map) return 0;
  const std::vector<Pair>& items = AsMultimap(map)->items;
  const std::wstring wanted = standin::FromRecord(key);
  auto first = std::lower_bound(items.begin(), items.end(), wanted, KeyLess);
  auto last = std::upper_bound(first, items.end(), wanted, LessKey);
  if (value_index >= static_cast<size_t>(last - first)) return 0;
  return ReadInto(first[static_cast<std::ptrdiff_t>(value_index)].second, value);
}

int cef_string_multimap_key(cef_string_multimap_t map, size_t index, cef_string_t* key) {
  return KeyAt(map ? &AsMultimap(map)->items : nullptr, index, key);
}

int cef_string_multimap_value(cef_string_multimap_t map, size_t index, cef_string_t* value) {
  return ValueAt(map ? &AsMultimap(map)->items : nullptr, index, value);
}

int cef_string_multimap_append(cef_string_multimap_t map, const cef_string_t* key,
                               const cef_string_t* value) {
  if (!map) return 0;
  std::vector<Pair>& items = AsMultimap(map)->items;
  std::wstring k = standin::FromRecord(key);
  // After every value already stored under the same key.
  auto it = std::upper_bound(items.begin(), items.end(), k, LessKey);
  items.insert(it, Pair(std::move(k), standin::FromRecord(value)));
  return 1;
}

void cef_string_multimap_clear(cef_string_multimap_t map) {
  if (map) AsMultimap(map)->items.clear();
}

void cef_string_multimap_free(cef_string_multimap_t map) { delete AsMultimap(map); }

}  // extern "C"
