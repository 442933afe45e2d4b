#ifndef OSTREL_ENGINE_INTERFACES_CEF_REQUEST_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_REQUEST_HANDLER_H_

#include <cstdint>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefAuthCallback;
class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestCallback;
class ICefResourceRequestHandler;
class ICefSelectClientCertificateCallback;
class ICefSslInfo;
class ICefX509Certificate;

class ICefRequestHandler : public virtual ICefBaseRefCounted {
 public:
  // True cancels the navigation.
  virtual bool OnBeforeBrowse(const CefRefPtr<ICefBrowser>& browser,
                              const CefRefPtr<ICefFrame>& frame,
                              const CefRefPtr<ICefRequest>& request, bool userGesture,
                              bool isRedirect) = 0;
  // True cancels the navigation.
  virtual bool OnOpenUrlFromTab(const CefRefPtr<ICefBrowser>& browser,
                                const CefRefPtr<ICefFrame>& frame, const ustring& targetUrl,
                                cef_window_open_disposition_t targetDisposition,
                                bool userGesture) = 0;
  // The handler of this request, or null for the request context's. Setting
  // `disableDefaultHandling` keeps the engine from handling it itself when nothing else does.
  virtual CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request, bool isNavigation, bool isDownload,
      const ustring& requestInitiator, bool& disableDefaultHandling) = 0;
  // True: the program answers through `callback`; false cancels the request.
  virtual bool GetAuthCredentials(const CefRefPtr<ICefBrowser>& browser, const ustring& originUrl,
                                  bool isProxy, const ustring& host, int port, const ustring& realm,
                                  const ustring& scheme,
                                  const CefRefPtr<ICefAuthCallback>& callback) = 0;
  // True: the program answers through `callback`; false cancels the request.
  virtual bool OnQuotaRequest(const CefRefPtr<ICefBrowser>& browser, const ustring& originUrl,
                              int64_t newSize, const CefRefPtr<ICefRequestCallback>& callback) = 0;
  // True: the program answers through `callback`; false cancels the request.
  virtual bool OnCertificateError(const CefRefPtr<ICefBrowser>& browser, cef_errorcode_t certError,
                                  const ustring& requestUrl, const CefRefPtr<ICefSslInfo>& sslInfo,
                                  const CefRefPtr<ICefRequestCallback>& callback) = 0;
  // True: the program selects through `callback`; false lets the engine take the first one.
  virtual bool OnSelectClientCertificate(
      const CefRefPtr<ICefBrowser>& browser, bool isProxy, const ustring& host, int port,
      const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
      const CefRefPtr<ICefSelectClientCertificateCallback>& callback) = 0;
  virtual void OnPluginCrashed(const CefRefPtr<ICefBrowser>& browser,
                               const ustring& pluginPath) = 0;
  virtual void OnRenderViewReady(const CefRefPtr<ICefBrowser>& browser) = 0;
  virtual void OnRenderProcessTerminated(const CefRefPtr<ICefBrowser>& browser,
                                         cef_termination_status_t status) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_REQUEST_HANDLER_H_
