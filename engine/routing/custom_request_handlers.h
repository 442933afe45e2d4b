#ifndef OSTREL_ENGINE_ROUTING_CUSTOM_REQUEST_HANDLERS_H_
#define OSTREL_ENGINE_ROUTING_CUSTOM_REQUEST_HANDLERS_H_

// The request-side handler objects: the request handler (with the resource request handler and
// cookie access filter it creates below itself) and the request context handler the browser
// control creates for its own request context. Same rules as custom_handlers.h.

#include <cstdint>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/handlers/cef_cookie_access_filter_own.h"
#include "engine/handlers/cef_request_context_handler_own.h"
#include "engine/handlers/cef_request_handler_own.h"
#include "engine/handlers/cef_resource_request_handler_own.h"
#include "engine/routing/chromium_events.h"
#include "engine/routing/custom_handlers.h"

// Called on the engine's IO thread. Detached, it lets every cookie through, as the engine does
// without a filter.
class TCustomCookieAccessFilter final : public TCustomHandler<TCefCookieAccessFilterOwn> {
 public:
  explicit TCustomCookieAccessFilter(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  bool CanSendCookie(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                     const CefRefPtr<ICefRequest>& request, const cef_cookie_t* cookie) override;
  bool CanSaveCookie(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                     const CefRefPtr<ICefRequest>& request, const CefRefPtr<ICefResponse>& response,
                     const cef_cookie_t* cookie) override;

 private:
  ~TCustomCookieAccessFilter() override = default;
};

// Called on the engine's IO thread. Creates its cookie access filter when the control wants
// one, and offers it while attached.
class TCustomResourceRequestHandler final : public TCustomHandler<TCefResourceRequestHandlerOwn> {
 public:
  explicit TCustomResourceRequestHandler(IChromiumEvents* events);

  CefRefPtr<ICefCookieAccessFilter> GetCookieAccessFilter(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request) override;
  cef_return_value_t OnBeforeResourceLoad(const CefRefPtr<ICefBrowser>& browser,
                                          const CefRefPtr<ICefFrame>& frame,
                                          const CefRefPtr<ICefRequest>& request,
                                          const CefRefPtr<ICefRequestCallback>& callback) override;
  CefRefPtr<ICefBaseRefCounted> GetResourceHandler(const CefRefPtr<ICefBrowser>& browser,
                                                   const CefRefPtr<ICefFrame>& frame,
                                                   const CefRefPtr<ICefRequest>& request) override;
  void OnResourceRedirect(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                          const CefRefPtr<ICefRequest>& request,
                          const CefRefPtr<ICefResponse>& response, ustring& newUrl) override;
  bool OnResourceResponse(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                          const CefRefPtr<ICefRequest>& request,
                          const CefRefPtr<ICefResponse>& response) override;
  CefRefPtr<ICefBaseRefCounted> GetResourceResponseFilter(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request, const CefRefPtr<ICefResponse>& response) override;
  void OnResourceLoadComplete(const CefRefPtr<ICefBrowser>& browser,
                              const CefRefPtr<ICefFrame>& frame,
                              const CefRefPtr<ICefRequest>& request,
                              const CefRefPtr<ICefResponse>& response,
                              cef_urlrequest_status_t status,
                              int64_t receivedContentLength) override;
  void OnProtocolExecution(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                           const CefRefPtr<ICefRequest>& request, bool& allowOsExecution) override;
  // Detaches this handler, then its cookie access filter.
  void RemoveReferences() override;

 private:
  ~TCustomResourceRequestHandler() override;

  // Set in the constructor only, so engine threads may read it without a lock.
  CefRefPtr<ICefCookieAccessFilter> FCookieAccessFilter;
};

// Creates its resource request handler when the control wants one. The control decides per
// request whether the engine gets that one or a handler of the control's choosing.
class TCustomRequestHandler final : public TCustomHandler<TCefRequestHandlerOwn> {
 public:
  explicit TCustomRequestHandler(IChromiumEvents* events);

  bool OnBeforeBrowse(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                      const CefRefPtr<ICefRequest>& request, bool userGesture,
                      bool isRedirect) override;
  bool OnOpenUrlFromTab(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                        const ustring& targetUrl, cef_window_open_disposition_t targetDisposition,
                        bool userGesture) override;
  CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request, bool isNavigation, bool isDownload,
      const ustring& requestInitiator, bool& disableDefaultHandling) override;
  bool GetAuthCredentials(const CefRefPtr<ICefBrowser>& browser, const ustring& originUrl,
                          bool isProxy, const ustring& host, int port, const ustring& realm,
                          const ustring& scheme,
                          const CefRefPtr<ICefAuthCallback>& callback) override;
  bool OnQuotaRequest(const CefRefPtr<ICefBrowser>& browser, const ustring& originUrl,
                      int64_t newSize, const CefRefPtr<ICefRequestCallback>& callback) override;
  bool OnCertificateError(const CefRefPtr<ICefBrowser>& browser, cef_errorcode_t certError,
                          const ustring& requestUrl, const CefRefPtr<ICefSslInfo>& sslInfo,
                          const CefRefPtr<ICefRequestCallback>& callback) override;
  bool OnSelectClientCertificate(
      const CefRefPtr<ICefBrowser>& browser, bool isProxy, const ustring& host, int port,
      const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
      const CefRefPtr<ICefSelectClientCertificateCallback>& callback) override;
  void OnPluginCrashed(const CefRefPtr<ICefBrowser>& browser, const ustring& pluginPath) override;
  void OnRenderViewReady(const CefRefPtr<ICefBrowser>& browser) override;
  void OnRenderProcessTerminated(const CefRefPtr<ICefBrowser>& browser,
                                 cef_termination_status_t status) override;
  // Detaches this handler, then its resource request handler.
  void RemoveReferences() override;

 private:
  ~TCustomRequestHandler() override;

  // Set in the constructor only, so engine threads may read it without a lock.
  CefRefPtr<ICefResourceRequestHandler> FResourceRequestHandler;
};

// The handler of the browser control's request context (not part of any client).
class TCustomRequestContextHandler final : public TCustomHandler<TCefRequestContextHandlerOwn> {
 public:
  explicit TCustomRequestContextHandler(IChromiumEvents* events) noexcept
      : TCustomHandler(events) {}

  void OnRequestContextInitialized(const CefRefPtr<ICefRequestContext>& requestContext) override;
  bool OnBeforePluginLoad(const ustring& mimeType, const ustring& pluginUrl, bool isMainFrame,
                          const ustring& topOriginUrl,
                          const CefRefPtr<ICefWebPluginInfo>& pluginInfo,
                          cef_plugin_policy_t& pluginPolicy) override;
  CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request, bool isNavigation, bool isDownload,
      const ustring& requestInitiator, bool& disableDefaultHandling) override;

 private:
  ~TCustomRequestContextHandler() override = default;
};

#endif  // OSTREL_ENGINE_ROUTING_CUSTOM_REQUEST_HANDLERS_H_
