#ifndef OSTREL_ENGINE_REFS_CEF_SELECT_CLIENT_CERTIFICATE_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_SELECT_CLIENT_CERTIFICATE_CALLBACK_REF_H_

// The engine's answer slot for choosing a client certificate; null selects none.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_x509certificate_ref.h"

class ICefSelectClientCertificateCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Select(Ref<ICefX509Certificate> cert) = 0;
};

class TCefSelectClientCertificateCallbackRef final
    : public TCefRefBase<TCefSelectClientCertificateCallbackRef,
                         ICefSelectClientCertificateCallback,
                         cef_select_client_certificate_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Select(Ref<ICefX509Certificate> cert) override;

 private:
  ~TCefSelectClientCertificateCallbackRef() override = default;
};

// How engine callbacks receive a cef_select_client_certificate_callback_t: wrapped, taking over its
// reference.
inline CefRefPtr<ICefSelectClientCertificateCallback> UnWrapEngine(
    cef_select_client_certificate_callback_t* data) {
  return TCefSelectClientCertificateCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_SELECT_CLIENT_CERTIFICATE_CALLBACK_REF_H_
