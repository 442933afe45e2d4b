#include "engine/refs/cef_sslinfo_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_x509certificate_ref.h"

cef_cert_status_t TCefSslInfoRef::GetCertStatus() {
  return CallEngine(Engine(), &cef_sslinfo_t::get_cert_status);
}

CefRefPtr<ICefX509Certificate> TCefSslInfoRef::GetX509certificate() {
  return CallEngine(Engine(), &cef_sslinfo_t::get_x509certificate);
}
