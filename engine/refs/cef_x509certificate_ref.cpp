#include "engine/refs/cef_x509certificate_ref.h"

#include <algorithm>

#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_x509cert_principal_ref.h"

namespace {

using ChainGetter = void (CEF_CALLBACK* cef_x509certificate_t::*)(cef_x509certificate_t*, size_t*,
                                                                  cef_binary_value_t**);

// The engine fills a caller-allocated array; each entry it writes carries a reference for us.
void AppendChain(cef_x509certificate_t* engine, size_t size, ChainGetter getter,
                 std::vector<CefRefPtr<ICefBinaryValue>>& chain) {
  std::vector<cef_binary_value_t*> filled(size, nullptr);
  if (filled.empty()) return;
  size_t count = filled.size();
  CallEngine(engine, getter, &count, filled.data());
  filled.resize(std::min(count, filled.size()));
  for (cef_binary_value_t* value : filled) {
    if (value != nullptr) chain.push_back(TCefBinaryValueRef::UnWrap(value));
  }
}

}  // namespace

CefRefPtr<ICefX509CertPrincipal> TCEFX509CertificateRef::GetSubject() {
  return TCefX509CertPrincipalRef::UnWrap(
      CallEngine(Engine(), &cef_x509certificate_t::get_subject));
}

CefRefPtr<ICefX509CertPrincipal> TCEFX509CertificateRef::GetIssuer() {
  return TCefX509CertPrincipalRef::UnWrap(CallEngine(Engine(), &cef_x509certificate_t::get_issuer));
}

CefRefPtr<ICefBinaryValue> TCEFX509CertificateRef::GetSerialNumber() {
  return TCefBinaryValueRef::UnWrap(
      CallEngine(Engine(), &cef_x509certificate_t::get_serial_number));
}

cef_time_t TCEFX509CertificateRef::GetValidStart() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_valid_start);
}

cef_time_t TCEFX509CertificateRef::GetValidExpiry() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_valid_expiry);
}

CefRefPtr<ICefBinaryValue> TCEFX509CertificateRef::GetDerencoded() {
  return TCefBinaryValueRef::UnWrap(CallEngine(Engine(), &cef_x509certificate_t::get_derencoded));
}

CefRefPtr<ICefBinaryValue> TCEFX509CertificateRef::GetPemencoded() {
  return TCefBinaryValueRef::UnWrap(CallEngine(Engine(), &cef_x509certificate_t::get_pemencoded));
}

size_t TCEFX509CertificateRef::GetIssuerChainSize() {
  return CallEngine(Engine(), &cef_x509certificate_t::get_issuer_chain_size);
}

void TCEFX509CertificateRef::GetDerencodedIssuerChain(
    std::vector<CefRefPtr<ICefBinaryValue>>& chain) {
  AppendChain(Engine(), GetIssuerChainSize(), &cef_x509certificate_t::get_derencoded_issuer_chain,
              chain);
}

void TCEFX509CertificateRef::GetPemencodedIssuerChain(
    std::vector<CefRefPtr<ICefBinaryValue>>& chain) {
  AppendChain(Engine(), GetIssuerChainSize(), &cef_x509certificate_t::get_pemencoded_issuer_chain,
              chain);
}
