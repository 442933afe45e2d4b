#ifndef OSTREL_ENGINE_REFS_CEF_REQUEST_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_REQUEST_CALLBACK_REF_H_

// The engine's answer slot for a request it has put on hold (certificate errors, quotas).

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefRequestCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont(bool allow) = 0;
  virtual void Cancel() = 0;
};

class TCefRequestCallbackRef final : public TCefBaseRefCountedRef, public ICefRequestCallback {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefRequestCallbackRef(cef_request_callback_t* data) : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefRequestCallback> UnWrap(cef_request_callback_t* data);

  void Cont(bool allow) override;
  void Cancel() override;

 private:
  ~TCefRequestCallbackRef() override = default;
  cef_request_callback_t* Engine() const noexcept { return Data<cef_request_callback_t>(); }
};

inline CefRefPtr<ICefRequestCallback> UnWrapEngine(cef_request_callback_t* data) {
  return TCefRequestCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_REQUEST_CALLBACK_REF_H_
