#ifndef OSTREL_ENGINE_REFS_CEF_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_CALLBACK_REF_H_

// The engine's generic callback: continue or cancel an operation it has put on hold.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont() = 0;
  virtual void Cancel() = 0;
};

class TCefCallbackRef final : public TCefBaseRefCountedRef, public ICefCallback {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefCallbackRef(cef_callback_t* data) : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefCallback> UnWrap(cef_callback_t* data);

  void Cont() override;
  void Cancel() override;

 private:
  ~TCefCallbackRef() override = default;
  cef_callback_t* Engine() const noexcept { return Data<cef_callback_t>(); }
};

inline CefRefPtr<ICefCallback> UnWrapEngine(cef_callback_t* data) {
  return TCefCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_CALLBACK_REF_H_
