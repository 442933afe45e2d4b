#include "engine/handlers/cef_request_handler_own.h"

#include <vector>

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_auth_callback_ref.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_callback_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_select_client_certificate_callback_ref.h"
#include "engine/refs/cef_sslinfo_ref.h"
#include "engine/refs/cef_x509certificate_ref.h"

namespace {

using Handler = TCefRequestHandlerOwn;

int CEF_CALLBACK OnSelectClientCertificateCallback(
    cef_request_handler_t* self, cef_browser_t* browser, int isProxy, const cef_string_t* host,
    int port, size_t certificatesCount, cef_x509certificate_t* const* certificates,
    cef_select_client_certificate_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = UnWrapEngine(browser);
  // Every certificate of the array comes with a reference of its own.
  std::vector<CefRefPtr<ICefX509Certificate>> aCertificates;
  if (certificates != nullptr) {
    aCertificates.reserve(certificatesCount);
    for (size_t i = 0; i < certificatesCount; ++i) {
      aCertificates.push_back(UnWrapEngine(certificates[i]));
    }
  }
  const CefRefPtr<ICefSelectClientCertificateCallback> aCallback = UnWrapEngine(callback);
  return WithOwner<Handler>(
      L"ICefRequestHandler.OnSelectClientCertificate", self, 0, [&](Handler& handler) {
        return EngineBool(handler.OnSelectClientCertificate(
            aBrowser, isProxy != 0, CopyEngineString(host), port, aCertificates, aCallback));
      });
}

}  // namespace

TCefRequestHandlerOwn::TCefRequestHandlerOwn() {
  auto* data = CreateData<cef_request_handler_t>();
  BindCallback<&TCefRequestHandlerOwn::OnBeforeBrowse>(data->on_before_browse);
  BindCallback<&TCefRequestHandlerOwn::OnOpenUrlFromTab>(data->on_open_urlfrom_tab);
  BindCallback<&TCefRequestHandlerOwn::GetResourceRequestHandler>(
      data->get_resource_request_handler);
  BindCallback<&TCefRequestHandlerOwn::GetAuthCredentials>(data->get_auth_credentials);
  BindCallback<&TCefRequestHandlerOwn::OnQuotaRequest>(data->on_quota_request);
  BindCallback<&TCefRequestHandlerOwn::OnCertificateError>(data->on_certificate_error);
  data->on_select_client_certificate = OnSelectClientCertificateCallback;
  BindCallback<&TCefRequestHandlerOwn::OnPluginCrashed>(data->on_plugin_crashed);
  BindCallback<&TCefRequestHandlerOwn::OnRenderViewReady>(data->on_render_view_ready);
  BindCallback<&TCefRequestHandlerOwn::OnRenderProcessTerminated>(
      data->on_render_process_terminated);
}
