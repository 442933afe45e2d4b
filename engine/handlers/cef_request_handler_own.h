#ifndef OSTREL_ENGINE_HANDLERS_CEF_REQUEST_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_REQUEST_HANDLER_OWN_H_

// The engine's request handler: navigation decisions, the resource request handler of each
// request, authentication, quota and certificate questions, plug-in and renderer events.

#include <cstdint>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/handlers/cef_resource_request_handler_own.h"
#include "engine/interfaces/cef_request_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestCallback;
class ICefAuthCallback;
class ICefSslInfo;
class ICefX509Certificate;
class ICefSelectClientCertificateCallback;

// By default every request and question goes the engine's way.
class TCefRequestHandlerOwn : public TCefBaseRefCountedOwn, public ICefRequestHandler {
 public:
  bool OnBeforeBrowse(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                      const CefRefPtr<ICefRequest>&, bool, bool) override {
    return false;
  }
  bool OnOpenUrlFromTab(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, const ustring&,
                        cef_window_open_disposition_t, bool) override {
    return false;
  }
  CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(const CefRefPtr<ICefBrowser>&,
                                                                  const CefRefPtr<ICefFrame>&,
                                                                  const CefRefPtr<ICefRequest>&,
                                                                  bool, bool, const ustring&,
                                                                  bool&) override {
    return nullptr;
  }
  bool GetAuthCredentials(const CefRefPtr<ICefBrowser>&, const ustring&, bool, const ustring&, int,
                          const ustring&, const ustring&,
                          const CefRefPtr<ICefAuthCallback>&) override {
    return false;
  }
  bool OnQuotaRequest(const CefRefPtr<ICefBrowser>&, const ustring&, int64_t,
                      const CefRefPtr<ICefRequestCallback>&) override {
    return false;
  }
  bool OnCertificateError(const CefRefPtr<ICefBrowser>&, cef_errorcode_t, const ustring&,
                          const CefRefPtr<ICefSslInfo>&,
                          const CefRefPtr<ICefRequestCallback>&) override {
    return false;
  }
  bool OnSelectClientCertificate(const CefRefPtr<ICefBrowser>&, bool, const ustring&, int,
                                 const std::vector<CefRefPtr<ICefX509Certificate>>&,
                                 const CefRefPtr<ICefSelectClientCertificateCallback>&) override {
    return false;
  }
  void OnPluginCrashed(const CefRefPtr<ICefBrowser>&, const ustring&) override {}
  void OnRenderViewReady(const CefRefPtr<ICefBrowser>&) override {}
  void OnRenderProcessTerminated(const CefRefPtr<ICefBrowser>&, cef_termination_status_t) override {
  }
  void RemoveReferences() override {}

 protected:
  TCefRequestHandlerOwn();
  ~TCefRequestHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_REQUEST_HANDLER_OWN_H_
