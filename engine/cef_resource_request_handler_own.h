#ifndef OSTREL_ENGINE_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_

// The engine's resource request handler: one network request from start to end, on the engine's
// IO thread. `browser` and `frame` are null for requests that belong to no browser.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_cookie_access_filter_own.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefResponse;
class ICefRequestCallback;

class ICefResourceRequestHandler : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefCookieAccessFilter> GetCookieAccessFilter(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request) = 0;
  // RV_CONTINUE lets the request go on, RV_CANCEL stops it, RV_CONTINUE_ASYNC waits for
  // `callback`.
  virtual cef_return_value_t OnBeforeResourceLoad(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request, const CefRefPtr<ICefRequestCallback>& callback) = 0;
  // An engine resource handler object that answers the request, or null for the network.
  virtual CefRefPtr<ICefBaseRefCounted> GetResourceHandler(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request) = 0;
  // A non-empty `newUrl` replaces the redirect's target.
  virtual void OnResourceRedirect(const CefRefPtr<ICefBrowser>& browser,
                                  const CefRefPtr<ICefFrame>& frame,
                                  const CefRefPtr<ICefRequest>& request,
                                  const CefRefPtr<ICefResponse>& response, ustring& newUrl) = 0;
  // True: the request was changed and is to be restarted.
  virtual bool OnResourceResponse(const CefRefPtr<ICefBrowser>& browser,
                                  const CefRefPtr<ICefFrame>& frame,
                                  const CefRefPtr<ICefRequest>& request,
                                  const CefRefPtr<ICefResponse>& response) = 0;
  // An engine response filter object, or null.
  virtual CefRefPtr<ICefBaseRefCounted> GetResourceResponseFilter(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request, const CefRefPtr<ICefResponse>& response) = 0;
  virtual void OnResourceLoadComplete(const CefRefPtr<ICefBrowser>& browser,
                                      const CefRefPtr<ICefFrame>& frame,
                                      const CefRefPtr<ICefRequest>& request,
                                      const CefRefPtr<ICefResponse>& response,
                                      cef_urlrequest_status_t status,
                                      int64_t receivedContentLength) = 0;
  // Setting `allowOsExecution` hands an unknown scheme to the operating system.
  virtual void OnProtocolExecution(const CefRefPtr<ICefBrowser>& browser,
                                   const CefRefPtr<ICefFrame>& frame,
                                   const CefRefPtr<ICefRequest>& request,
                                   bool& allowOsExecution) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

// By default every request goes its usual way: no filter, continue, no handler, no change.
class TCefResourceRequestHandlerOwn : public TCefBaseRefCountedOwn,
                                      public ICefResourceRequestHandler {
 public:
  CefRefPtr<ICefCookieAccessFilter> GetCookieAccessFilter(const CefRefPtr<ICefBrowser>&,
                                                          const CefRefPtr<ICefFrame>&,
                                                          const CefRefPtr<ICefRequest>&) override {
    return nullptr;
  }
  cef_return_value_t OnBeforeResourceLoad(const CefRefPtr<ICefBrowser>&,
                                          const CefRefPtr<ICefFrame>&,
                                          const CefRefPtr<ICefRequest>&,
                                          const CefRefPtr<ICefRequestCallback>&) override {
    return RV_CONTINUE;
  }
  CefRefPtr<ICefBaseRefCounted> GetResourceHandler(const CefRefPtr<ICefBrowser>&,
                                                   const CefRefPtr<ICefFrame>&,
                                                   const CefRefPtr<ICefRequest>&) override {
    return nullptr;
  }
  void OnResourceRedirect(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                          const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&,
                          ustring&) override {}
  bool OnResourceResponse(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                          const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&) override {
    return false;
  }
  CefRefPtr<ICefBaseRefCounted> GetResourceResponseFilter(const CefRefPtr<ICefBrowser>&,
                                                          const CefRefPtr<ICefFrame>&,
                                                          const CefRefPtr<ICefRequest>&,
                                                          const CefRefPtr<ICefResponse>&) override {
    return nullptr;
  }
  void OnResourceLoadComplete(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                              const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&,
                              cef_urlrequest_status_t, int64_t) override {}
  void OnProtocolExecution(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                           const CefRefPtr<ICefRequest>&, bool&) override {}
  void RemoveReferences() override {}

 protected:
  TCefResourceRequestHandlerOwn();
  ~TCefResourceRequestHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_
