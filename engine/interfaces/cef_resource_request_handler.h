#ifndef OSTREL_ENGINE_INTERFACES_CEF_RESOURCE_REQUEST_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_RESOURCE_REQUEST_HANDLER_H_

#include <cstdint>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_cookie_access_filter.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestCallback;
class ICefResponse;

class ICefResourceRequestHandler : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefCookieAccessFilter> GetCookieAccessFilter(Ref<ICefBrowser> /*browser*/,
                                                                  Ref<ICefFrame> /*frame*/,
                                                                  Ref<ICefRequest> /*request*/) {
    return nullptr;
  }
  // RV_CONTINUE lets the request go on, RV_CANCEL stops it, RV_CONTINUE_ASYNC waits for
  // `callback`.
  virtual cef_return_value_t OnBeforeResourceLoad(Ref<ICefBrowser> /*browser*/,
                                                  Ref<ICefFrame> /*frame*/,
                                                  Ref<ICefRequest> /*request*/,
                                                  Ref<ICefRequestCallback> /*callback*/) {
    return RV_CONTINUE;
  }
  // An engine resource handler object that answers the request, or null for the network.
  virtual CefRefPtr<ICefBaseRefCounted> GetResourceHandler(Ref<ICefBrowser> /*browser*/,
                                                           Ref<ICefFrame> /*frame*/,
                                                           Ref<ICefRequest> /*request*/) {
    return nullptr;
  }
  // A non-empty `newUrl` replaces the redirect's target.
  virtual void OnResourceRedirect(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                  Ref<ICefRequest> /*request*/, Ref<ICefResponse> /*response*/,
                                  ustring& /*newUrl*/) {}
  // True: the request was changed and is to be restarted.
  virtual bool OnResourceResponse(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                  Ref<ICefRequest> /*request*/, Ref<ICefResponse> /*response*/) {
    return false;
  }
  // An engine response filter object, or null.
  virtual CefRefPtr<ICefBaseRefCounted> GetResourceResponseFilter(Ref<ICefBrowser> /*browser*/,
                                                                  Ref<ICefFrame> /*frame*/,
                                                                  Ref<ICefRequest> /*request*/,
                                                                  Ref<ICefResponse> /*response*/) {
    return nullptr;
  }
  virtual void OnResourceLoadComplete(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                      Ref<ICefRequest> /*request*/, Ref<ICefResponse> /*response*/,
                                      cef_urlrequest_status_t /*status*/,
                                      int64_t /*receivedContentLength*/) {}
  // Setting `allowOsExecution` hands an unknown scheme to the operating system.
  virtual void OnProtocolExecution(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                   Ref<ICefRequest> /*request*/, bool& /*allowOsExecution*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_RESOURCE_REQUEST_HANDLER_H_
