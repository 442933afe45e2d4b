#ifndef OSTREL_ENGINE_HANDLERS_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_

// The engine's resource request handler: one network request from start to end, on the engine's
// IO thread. `browser` and `frame` are null for requests that belong to no browser.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/handlers/cef_cookie_access_filter_own.h"
#include "engine/interfaces/cef_resource_request_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefResponse;
class ICefRequestCallback;

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

#endif  // OSTREL_ENGINE_HANDLERS_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_
