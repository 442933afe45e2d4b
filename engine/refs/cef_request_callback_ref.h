#ifndef OSTREL_ENGINE_REFS_CEF_REQUEST_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_REQUEST_CALLBACK_REF_H_

// The engine's answer slot for a request it has put on hold (certificate errors, quotas).

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefRequestCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont(bool allow) = 0;
  virtual void Cancel() = 0;
};

class TCefRequestCallbackRef final
    : public TCefRefBase<TCefRequestCallbackRef, ICefRequestCallback, cef_request_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cont(bool allow) override;
  void Cancel() override;

 private:
  ~TCefRequestCallbackRef() override = default;
};

inline CefRefPtr<ICefRequestCallback> UnWrapEngine(cef_request_callback_t* data) {
  return TCefRequestCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_REQUEST_CALLBACK_REF_H_
