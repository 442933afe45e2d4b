#include "engine/handlers/cef_request_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_auth_callback_ref.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_callback_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_select_client_certificate_callback_ref.h"
#include "engine/refs/cef_sslinfo_ref.h"
#include "engine/refs/cef_x509certificate_ref.h"

namespace {

static_assert(sizeof(cef_request_handler_t) == 120, "request handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefRequestHandlerOwn;

int CEF_CALLBACK OnBeforeBrowseCallback(cef_request_handler_t* self, cef_browser_t* browser,
                                        cef_frame_t* frame, cef_request_t* request,
                                        int user_gesture, int is_redirect) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(
        handler.OnBeforeBrowse(aBrowser, aFrame, aRequest, user_gesture != 0, is_redirect != 0));
  });
}

int CEF_CALLBACK OnOpenUrlFromTabCallback(cef_request_handler_t* self, cef_browser_t* browser,
                                          cef_frame_t* frame, const cef_string_t* target_url,
                                          cef_window_open_disposition_t target_disposition,
                                          int user_gesture) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnOpenUrlFromTab(aBrowser, aFrame, CopyEngineString(target_url),
                                               target_disposition, user_gesture != 0));
  });
}

int CEF_CALLBACK GetAuthCredentialsCallback(cef_request_handler_t* self, cef_browser_t* browser,
                                            const cef_string_t* origin_url, int isProxy,
                                            const cef_string_t* host, int port,
                                            const cef_string_t* realm, const cef_string_t* scheme,
                                            cef_auth_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefAuthCallback> aCallback = TCefAuthCallbackRef::UnWrap(callback);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.GetAuthCredentials(
        aBrowser, CopyEngineString(origin_url), isProxy != 0, CopyEngineString(host), port,
        CopyEngineString(realm), CopyEngineString(scheme), aCallback));
  });
}

int CEF_CALLBACK OnQuotaRequestCallback(cef_request_handler_t* self, cef_browser_t* browser,
                                        const cef_string_t* origin_url, int64 new_size,
                                        cef_request_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefRequestCallback> aCallback = TCefRequestCallbackRef::UnWrap(callback);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(
        handler.OnQuotaRequest(aBrowser, CopyEngineString(origin_url), new_size, aCallback));
  });
}

int CEF_CALLBACK OnCertificateErrorCallback(cef_request_handler_t* self, cef_browser_t* browser,
                                            cef_errorcode_t cert_error,
                                            const cef_string_t* request_url,
                                            cef_sslinfo_t* ssl_info,
                                            cef_request_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefSslInfo> aSslInfo = TCefSslInfoRef::UnWrap(ssl_info);
  const CefRefPtr<ICefRequestCallback> aCallback = TCefRequestCallbackRef::UnWrap(callback);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnCertificateError(
        aBrowser, cert_error, CopyEngineString(request_url), aSslInfo, aCallback));
  });
}

int CEF_CALLBACK OnSelectClientCertificateCallback(
    cef_request_handler_t* self, cef_browser_t* browser, int isProxy, const cef_string_t* host,
    int port, size_t certificatesCount, cef_x509certificate_t* const* certificates,
    cef_select_client_certificate_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  // Every certificate of the array comes with a reference of its own.
  std::vector<CefRefPtr<ICefX509Certificate>> aCertificates;
  if (certificates != nullptr) {
    aCertificates.reserve(certificatesCount);
    for (size_t i = 0; i < certificatesCount; ++i) {
      aCertificates.push_back(TCEFX509CertificateRef::UnWrap(certificates[i]));
    }
  }
  const CefRefPtr<ICefSelectClientCertificateCallback> aCallback =
      TCefSelectClientCertificateCallbackRef::UnWrap(callback);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnSelectClientCertificate(
        aBrowser, isProxy != 0, CopyEngineString(host), port, aCertificates, aCallback));
  });
}

void CEF_CALLBACK OnPluginCrashedCallback(cef_request_handler_t* self, cef_browser_t* browser,
                                          const cef_string_t* plugin_path) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnPluginCrashed(aBrowser, CopyEngineString(plugin_path));
  });
}

void CEF_CALLBACK OnRenderViewReadyCallback(cef_request_handler_t* self, cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnRenderViewReady(aBrowser); });
}

void CEF_CALLBACK OnRenderProcessTerminatedCallback(cef_request_handler_t* self,
                                                    cef_browser_t* browser,
                                                    cef_termination_status_t status) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnRenderProcessTerminated(aBrowser, status); });
}

}  // namespace

TCefRequestHandlerOwn::TCefRequestHandlerOwn() {
  CreateData(sizeof(cef_request_handler_t), false);
  auto* data = Data<cef_request_handler_t>();
  data->on_before_browse = OnBeforeBrowseCallback;
  data->on_open_urlfrom_tab = OnOpenUrlFromTabCallback;
  data->get_resource_request_handler = GetResourceRequestHandlerCallback<Handler>;
  data->get_auth_credentials = GetAuthCredentialsCallback;
  data->on_quota_request = OnQuotaRequestCallback;
  data->on_certificate_error = OnCertificateErrorCallback;
  data->on_select_client_certificate = OnSelectClientCertificateCallback;
  data->on_plugin_crashed = OnPluginCrashedCallback;
  data->on_render_view_ready = OnRenderViewReadyCallback;
  data->on_render_process_terminated = OnRenderProcessTerminatedCallback;
}
