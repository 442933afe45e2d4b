#ifndef OSTREL_ENGINE_REFS_CEF_X509CERT_PRINCIPAL_REF_H_
#define OSTREL_ENGINE_REFS_CEF_X509CERT_PRINCIPAL_REF_H_

// The subject or issuer of a certificate. The list getters append in the engine's order.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefX509CertPrincipal : public virtual ICefBaseRefCounted {
 public:
  virtual ustring GetDisplayName() = 0;
  virtual ustring GetCommonName() = 0;
  virtual ustring GetLocalityName() = 0;
  virtual ustring GetStateOrProvinceName() = 0;
  virtual ustring GetCountryName() = 0;
  virtual void GetStreetAddresses(std::vector<ustring>& addresses) = 0;
  virtual void GetOrganizationNames(std::vector<ustring>& names) = 0;
  virtual void GetOrganizationUnitNames(std::vector<ustring>& names) = 0;
  virtual void GetDomainComponents(std::vector<ustring>& components) = 0;
};

class TCefX509CertPrincipalRef final
    : public TCefRefBase<TCefX509CertPrincipalRef, ICefX509CertPrincipal,
                         cef_x509cert_principal_t> {
 public:
  using TCefRefBase::TCefRefBase;

  ustring GetDisplayName() override;
  ustring GetCommonName() override;
  ustring GetLocalityName() override;
  ustring GetStateOrProvinceName() override;
  ustring GetCountryName() override;
  void GetStreetAddresses(std::vector<ustring>& addresses) override;
  void GetOrganizationNames(std::vector<ustring>& names) override;
  void GetOrganizationUnitNames(std::vector<ustring>& names) override;
  void GetDomainComponents(std::vector<ustring>& components) override;

 private:
  ~TCefX509CertPrincipalRef() override = default;
};

inline CefRefPtr<ICefX509CertPrincipal> UnWrapEngine(cef_x509cert_principal_t* data) {
  return TCefX509CertPrincipalRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_X509CERT_PRINCIPAL_REF_H_
