#ifndef OSTREL_ENGINE_INTERFACES_CEF_RESOURCE_REQUEST_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_RESOURCE_REQUEST_HANDLER_H_

#include <cstdint>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefCookieAccessFilter;
class ICefFrame;
class ICefRequest;
class ICefRequestCallback;
class ICefResponse;

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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_RESOURCE_REQUEST_HANDLER_H_
