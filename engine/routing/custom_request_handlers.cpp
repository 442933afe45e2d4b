#include "engine/routing/custom_request_handlers.h"

// ---- Cookie access filter ----

bool TCustomCookieAccessFilter::CanSendCookie(const CefRefPtr<ICefBrowser>& browser,
                                              const CefRefPtr<ICefFrame>& frame,
                                              const CefRefPtr<ICefRequest>& request,
                                              const cef_cookie_t* cookie) {
  OSTREL_FORWARD_EVENT(HandleCanSendCookie, CanSendCookie, browser, frame, request, cookie);
}

bool TCustomCookieAccessFilter::CanSaveCookie(const CefRefPtr<ICefBrowser>& browser,
                                              const CefRefPtr<ICefFrame>& frame,
                                              const CefRefPtr<ICefRequest>& request,
                                              const CefRefPtr<ICefResponse>& response,
                                              const cef_cookie_t* cookie) {
  OSTREL_FORWARD_EVENT(HandleCanSaveCookie, CanSaveCookie, browser, frame, request, response,
                       cookie);
}

// ---- Resource request handler ----

TCustomResourceRequestHandler::TCustomResourceRequestHandler(IChromiumEvents* events)
    : TCustomHandler(events) {
  if (events != nullptr && events->WantsCookieAccessFilter()) {
    FCookieAccessFilter = MakeRefCounted<TCustomCookieAccessFilter>(events);
  }
}

TCustomResourceRequestHandler::~TCustomResourceRequestHandler() { RemoveReferences(); }

void TCustomResourceRequestHandler::RemoveReferences() {
  FEvents.store(nullptr);
  if (FCookieAccessFilter) FCookieAccessFilter->RemoveReferences();
}

// The filter is offered only while attached: detached, it would let everything through anyway.
CefRefPtr<ICefCookieAccessFilter> TCustomResourceRequestHandler::GetCookieAccessFilter(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const CefRefPtr<ICefRequest>& request) {
  if (FEvents.load() != nullptr) return FCookieAccessFilter;
  return Own::GetCookieAccessFilter(browser, frame, request);
}

cef_return_value_t TCustomResourceRequestHandler::OnBeforeResourceLoad(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const CefRefPtr<ICefRequest>& request, const CefRefPtr<ICefRequestCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleBeforeResourceLoad, OnBeforeResourceLoad, browser, frame, request,
                       callback);
}

CefRefPtr<ICefBaseRefCounted> TCustomResourceRequestHandler::GetResourceHandler(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const CefRefPtr<ICefRequest>& request) {
  OSTREL_FORWARD_EVENT(HandleGetResourceHandler, GetResourceHandler, browser, frame, request);
}

void TCustomResourceRequestHandler::OnResourceRedirect(const CefRefPtr<ICefBrowser>& browser,
                                                       const CefRefPtr<ICefFrame>& frame,
                                                       const CefRefPtr<ICefRequest>& request,
                                                       const CefRefPtr<ICefResponse>& response,
                                                       ustring& newUrl) {
  OSTREL_FORWARD_EVENT(HandleResourceRedirect, OnResourceRedirect, browser, frame, request,
                       response, newUrl);
}

bool TCustomResourceRequestHandler::OnResourceResponse(const CefRefPtr<ICefBrowser>& browser,
                                                       const CefRefPtr<ICefFrame>& frame,
                                                       const CefRefPtr<ICefRequest>& request,
                                                       const CefRefPtr<ICefResponse>& response) {
  OSTREL_FORWARD_EVENT(HandleResourceResponse, OnResourceResponse, browser, frame, request,
                       response);
}

CefRefPtr<ICefBaseRefCounted> TCustomResourceRequestHandler::GetResourceResponseFilter(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const CefRefPtr<ICefRequest>& request, const CefRefPtr<ICefResponse>& response) {
  OSTREL_FORWARD_EVENT(HandleGetResourceResponseFilter, GetResourceResponseFilter, browser, frame,
                       request, response);
}

void TCustomResourceRequestHandler::OnResourceLoadComplete(const CefRefPtr<ICefBrowser>& browser,
                                                           const CefRefPtr<ICefFrame>& frame,
                                                           const CefRefPtr<ICefRequest>& request,
                                                           const CefRefPtr<ICefResponse>& response,
                                                           cef_urlrequest_status_t status,
                                                           int64_t receivedContentLength) {
  OSTREL_FORWARD_EVENT(HandleResourceLoadComplete, OnResourceLoadComplete, browser, frame, request,
                       response, status, receivedContentLength);
}

void TCustomResourceRequestHandler::OnProtocolExecution(const CefRefPtr<ICefBrowser>& browser,
                                                        const CefRefPtr<ICefFrame>& frame,
                                                        const CefRefPtr<ICefRequest>& request,
                                                        bool& allowOsExecution) {
  OSTREL_FORWARD_EVENT(HandleProtocolExecution, OnProtocolExecution, browser, frame, request,
                       allowOsExecution);
}

// ---- Request handler ----

TCustomRequestHandler::TCustomRequestHandler(IChromiumEvents* events) : TCustomHandler(events) {
  if (events != nullptr && events->WantsResourceRequestHandler()) {
    FResourceRequestHandler = MakeRefCounted<TCustomResourceRequestHandler>(events);
  }
}

TCustomRequestHandler::~TCustomRequestHandler() { RemoveReferences(); }

void TCustomRequestHandler::RemoveReferences() {
  FEvents.store(nullptr);
  if (FResourceRequestHandler) FResourceRequestHandler->RemoveReferences();
}

bool TCustomRequestHandler::OnBeforeBrowse(const CefRefPtr<ICefBrowser>& browser,
                                           const CefRefPtr<ICefFrame>& frame,
                                           const CefRefPtr<ICefRequest>& request, bool userGesture,
                                           bool isRedirect) {
  OSTREL_FORWARD_EVENT(HandleBeforeBrowse, OnBeforeBrowse, browser, frame, request, userGesture,
                       isRedirect);
}

bool TCustomRequestHandler::OnOpenUrlFromTab(const CefRefPtr<ICefBrowser>& browser,
                                             const CefRefPtr<ICefFrame>& frame,
                                             const ustring& targetUrl,
                                             cef_window_open_disposition_t targetDisposition,
                                             bool userGesture) {
  OSTREL_FORWARD_EVENT(HandleOpenUrlFromTab, OnOpenUrlFromTab, browser, frame, targetUrl,
                       targetDisposition, userGesture);
}

// The control sees every request first; unless it clears `useInternalHandler` the engine gets
// this handler's own resource request handler (null when the control wanted none).
CefRefPtr<ICefResourceRequestHandler> TCustomRequestHandler::GetResourceRequestHandler(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const CefRefPtr<ICefRequest>& request, bool isNavigation, bool isDownload,
    const ustring& requestInitiator, bool& disableDefaultHandling) {
  IChromiumEvents* events = FEvents.load();
  if (events == nullptr) {
    return Own::GetResourceRequestHandler(browser, frame, request, isNavigation, isDownload,
                                          requestInitiator, disableDefaultHandling);
  }
  CefRefPtr<ICefResourceRequestHandler> handler;
  bool useInternalHandler = true;
  events->HandleGetResourceRequestHandler(browser, frame, request, isNavigation, isDownload,
                                          requestInitiator, disableDefaultHandling, handler,
                                          useInternalHandler);
  return useInternalHandler ? FResourceRequestHandler : handler;
}

bool TCustomRequestHandler::GetAuthCredentials(const CefRefPtr<ICefBrowser>& browser,
                                               const ustring& originUrl, bool isProxy,
                                               const ustring& host, int port, const ustring& realm,
                                               const ustring& scheme,
                                               const CefRefPtr<ICefAuthCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleGetAuthCredentials, GetAuthCredentials, browser, originUrl, isProxy,
                       host, port, realm, scheme, callback);
}

bool TCustomRequestHandler::OnQuotaRequest(const CefRefPtr<ICefBrowser>& browser,
                                           const ustring& originUrl, int64_t newSize,
                                           const CefRefPtr<ICefRequestCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleQuotaRequest, OnQuotaRequest, browser, originUrl, newSize, callback);
}

bool TCustomRequestHandler::OnCertificateError(const CefRefPtr<ICefBrowser>& browser,
                                               cef_errorcode_t certError, const ustring& requestUrl,
                                               const CefRefPtr<ICefSslInfo>& sslInfo,
                                               const CefRefPtr<ICefRequestCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleCertificateError, OnCertificateError, browser, certError, requestUrl,
                       sslInfo, callback);
}

bool TCustomRequestHandler::OnSelectClientCertificate(
    const CefRefPtr<ICefBrowser>& browser, bool isProxy, const ustring& host, int port,
    const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
    const CefRefPtr<ICefSelectClientCertificateCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleSelectClientCertificate, OnSelectClientCertificate, browser, isProxy,
                       host, port, certificates, callback);
}

void TCustomRequestHandler::OnPluginCrashed(const CefRefPtr<ICefBrowser>& browser,
                                            const ustring& pluginPath) {
  OSTREL_FORWARD_EVENT(HandlePluginCrashed, OnPluginCrashed, browser, pluginPath);
}

void TCustomRequestHandler::OnRenderViewReady(const CefRefPtr<ICefBrowser>& browser) {
  OSTREL_FORWARD_EVENT(HandleRenderViewReady, OnRenderViewReady, browser);
}

void TCustomRequestHandler::OnRenderProcessTerminated(const CefRefPtr<ICefBrowser>& browser,
                                                      cef_termination_status_t status) {
  OSTREL_FORWARD_EVENT(HandleRenderProcessTerminated, OnRenderProcessTerminated, browser, status);
}

// ---- Request context handler ----

void TCustomRequestContextHandler::OnRequestContextInitialized(
    const CefRefPtr<ICefRequestContext>& requestContext) {
  OSTREL_FORWARD_EVENT(HandleRequestContextInitialized, OnRequestContextInitialized,
                       requestContext);
}

bool TCustomRequestContextHandler::OnBeforePluginLoad(
    const ustring& mimeType, const ustring& pluginUrl, bool isMainFrame,
    const ustring& topOriginUrl, const CefRefPtr<ICefWebPluginInfo>& pluginInfo,
    cef_plugin_policy_t& pluginPolicy) {
  OSTREL_FORWARD_EVENT(HandleBeforePluginLoad, OnBeforePluginLoad, mimeType, pluginUrl, isMainFrame,
                       topOriginUrl, pluginInfo, pluginPolicy);
}

CefRefPtr<ICefResourceRequestHandler> TCustomRequestContextHandler::GetResourceRequestHandler(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const CefRefPtr<ICefRequest>& request, bool isNavigation, bool isDownload,
    const ustring& requestInitiator, bool& disableDefaultHandling) {
  IChromiumEvents* events = FEvents.load();
  if (events == nullptr) {
    return Own::GetResourceRequestHandler(browser, frame, request, isNavigation, isDownload,
                                          requestInitiator, disableDefaultHandling);
  }
  CefRefPtr<ICefResourceRequestHandler> handler;
  events->HandleContextGetResourceRequestHandler(browser, frame, request, isNavigation, isDownload,
                                                 requestInitiator, disableDefaultHandling, handler);
  return handler;
}
