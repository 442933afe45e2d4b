#include "engine/refs/cef_sslstatus_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_x509certificate_ref.h"

bool TCefSSLStatusRef::IsSecureConnection() {
  return CallEngine(Engine(), &cef_sslstatus_t::is_secure_connection) != 0;
}

cef_cert_status_t TCefSSLStatusRef::GetCertStatus() {
  return CallEngine(Engine(), &cef_sslstatus_t::get_cert_status);
}

cef_ssl_version_t TCefSSLStatusRef::GetSslversion() {
  return CallEngine(Engine(), &cef_sslstatus_t::get_sslversion);
}

cef_ssl_content_status_t TCefSSLStatusRef::GetContentStatus() {
  return CallEngine(Engine(), &cef_sslstatus_t::get_content_status);
}

CefRefPtr<ICefX509Certificate> TCefSSLStatusRef::GetX509certificate() {
  return CallEngine(Engine(), &cef_sslstatus_t::get_x509certificate);
}
