#ifndef OSTREL_ENGINE_INTERFACES_CEF_REQUEST_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_REQUEST_HANDLER_H_

#include <cstdint>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_resource_request_handler.h"

class ICefAuthCallback;
class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestCallback;
class ICefSelectClientCertificateCallback;
class ICefSslInfo;
class ICefX509Certificate;

class ICefRequestHandler : public virtual ICefBaseRefCounted {
 public:
  // True cancels the navigation.
  virtual bool OnBeforeBrowse(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                              Ref<ICefRequest> /*request*/, bool /*userGesture*/,
                              bool /*isRedirect*/) {
    return false;
  }
  // True cancels the navigation.
  virtual bool OnOpenUrlFromTab(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                const ustring& /*targetUrl*/,
                                cef_window_open_disposition_t /*targetDisposition*/,
                                bool /*userGesture*/) {
    return false;
  }
  // The handler of this request, or null for the request context's. Setting
  // `disableDefaultHandling` keeps the engine from handling it itself when nothing else does.
  virtual CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/, Ref<ICefRequest> /*request*/,
      bool /*isNavigation*/, bool /*isDownload*/, const ustring& /*requestInitiator*/,
      bool& /*disableDefaultHandling*/) {
    return nullptr;
  }
  // True: the program answers through `callback`; false cancels the request.
  virtual bool GetAuthCredentials(Ref<ICefBrowser> /*browser*/, const ustring& /*originUrl*/,
                                  bool /*isProxy*/, const ustring& /*host*/, int /*port*/,
                                  const ustring& /*realm*/, const ustring& /*scheme*/,
                                  Ref<ICefAuthCallback> /*callback*/) {
    return false;
  }
  // True: the program answers through `callback`; false cancels the request.
  virtual bool OnQuotaRequest(Ref<ICefBrowser> /*browser*/, const ustring& /*originUrl*/,
                              int64_t /*newSize*/, Ref<ICefRequestCallback> /*callback*/) {
    return false;
  }
  // True: the program answers through `callback`; false cancels the request.
  virtual bool OnCertificateError(Ref<ICefBrowser> /*browser*/, cef_errorcode_t /*certError*/,
                                  const ustring& /*requestUrl*/, Ref<ICefSslInfo> /*sslInfo*/,
                                  Ref<ICefRequestCallback> /*callback*/) {
    return false;
  }
  // True: the program selects through `callback`; false lets the engine take the first one.
  virtual bool OnSelectClientCertificate(
      Ref<ICefBrowser> /*browser*/, bool /*isProxy*/, const ustring& /*host*/, int /*port*/,
      const std::vector<CefRefPtr<ICefX509Certificate>>& /*certificates*/,
      Ref<ICefSelectClientCertificateCallback> /*callback*/) {
    return false;
  }
  virtual void OnPluginCrashed(Ref<ICefBrowser> /*browser*/, const ustring& /*pluginPath*/) {}
  virtual void OnRenderViewReady(Ref<ICefBrowser> /*browser*/) {}
  virtual void OnRenderProcessTerminated(Ref<ICefBrowser> /*browser*/,
                                         cef_termination_status_t /*status*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_REQUEST_HANDLER_H_
