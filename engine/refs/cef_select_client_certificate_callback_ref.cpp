#include "engine/refs/cef_select_client_certificate_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefSelectClientCertificateCallbackRef::Select(Ref<ICefX509Certificate> cert) {
  CallEngine(Engine(), &cef_select_client_certificate_callback_t::select, cert);
}
