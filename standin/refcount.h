#ifndef OSTREL_STANDIN_REFCOUNT_H_
#define OSTREL_STANDIN_REFCOUNT_H_

// Reference counting on both sides of the interface.
//
// Stand-in objects: each engine structure handed to the program lives in an Envelope next to its
// Control block (atomic count starting at 1). When the count reaches 0 the C++ object is
// destroyed at once, but the envelope is kept in a bounded quarantine, so a late add_ref or
// release by the program is caught ("overrelease <type>", "use-after-release <type>" in the
// trace) instead of corrupting memory. Live objects are registered for the leak report.
//
// Program objects: ProgramRef holds one reference the stand-in was given (or took) and releases
// it exactly once.

#include <atomic>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "standin/capi.h"

namespace standin {

class LiveObject;

struct Control {
  std::atomic<int> count{1};
  std::atomic<LiveObject*> self{nullptr};  // null once the count reached 0
  const char* type = "";
  void (*free_envelope)(Control*) = nullptr;
};

void ControlAddRef(Control* control);
int ControlRelease(Control* control);

class LiveObject {
 public:
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;

  void AddRef() { ControlAddRef(control_); }
  int Release() { return ControlRelease(control_); }
  const char* type() const { return control_->type; }

 protected:
  explicit LiveObject(Control* control);  // registers the object
  virtual ~LiveObject();                  // unregisters it
  Control* control() const { return control_; }

 private:
  friend int ControlRelease(Control* control);
  Control* control_;
};

size_t LiveObjectCount();
std::vector<std::string> LiveObjectTypes();

template <typename Struct>
struct Envelope {
  Struct data;  // first: a Struct* is an Envelope*
  Control control;

  static Envelope* Of(const void* data) {
    return reinterpret_cast<Envelope*>(const_cast<void*>(data));
  }
};

// Base of every stand-in object implementing the engine structure Struct. Derived classes fill
// the structure's function pointers in their constructor and recover themselves in each callback
// with From(self), which is null for a released object (the callback then does nothing).
template <typename Derived, typename Struct>
class EngineObject : public LiveObject {
 public:
  // The structure carrying the reference the object was created with.
  Struct* data() { return &EnvelopeOf(control())->data; }
  // One more reference, for handing out an object the stand-in keeps.
  Struct* Share() {
    AddRef();
    return data();
  }

  static Derived* From(const Struct* data) {
    if (!data) return nullptr;
    return static_cast<Derived*>(Envelope<Struct>::Of(data)->control.self.load());
  }

 protected:
  explicit EngineObject(const char* type) : LiveObject(NewControl(type)) {}

 private:
  static Control* NewControl(const char* type) {
    auto* envelope = new Envelope<Struct>;
    std::memset(static_cast<void*>(&envelope->data), 0, sizeof(Struct));
    cef_base_ref_counted_t& base = envelope->data.base;
    base.size = sizeof(Struct);
    base.add_ref = &AddRefThunk;
    base.release = &ReleaseThunk;
    base.has_one_ref = &HasOneRefThunk;
    base.has_at_least_one_ref = &HasAtLeastOneRefThunk;
    envelope->control.type = type;
    envelope->control.free_envelope = &FreeEnvelope;
    return &envelope->control;
  }
  static Control* ControlOf(cef_base_ref_counted_t* base) {
    return &Envelope<Struct>::Of(base)->control;
  }
  static void CEF_CALLBACK AddRefThunk(cef_base_ref_counted_t* base) {
    if (base) ControlAddRef(ControlOf(base));
  }
  static int CEF_CALLBACK ReleaseThunk(cef_base_ref_counted_t* base) {
    return base ? ControlRelease(ControlOf(base)) : 0;
  }
  static int CEF_CALLBACK HasOneRefThunk(cef_base_ref_counted_t* base) {
    return base && ControlOf(base)->count.load() == 1 ? 1 : 0;
  }
  static int CEF_CALLBACK HasAtLeastOneRefThunk(cef_base_ref_counted_t* base) {
    return base && ControlOf(base)->count.load() >= 1 ? 1 : 0;
  }
  static Envelope<Struct>* EnvelopeOf(Control* control) {
    return reinterpret_cast<Envelope<Struct>*>(reinterpret_cast<char*>(control) -
                                               offsetof(Envelope<Struct>, control));
  }
  static void FreeEnvelope(Control* control) { delete EnvelopeOf(control); }
};

// Releases one reference of any engine-shaped structure the program gave the stand-in.
inline void ReleaseProgramObject(void* object) {
  auto* base = static_cast<cef_base_ref_counted_t*>(object);
  if (base && base->release) base->release(base);
}

inline void AddRefProgramObject(void* object) {
  auto* base = static_cast<cef_base_ref_counted_t*>(object);
  if (base && base->add_ref) base->add_ref(base);
}

// One reference to a program object, released exactly once.
template <typename Struct>
class ProgramRef {
 public:
  ProgramRef() = default;
  explicit ProgramRef(Struct* adopted) : object_(adopted) {}  // takes over the given reference
  ProgramRef(ProgramRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ProgramRef& operator=(ProgramRef&& other) noexcept {
    if (this != &other) reset(std::exchange(other.object_, nullptr));
    return *this;
  }
  ~ProgramRef() { reset(); }

  void reset(Struct* adopted = nullptr) {
    Struct* old = std::exchange(object_, adopted);
    if (old) ReleaseProgramObject(old);
  }
  Struct* get() const { return object_; }
  Struct* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  Struct* object_ = nullptr;
};

}  // namespace standin

#endif  // OSTREL_STANDIN_REFCOUNT_H_
