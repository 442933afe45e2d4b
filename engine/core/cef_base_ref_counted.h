#ifndef OSTREL_ENGINE_CORE_CEF_BASE_REF_COUNTED_H_
#define OSTREL_ENGINE_CORE_CEF_BASE_REF_COUNTED_H_

// Reference counting shared by the program's objects and the engine's objects.
// docs/refcounting.md explains who owns which reference at each boundary.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "engine/capi/cef_capi.h"

// An object with an intrusive atomic count. A new object starts at 0: MakeRefCounted (or
// CefRefPtr<T>::Share) gives it its first reference, and the last Release deletes it, on
// whichever thread drops it. Never `delete` such an object, and never hand out `this` from a
// constructor (the count would pass through 0 and delete the half-built object).
class TRefCountedObject {
 public:
  TRefCountedObject(const TRefCountedObject&) = delete;
  TRefCountedObject& operator=(const TRefCountedObject&) = delete;

  void AddRef() noexcept { FRefCount.fetch_add(1, std::memory_order_relaxed); }

  // Returns the remaining count; 0 means the object is gone.
  int Release() noexcept {
    const int remaining = FRefCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (remaining == 0) delete this;
    return remaining;
  }

  // A snapshot: meaningful only when no other thread can change the count meanwhile.
  int RefCount() const noexcept { return FRefCount.load(std::memory_order_acquire); }

 protected:
  TRefCountedObject() = default;
  virtual ~TRefCountedObject() = default;

 private:
  std::atomic<int> FRefCount{0};
};

// Intrusive smart pointer. Taking a raw pointer always states what happens to the count:
// Adopt takes over a reference the pointer already carries, Share adds one.
template <class T>
class CefRefPtr {
 public:
  CefRefPtr() noexcept = default;
  CefRefPtr(std::nullptr_t) noexcept {}  // NOLINT(google-explicit-constructor): null is no transfer

  static CefRefPtr Adopt(T* object) noexcept { return CefRefPtr(object); }
  static CefRefPtr Share(T* object) noexcept {
    if (object != nullptr) object->AddRef();
    return CefRefPtr(object);
  }

  CefRefPtr(const CefRefPtr& other) noexcept : FObject(other.FObject) { AddRefIfSet(); }
  CefRefPtr(CefRefPtr&& other) noexcept : FObject(std::exchange(other.FObject, nullptr)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  CefRefPtr(const CefRefPtr<U>& other) noexcept : FObject(other.get()) {  // NOLINT: upcast
    AddRefIfSet();
  }
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  CefRefPtr(CefRefPtr<U>&& other) noexcept : FObject(other.Detach()) {}  // NOLINT: upcast

  ~CefRefPtr() { reset(); }

  CefRefPtr& operator=(CefRefPtr other) noexcept {
    std::swap(FObject, other.FObject);
    return *this;
  }

  void reset() noexcept {
    if (T* object = std::exchange(FObject, nullptr)) object->Release();
  }

  // Gives up the reference without releasing it: the caller now owns it.
  [[nodiscard]] T* Detach() noexcept { return std::exchange(FObject, nullptr); }

  T* get() const noexcept { return FObject; }
  T* operator->() const noexcept { return FObject; }
  T& operator*() const noexcept { return *FObject; }
  explicit operator bool() const noexcept { return FObject != nullptr; }

  template <class U>
  bool operator==(const CefRefPtr<U>& other) const noexcept {
    return FObject == other.get();
  }
  bool operator==(std::nullptr_t) const noexcept { return FObject == nullptr; }

 private:
  explicit CefRefPtr(T* object) noexcept : FObject(object) {}
  void AddRefIfSet() noexcept {
    if (FObject != nullptr) FObject->AddRef();
  }

  T* FObject = nullptr;
};

// How a counted object is lent for a call (parameters of handlers, events and operations).
template <class T>
using Ref = const CefRefPtr<T>&;

// Creates a counted object and hands its first reference to the caller.
template <class T, class... Args>
CefRefPtr<T> MakeRefCounted(Args&&... args) {
  return CefRefPtr<T>::Share(new T(std::forward<Args>(args)...));
}

// The program-side base of every engine-facing object, reference wrappers and owned wrappers
// alike. Interfaces of engine types (ICefCommandLine, ...) derive from it virtually so that a
// wrapper class can take the implementation from its base class and the interface beside it.
class ICefBaseRefCounted : public TRefCountedObject {
 public:
  // The engine structure with one added engine-level reference (consumed by the receiver in the
  // engine); null when there is no structure.
  virtual void* Wrap() = 0;
  virtual bool SameAs(void* data) = 0;
  virtual bool SameAs(ICefBaseRefCounted* other) = 0;
  virtual bool HasOneReference() = 0;
  virtual bool HasAtLeastOneReference() = 0;
};

// The object recorded in the 8 bytes before an owned structure; null for null. Lends the
// object: no reference is added.
ICefBaseRefCounted* ObjectFromEngineData(void* data) noexcept;

// The engine structure of `object` with one added reference (+1 handed to the engine); null for
// null.
void* EngineDataFromInterface(ICefBaseRefCounted* object);
template <class T>
void* EngineDataFromInterface(Ref<T> object) {
  return EngineDataFromInterface(static_cast<ICefBaseRefCounted*>(object.get()));
}

// Wrapper of an engine object: holds exactly one engine reference to its structure from
// construction to destruction.
class TCefBaseRefCountedRef : public virtual ICefBaseRefCounted {
 public:
  // Takes over the reference that came with `data`. `data` must not be null: use UnWrap, which
  // maps null to null.
  explicit TCefBaseRefCountedRef(void* data);

  static CefRefPtr<ICefBaseRefCounted> UnWrap(void* data);

  void* Wrap() override;
  bool SameAs(void* data) override;
  bool SameAs(ICefBaseRefCounted* other) override;
  bool HasOneReference() override;
  bool HasAtLeastOneReference() override;

 protected:
  ~TCefBaseRefCountedRef() override;

  template <class S>
  S* Data() const noexcept {
    return static_cast<S*>(FData);
  }

 private:
  cef_base_ref_counted_t* Base() const noexcept {
    return static_cast<cef_base_ref_counted_t*>(FData);
  }

  void* FData;
};

// A program object the engine calls: it allocates an engine structure preceded by a
// back-pointer to itself. The engine's add-ref/release act on this object's one count, so the
// object lives while either side holds it.
class TCefBaseRefCountedOwn : public virtual ICefBaseRefCounted {
 public:
  void* Wrap() override;
  bool SameAs(void* data) override;
  bool SameAs(ICefBaseRefCounted* other) override;
  bool HasOneReference() override;
  bool HasAtLeastOneReference() override;

 protected:
  TCefBaseRefCountedOwn() = default;
  ~TCefBaseRefCountedOwn() override;

  // Allocates the block (back-pointer, then `size` zero bytes for the structure) and fills the
  // header. `owned` = true leaves the four counting functions absent, for a structure the engine
  // never counts; every engine-counted type passes false.
  void CreateData(uint32_t size, bool owned);
  // The same for the engine structure `S`, counted by the engine as every owned type here is;
  // the structure to fill.
  template <class S>
  S* CreateData() {
    CreateData(sizeof(S), false);
    return Data<S>();
  }

  template <class S>
  S* Data() const noexcept {
    return static_cast<S*>(FData);
  }

 private:
  cef_base_ref_counted_t* Base() const noexcept {
    return static_cast<cef_base_ref_counted_t*>(FData);
  }

  void* FData = nullptr;
};

// Holder of a structure the engine owns and that is valid for one call only (no counting).
class TCEFBaseScopedWrapperRef {
 public:
  explicit TCEFBaseScopedWrapperRef(void* data) noexcept : FData(data) {}
  void* Wrap() const noexcept { return FData; }

 protected:
  template <class S>
  S* Data() const noexcept {
    return static_cast<S*>(FData);
  }

 private:
  void* FData;
};

// Engine Boolean results.
constexpr int EngineBool(bool value) noexcept { return value ? 1 : 0; }

#endif  // OSTREL_ENGINE_CORE_CEF_BASE_REF_COUNTED_H_
