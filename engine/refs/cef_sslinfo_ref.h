#ifndef OSTREL_ENGINE_REFS_CEF_SSLINFO_REF_H_
#define OSTREL_ENGINE_REFS_CEF_SSLINFO_REF_H_

// The certificate state of a failed secure connection (certificate errors).

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_x509certificate_ref.h"

class ICefSslInfo : public virtual ICefBaseRefCounted {
 public:
  virtual cef_cert_status_t GetCertStatus() = 0;
  virtual CefRefPtr<ICefX509Certificate> GetX509certificate() = 0;
};

class TCefSslInfoRef final : public TCefRefBase<TCefSslInfoRef, ICefSslInfo, cef_sslinfo_t> {
 public:
  using TCefRefBase::TCefRefBase;

  cef_cert_status_t GetCertStatus() override;
  CefRefPtr<ICefX509Certificate> GetX509certificate() override;

 private:
  ~TCefSslInfoRef() override = default;
};

inline CefRefPtr<ICefSslInfo> UnWrapEngine(cef_sslinfo_t* data) {
  return TCefSslInfoRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_SSLINFO_REF_H_
