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
  using TCustomHandler::TCustomHandler;

  bool CanSendCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                     const cef_cookie_t* cookie) override {
    OSTREL_FORWARD_EVENT(HandleCanSendCookie, CanSendCookie, browser, frame, request, cookie);
  }
  bool CanSaveCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                     Ref<ICefResponse> response, const cef_cookie_t* cookie) override {
    OSTREL_FORWARD_EVENT(HandleCanSaveCookie, CanSaveCookie, browser, frame, request, response,
                         cookie);
  }

 private:
  ~TCustomCookieAccessFilter() override = default;
};

// Called on the engine's IO thread. Creates its cookie access filter when the control wants
// one, and offers it while attached.
class TCustomResourceRequestHandler final : public TCustomHandler<TCefResourceRequestHandlerOwn> {
 public:
  explicit TCustomResourceRequestHandler(IChromiumEvents* events)
      : TCustomResourceRequestHandler(MakeRefCounted<TChromiumEventsLink>(events)) {}
  // Its cookie access filter shares `events`.
  explicit TCustomResourceRequestHandler(CefRefPtr<TChromiumEventsLink> events);

  CefRefPtr<ICefCookieAccessFilter> GetCookieAccessFilter(Ref<ICefBrowser> browser,
                                                          Ref<ICefFrame> frame,
                                                          Ref<ICefRequest> request) override;
  cef_return_value_t OnBeforeResourceLoad(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                          Ref<ICefRequest> request,
                                          Ref<ICefRequestCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleBeforeResourceLoad, OnBeforeResourceLoad, browser, frame, request,
                         callback);
  }
  CefRefPtr<ICefBaseRefCounted> GetResourceHandler(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                   Ref<ICefRequest> request) override {
    OSTREL_FORWARD_EVENT(HandleGetResourceHandler, GetResourceHandler, browser, frame, request);
  }
  void OnResourceRedirect(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                          Ref<ICefResponse> response, ustring& newUrl) override {
    OSTREL_FORWARD_EVENT(HandleResourceRedirect, OnResourceRedirect, browser, frame, request,
                         response, newUrl);
  }
  bool OnResourceResponse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                          Ref<ICefResponse> response) override {
    OSTREL_FORWARD_EVENT(HandleResourceResponse, OnResourceResponse, browser, frame, request,
                         response);
  }
  CefRefPtr<ICefBaseRefCounted> GetResourceResponseFilter(Ref<ICefBrowser> browser,
                                                          Ref<ICefFrame> frame,
                                                          Ref<ICefRequest> request,
                                                          Ref<ICefResponse> response) override {
    OSTREL_FORWARD_EVENT(HandleGetResourceResponseFilter, GetResourceResponseFilter, browser, frame,
                         request, response);
  }
  void OnResourceLoadComplete(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                              Ref<ICefRequest> request, Ref<ICefResponse> response,
                              cef_urlrequest_status_t status,
                              int64_t receivedContentLength) override {
    OSTREL_FORWARD_EVENT(HandleResourceLoadComplete, OnResourceLoadComplete, browser, frame,
                         request, response, status, receivedContentLength);
  }
  void OnProtocolExecution(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                           bool& allowOsExecution) override {
    OSTREL_FORWARD_EVENT(HandleProtocolExecution, OnProtocolExecution, browser, frame, request,
                         allowOsExecution);
  }

 private:
  ~TCustomResourceRequestHandler() override = default;

  // Set in the constructor only, so engine threads may read it without a lock.
  CefRefPtr<ICefCookieAccessFilter> FCookieAccessFilter;
};

// Creates its resource request handler when the control wants one. The control decides per
// request whether the engine gets that one or a handler of the control's choosing.
class TCustomRequestHandler final : public TCustomHandler<TCefRequestHandlerOwn> {
 public:
  explicit TCustomRequestHandler(IChromiumEvents* events)
      : TCustomRequestHandler(MakeRefCounted<TChromiumEventsLink>(events)) {}
  // Its resource request handler shares `events`.
  explicit TCustomRequestHandler(CefRefPtr<TChromiumEventsLink> events);

  bool OnBeforeBrowse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                      bool userGesture, bool isRedirect) override {
    OSTREL_FORWARD_EVENT(HandleBeforeBrowse, OnBeforeBrowse, browser, frame, request, userGesture,
                         isRedirect);
  }
  bool OnOpenUrlFromTab(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, const ustring& targetUrl,
                        cef_window_open_disposition_t targetDisposition,
                        bool userGesture) override {
    OSTREL_FORWARD_EVENT(HandleOpenUrlFromTab, OnOpenUrlFromTab, browser, frame, targetUrl,
                         targetDisposition, userGesture);
  }
  CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request, bool isNavigation,
      bool isDownload, const ustring& requestInitiator, bool& disableDefaultHandling) override;
  bool GetAuthCredentials(Ref<ICefBrowser> browser, const ustring& originUrl, bool isProxy,
                          const ustring& host, int port, const ustring& realm,
                          const ustring& scheme, Ref<ICefAuthCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleGetAuthCredentials, GetAuthCredentials, browser, originUrl, isProxy,
                         host, port, realm, scheme, callback);
  }
  bool OnQuotaRequest(Ref<ICefBrowser> browser, const ustring& originUrl, int64_t newSize,
                      Ref<ICefRequestCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleQuotaRequest, OnQuotaRequest, browser, originUrl, newSize, callback);
  }
  bool OnCertificateError(Ref<ICefBrowser> browser, cef_errorcode_t certError,
                          const ustring& requestUrl, Ref<ICefSslInfo> sslInfo,
                          Ref<ICefRequestCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleCertificateError, OnCertificateError, browser, certError, requestUrl,
                         sslInfo, callback);
  }
  bool OnSelectClientCertificate(Ref<ICefBrowser> browser, bool isProxy, const ustring& host,
                                 int port,
                                 const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
                                 Ref<ICefSelectClientCertificateCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleSelectClientCertificate, OnSelectClientCertificate, browser, isProxy,
                         host, port, certificates, callback);
  }
  void OnPluginCrashed(Ref<ICefBrowser> browser, const ustring& pluginPath) override {
    OSTREL_FORWARD_EVENT(HandlePluginCrashed, OnPluginCrashed, browser, pluginPath);
  }
  void OnRenderViewReady(Ref<ICefBrowser> browser) override {
    OSTREL_FORWARD_EVENT(HandleRenderViewReady, OnRenderViewReady, browser);
  }
  void OnRenderProcessTerminated(Ref<ICefBrowser> browser,
                                 cef_termination_status_t status) override {
    OSTREL_FORWARD_EVENT(HandleRenderProcessTerminated, OnRenderProcessTerminated, browser, status);
  }

 private:
  ~TCustomRequestHandler() override = default;

  // Set in the constructor only, so engine threads may read it without a lock.
  CefRefPtr<ICefResourceRequestHandler> FResourceRequestHandler;
};

// The handler of the browser control's request context (not part of any client).
class TCustomRequestContextHandler final : public TCustomHandler<TCefRequestContextHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  void OnRequestContextInitialized(Ref<ICefRequestContext> requestContext) override {
    OSTREL_FORWARD_EVENT(HandleRequestContextInitialized, OnRequestContextInitialized,
                         requestContext);
  }
  bool OnBeforePluginLoad(const ustring& mimeType, const ustring& pluginUrl, bool isMainFrame,
                          const ustring& topOriginUrl, Ref<ICefWebPluginInfo> pluginInfo,
                          cef_plugin_policy_t& pluginPolicy) override {
    OSTREL_FORWARD_EVENT(HandleBeforePluginLoad, OnBeforePluginLoad, mimeType, pluginUrl,
                         isMainFrame, topOriginUrl, pluginInfo, pluginPolicy);
  }
  CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request, bool isNavigation,
      bool isDownload, const ustring& requestInitiator, bool& disableDefaultHandling) override;

 private:
  ~TCustomRequestContextHandler() override = default;
};

#endif  // OSTREL_ENGINE_ROUTING_CUSTOM_REQUEST_HANDLERS_H_
