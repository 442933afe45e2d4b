#ifndef OSTREL_ENGINE_REFS_CEF_SSLSTATUS_REF_H_
#define OSTREL_ENGINE_REFS_CEF_SSLSTATUS_REF_H_

// The security state of a navigation entry's connection.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_x509certificate_ref.h"

class ICefSSLStatus : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsSecureConnection() = 0;
  virtual cef_cert_status_t GetCertStatus() = 0;
  virtual cef_ssl_version_t GetSslversion() = 0;
  virtual cef_ssl_content_status_t GetContentStatus() = 0;
  virtual CefRefPtr<ICefX509Certificate> GetX509certificate() = 0;
};

class TCefSSLStatusRef final
    : public TCefRefBase<TCefSSLStatusRef, ICefSSLStatus, cef_sslstatus_t> {
 public:
  using TCefRefBase::TCefRefBase;

  bool IsSecureConnection() override;
  cef_cert_status_t GetCertStatus() override;
  cef_ssl_version_t GetSslversion() override;
  cef_ssl_content_status_t GetContentStatus() override;
  CefRefPtr<ICefX509Certificate> GetX509certificate() override;

 private:
  ~TCefSSLStatusRef() override = default;
};

inline CefRefPtr<ICefSSLStatus> UnWrapEngine(cef_sslstatus_t* data) {
  return TCefSSLStatusRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_SSLSTATUS_REF_H_
