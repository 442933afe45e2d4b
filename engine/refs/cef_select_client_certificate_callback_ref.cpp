#include "engine/refs/cef_select_client_certificate_callback_ref.h"

#include "engine/core/cef_ref_call.h"

CefRefPtr<ICefSelectClientCertificateCallback> TCefSelectClientCertificateCallbackRef::UnWrap(
    cef_select_client_certificate_callback_t* data) {
  if (data == nullptr) return nullptr;
  return MakeRefCounted<TCefSelectClientCertificateCallbackRef>(data);
}

void TCefSelectClientCertificateCallbackRef::Select(const CefRefPtr<ICefX509Certificate>& cert) {
  CallEngine(Engine(), &cef_select_client_certificate_callback_t::select,
             HandToEngine<cef_x509certificate_t>(cert));
}
