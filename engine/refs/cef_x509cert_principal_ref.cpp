#include "engine/refs/cef_x509cert_principal_ref.h"

#include "engine/core/cef_ref_call.h"

ustring TCefX509CertPrincipalRef::GetDisplayName() {
  return CallEngine(Engine(), &cef_x509cert_principal_t::get_display_name);
}

ustring TCefX509CertPrincipalRef::GetCommonName() {
  return CallEngine(Engine(), &cef_x509cert_principal_t::get_common_name);
}

ustring TCefX509CertPrincipalRef::GetLocalityName() {
  return CallEngine(Engine(), &cef_x509cert_principal_t::get_locality_name);
}

ustring TCefX509CertPrincipalRef::GetStateOrProvinceName() {
  return CallEngine(Engine(), &cef_x509cert_principal_t::get_state_or_province_name);
}

ustring TCefX509CertPrincipalRef::GetCountryName() {
  return CallEngine(Engine(), &cef_x509cert_principal_t::get_country_name);
}

void TCefX509CertPrincipalRef::GetStreetAddresses(std::vector<ustring>& addresses) {
  CallEngineForStrings(Engine(), &cef_x509cert_principal_t::get_street_addresses, addresses);
}

void TCefX509CertPrincipalRef::GetOrganizationNames(std::vector<ustring>& names) {
  CallEngineForStrings(Engine(), &cef_x509cert_principal_t::get_organization_names, names);
}

void TCefX509CertPrincipalRef::GetOrganizationUnitNames(std::vector<ustring>& names) {
  CallEngineForStrings(Engine(), &cef_x509cert_principal_t::get_organization_unit_names, names);
}

void TCefX509CertPrincipalRef::GetDomainComponents(std::vector<ustring>& components) {
  CallEngineForStrings(Engine(), &cef_x509cert_principal_t::get_domain_components, components);
}
