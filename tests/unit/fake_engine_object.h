#ifndef OSTREL_TESTS_UNIT_FAKE_ENGINE_OBJECT_H_
#define OSTREL_TESTS_UNIT_FAKE_ENGINE_OBJECT_H_

// An engine object built by a test: a structure of type S whose counting functions count in
// `refs`. The count starts at 1, the reference that comes with the pointer the "engine" hands
// out; the test owns the storage, so nothing is freed at 0.

#include <atomic>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

template <class S>
struct FakeEngineObject {
  S data{};
  std::atomic<int> refs{1};
  std::atomic<int> add_ref_calls{0};
  std::atomic<int> release_calls{0};

  FakeEngineObject() {
    cef_base_ref_counted_t* base = Base();
    base->size = sizeof(S);
    base->add_ref = AddRef;
    base->release = Release;
    base->has_one_ref = HasOneRef;
    base->has_at_least_one_ref = HasAtLeastOneRef;
  }
  FakeEngineObject(const FakeEngineObject&) = delete;
  FakeEngineObject& operator=(const FakeEngineObject&) = delete;

  S* Get() { return &data; }
  cef_base_ref_counted_t* Base() { return reinterpret_cast<cef_base_ref_counted_t*>(&data); }

  static FakeEngineObject* From(cef_base_ref_counted_t* base) {
    return reinterpret_cast<FakeEngineObject*>(base);  // `data` is the first member
  }
  static void CEF_CALLBACK AddRef(cef_base_ref_counted_t* base) {
    ++From(base)->add_ref_calls;
    ++From(base)->refs;
  }
  static int CEF_CALLBACK Release(cef_base_ref_counted_t* base) {
    ++From(base)->release_calls;
    return --From(base)->refs;
  }
  static int CEF_CALLBACK HasOneRef(cef_base_ref_counted_t* base) {
    return From(base)->refs == 1 ? 1 : 0;
  }
  static int CEF_CALLBACK HasAtLeastOneRef(cef_base_ref_counted_t* base) {
    return From(base)->refs >= 1 ? 1 : 0;
  }
};

// A program object as the engine gets it: its structure with the reference the engine receives;
// Drop is the engine's release of that reference.
template <class S, class T>
S* Give(const CefRefPtr<T>& object) {
  return static_cast<S*>(EngineDataFromInterface(object));
}
template <class S>
int Drop(S* data) {
  return data->base.release(&data->base);
}

#endif  // OSTREL_TESTS_UNIT_FAKE_ENGINE_OBJECT_H_
