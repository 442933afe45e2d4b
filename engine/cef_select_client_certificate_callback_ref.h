#ifndef OSTREL_ENGINE_CEF_SELECT_CLIENT_CERTIFICATE_CALLBACK_REF_H_
#define OSTREL_ENGINE_CEF_SELECT_CLIENT_CERTIFICATE_CALLBACK_REF_H_

// The engine's answer slot for choosing a client certificate; null selects none.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"
#include "engine/cef_x509certificate_ref.h"

class ICefSelectClientCertificateCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Select(const CefRefPtr<ICefX509Certificate>& cert) = 0;
};

class TCefSelectClientCertificateCallbackRef final : public TCefBaseRefCountedRef,
                                                     public ICefSelectClientCertificateCallback {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefSelectClientCertificateCallbackRef(cef_select_client_certificate_callback_t* data)
      : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefSelectClientCertificateCallback> UnWrap(
      cef_select_client_certificate_callback_t* data);

  void Select(const CefRefPtr<ICefX509Certificate>& cert) override;

 private:
  ~TCefSelectClientCertificateCallbackRef() override = default;
  cef_select_client_certificate_callback_t* Engine() const noexcept {
    return Data<cef_select_client_certificate_callback_t>();
  }
};

#endif  // OSTREL_ENGINE_CEF_SELECT_CLIENT_CERTIFICATE_CALLBACK_REF_H_
