#include "engine/refs/cef_x509certificate_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_x509cert_principal_ref.h"

CefRefPtr<ICefX509CertPrincipal> TCEFX509CertificateRef::GetSubject() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_subject);
}

CefRefPtr<ICefX509CertPrincipal> TCEFX509CertificateRef::GetIssuer() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_issuer);
}

CefRefPtr<ICefBinaryValue> TCEFX509CertificateRef::GetSerialNumber() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_serial_number);
}

cef_time_t TCEFX509CertificateRef::GetValidStart() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_valid_start);
}

cef_time_t TCEFX509CertificateRef::GetValidExpiry() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_valid_expiry);
}

CefRefPtr<ICefBinaryValue> TCEFX509CertificateRef::GetDerencoded() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_derencoded);
}

CefRefPtr<ICefBinaryValue> TCEFX509CertificateRef::GetPemencoded() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_pemencoded);
}

size_t TCEFX509CertificateRef::GetIssuerChainSize() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_issuer_chain_size);
}

void TCEFX509CertificateRef::GetDerencodedIssuerChain(
    std::vector<CefRefPtr<ICefBinaryValue>>& chain) {
  CallEngineForObjects(Engine(), &cef_x509certificate_t::get_derencoded_issuer_chain,
                       GetIssuerChainSize(), chain);
}

void TCEFX509CertificateRef::GetPemencodedIssuerChain(
    std::vector<CefRefPtr<ICefBinaryValue>>& chain) {
  CallEngineForObjects(Engine(), &cef_x509certificate_t::get_pemencoded_issuer_chain,
                       GetIssuerChainSize(), chain);
}
