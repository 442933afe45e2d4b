#ifndef OSTREL_ENGINE_CORE_CEF_STRING_COLLECTIONS_H_
#define OSTREL_ENGINE_CORE_CEF_STRING_COLLECTIONS_H_

// Program-side holders of the engine's string list, map and multimap handles. They are plain
// counted program objects (not engine objects). Every operation gives an empty result, 0 or
// false when there is no handle or the engine library is not loaded. A holder is used by one
// thread at a time: created, filled and read within one call.

#include <cstddef>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefStringList : public TRefCountedObject {
 public:
  virtual cef_string_list_t GetHandle() = 0;
  virtual size_t GetSize() = 0;
  virtual ustring GetItem(size_t index) = 0;
  virtual void AppendItem(const ustring& value) = 0;
  virtual void ClearItems() = 0;
  // A new engine list (the caller frees it with cef_string_list_free); null without a handle.
  virtual cef_string_list_t CopyList() = 0;
  // Appends every item, in index order, to `target`.
  virtual void CopyToStrings(std::vector<ustring>& target) = 0;
  // Appends every string of `source`, in order.
  virtual void AddStringsFrom(const std::vector<ustring>& source) = 0;
};

class TCefCustomStringList : public ICefStringList {
 public:
  cef_string_list_t GetHandle() override;
  size_t GetSize() override;
  ustring GetItem(size_t index) override;
  void AppendItem(const ustring& value) override;
  void ClearItems() override;
  cef_string_list_t CopyList() override;
  void CopyToStrings(std::vector<ustring>& target) override;
  void AddStringsFrom(const std::vector<ustring>& source) override;

 protected:
  explicit TCefCustomStringList(cef_string_list_t handle) noexcept : FHandle(handle) {}
  bool Usable() const;

  cef_string_list_t FHandle;
};

// Allocates its engine list at construction and frees it with the last reference.
class TCefStringListOwn final : public TCefCustomStringList {
 public:
  TCefStringListOwn();

 private:
  ~TCefStringListOwn() override;
};

// A list the engine owns (an argument of an engine callback); never freed here.
class TCefStringListRef final : public TCefCustomStringList {
 public:
  explicit TCefStringListRef(cef_string_list_t handle) noexcept : TCefCustomStringList(handle) {}

 private:
  ~TCefStringListRef() override = default;
};

class ICefStringMap : public TRefCountedObject {
 public:
  virtual cef_string_map_t GetHandle() = 0;
  virtual size_t GetSize() = 0;
  virtual ustring FindValue(const ustring& key) = 0;
  virtual ustring GetKeyAt(size_t index) = 0;
  virtual ustring GetValueAt(size_t index) = 0;
  virtual bool AppendPair(const ustring& key, const ustring& value) = 0;
  virtual void ClearItems() = 0;
};

class TCefCustomStringMap : public ICefStringMap {
 public:
  cef_string_map_t GetHandle() override;
  size_t GetSize() override;
  ustring FindValue(const ustring& key) override;
  ustring GetKeyAt(size_t index) override;
  ustring GetValueAt(size_t index) override;
  bool AppendPair(const ustring& key, const ustring& value) override;
  void ClearItems() override;

 protected:
  explicit TCefCustomStringMap(cef_string_map_t handle) noexcept : FHandle(handle) {}
  bool Usable() const;

  cef_string_map_t FHandle;
};

class TCefStringMapOwn final : public TCefCustomStringMap {
 public:
  TCefStringMapOwn();

 private:
  ~TCefStringMapOwn() override;
};

class ICefStringMultimap : public TRefCountedObject {
 public:
  virtual cef_string_multimap_t GetHandle() = 0;
  virtual size_t GetSize() = 0;
  virtual size_t FindCount(const ustring& key) = 0;
  // The `value_index`-th value stored under `key`.
  virtual ustring GetEnumerate(const ustring& key, size_t value_index) = 0;
  virtual ustring GetKeyAt(size_t index) = 0;
  virtual ustring GetValueAt(size_t index) = 0;
  virtual bool AppendPair(const ustring& key, const ustring& value) = 0;
  virtual void ClearItems() = 0;
};

// The engine handle of `map` for a call that takes one; null for no map.
inline cef_string_multimap_t MultimapHandle(Ref<ICefStringMultimap> map) {
  return map ? map->GetHandle() : nullptr;
}

class TCefCustomStringMultimap : public ICefStringMultimap {
 public:
  cef_string_multimap_t GetHandle() override;
  size_t GetSize() override;
  size_t FindCount(const ustring& key) override;
  ustring GetEnumerate(const ustring& key, size_t value_index) override;
  ustring GetKeyAt(size_t index) override;
  ustring GetValueAt(size_t index) override;
  bool AppendPair(const ustring& key, const ustring& value) override;
  void ClearItems() override;

 protected:
  explicit TCefCustomStringMultimap(cef_string_multimap_t handle) noexcept : FHandle(handle) {}
  bool Usable() const;

  cef_string_multimap_t FHandle;
};

class TCefStringMultimapOwn final : public TCefCustomStringMultimap {
 public:
  TCefStringMultimapOwn();

 private:
  ~TCefStringMultimapOwn() override;
};

#endif  // OSTREL_ENGINE_CORE_CEF_STRING_COLLECTIONS_H_
