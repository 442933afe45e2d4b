#include "engine/refs/cef_x509cert_principal_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"

namespace {

using ListGetter = void (CEF_CALLBACK* cef_x509cert_principal_t::*)(cef_x509cert_principal_t*,
                                                                    cef_string_list_t);

void AppendList(cef_x509cert_principal_t* engine, ListGetter getter, std::vector<ustring>& target) {
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return;
  CallEngine(engine, getter, list->GetHandle());
  list->CopyToStrings(target);
}

}  // namespace

ustring TCefX509CertPrincipalRef::GetDisplayName() {
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_x509cert_principal_t::get_display_name));
}

ustring TCefX509CertPrincipalRef::GetCommonName() {
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_x509cert_principal_t::get_common_name));
}

ustring TCefX509CertPrincipalRef::GetLocalityName() {
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_x509cert_principal_t::get_locality_name));
}

ustring TCefX509CertPrincipalRef::GetStateOrProvinceName() {
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_x509cert_principal_t::get_state_or_province_name));
}

ustring TCefX509CertPrincipalRef::GetCountryName() {
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_x509cert_principal_t::get_country_name));
}

void TCefX509CertPrincipalRef::GetStreetAddresses(std::vector<ustring>& addresses) {
  AppendList(Engine(), &cef_x509cert_principal_t::get_street_addresses, addresses);
}

void TCefX509CertPrincipalRef::GetOrganizationNames(std::vector<ustring>& names) {
  AppendList(Engine(), &cef_x509cert_principal_t::get_organization_names, names);
}

void TCefX509CertPrincipalRef::GetOrganizationUnitNames(std::vector<ustring>& names) {
  AppendList(Engine(), &cef_x509cert_principal_t::get_organization_unit_names, names);
}

void TCefX509CertPrincipalRef::GetDomainComponents(std::vector<ustring>& components) {
  AppendList(Engine(), &cef_x509cert_principal_t::get_domain_components, components);
}
