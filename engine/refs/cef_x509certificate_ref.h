#ifndef OSTREL_ENGINE_REFS_CEF_X509CERTIFICATE_REF_H_
#define OSTREL_ENGINE_REFS_CEF_X509CERTIFICATE_REF_H_

// A certificate as the engine reports it (certificate errors, client certificate selection).

#include <cstddef>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_x509cert_principal_ref.h"

class ICefX509Certificate : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefX509CertPrincipal> GetSubject() = 0;
  virtual CefRefPtr<ICefX509CertPrincipal> GetIssuer() = 0;
  virtual CefRefPtr<ICefBinaryValue> GetSerialNumber() = 0;
  virtual cef_time_t GetValidStart() = 0;
  virtual cef_time_t GetValidExpiry() = 0;
  virtual CefRefPtr<ICefBinaryValue> GetDerencoded() = 0;
  virtual CefRefPtr<ICefBinaryValue> GetPemencoded() = 0;
  virtual size_t GetIssuerChainSize() = 0;
  // Appends the issuer chain to `chain`, nearest issuer first.
  virtual void GetDerencodedIssuerChain(std::vector<CefRefPtr<ICefBinaryValue>>& chain) = 0;
  virtual void GetPemencodedIssuerChain(std::vector<CefRefPtr<ICefBinaryValue>>& chain) = 0;
};

class TCEFX509CertificateRef final
    : public TCefRefBase<TCEFX509CertificateRef, ICefX509Certificate, cef_x509certificate_t> {
 public:
  using TCefRefBase::TCefRefBase;

  CefRefPtr<ICefX509CertPrincipal> GetSubject() override;
  CefRefPtr<ICefX509CertPrincipal> GetIssuer() override;
  CefRefPtr<ICefBinaryValue> GetSerialNumber() override;
  cef_time_t GetValidStart() override;
  cef_time_t GetValidExpiry() override;
  CefRefPtr<ICefBinaryValue> GetDerencoded() override;
  CefRefPtr<ICefBinaryValue> GetPemencoded() override;
  size_t GetIssuerChainSize() override;
  void GetDerencodedIssuerChain(std::vector<CefRefPtr<ICefBinaryValue>>& chain) override;
  void GetPemencodedIssuerChain(std::vector<CefRefPtr<ICefBinaryValue>>& chain) override;

 private:
  ~TCEFX509CertificateRef() override = default;
};

inline CefRefPtr<ICefX509Certificate> UnWrapEngine(cef_x509certificate_t* data) {
  return TCEFX509CertificateRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_X509CERTIFICATE_REF_H_
