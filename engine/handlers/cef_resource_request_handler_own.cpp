#include "engine/handlers/cef_resource_request_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_callback_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_response_ref.h"

namespace {

static_assert(sizeof(cef_resource_request_handler_t) == 104,
              "resource request handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefResourceRequestHandlerOwn;

cef_cookie_access_filter_t* CEF_CALLBACK
GetCookieAccessFilterCallback(cef_resource_request_handler_t* self, cef_browser_t* browser,
                              cef_frame_t* frame, cef_request_t* request) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  return WithOwner<Handler>(self, static_cast<cef_cookie_access_filter_t*>(nullptr),
                            [&](Handler& handler) {
                              return EngineResult<cef_cookie_access_filter_t>(
                                  handler.GetCookieAccessFilter(aBrowser, aFrame, aRequest));
                            });
}

// A structure without an owner lets the request go on: 0 would cancel it.
cef_return_value_t CEF_CALLBACK OnBeforeResourceLoadCallback(cef_resource_request_handler_t* self,
                                                             cef_browser_t* browser,
                                                             cef_frame_t* frame,
                                                             cef_request_t* request,
                                                             cef_request_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  const CefRefPtr<ICefRequestCallback> aCallback = TCefRequestCallbackRef::UnWrap(callback);
  return WithOwner<Handler>(self, RV_CONTINUE, [&](Handler& handler) {
    return handler.OnBeforeResourceLoad(aBrowser, aFrame, aRequest, aCallback);
  });
}

cef_resource_handler_t* CEF_CALLBACK
GetResourceHandlerCallback(cef_resource_request_handler_t* self, cef_browser_t* browser,
                           cef_frame_t* frame, cef_request_t* request) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  return WithOwner<Handler>(self, static_cast<cef_resource_handler_t*>(nullptr),
                            [&](Handler& handler) {
                              return EngineResult<cef_resource_handler_t>(
                                  handler.GetResourceHandler(aBrowser, aFrame, aRequest));
                            });
}

void CEF_CALLBACK OnResourceRedirectCallback(cef_resource_request_handler_t* self,
                                             cef_browser_t* browser, cef_frame_t* frame,
                                             cef_request_t* request, cef_response_t* response,
                                             cef_string_t* new_url) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  const CefRefPtr<ICefResponse> aResponse = TCefResponseRef::UnWrap(response);
  WithOwner<Handler>(self, [&](Handler& handler) {
    TEngineStringCopyAndSet newUrl(new_url);
    handler.OnResourceRedirect(aBrowser, aFrame, aRequest, aResponse, newUrl.value);
    newUrl.GiveBack();
  });
}

int CEF_CALLBACK OnResourceResponseCallback(cef_resource_request_handler_t* self,
                                            cef_browser_t* browser, cef_frame_t* frame,
                                            cef_request_t* request, cef_response_t* response) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  const CefRefPtr<ICefResponse> aResponse = TCefResponseRef::UnWrap(response);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnResourceResponse(aBrowser, aFrame, aRequest, aResponse));
  });
}

cef_response_filter_t* CEF_CALLBACK GetResourceResponseFilterCallback(
    cef_resource_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
    cef_request_t* request, cef_response_t* response) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  const CefRefPtr<ICefResponse> aResponse = TCefResponseRef::UnWrap(response);
  return WithOwner<Handler>(
      self, static_cast<cef_response_filter_t*>(nullptr), [&](Handler& handler) {
        return EngineResult<cef_response_filter_t>(
            handler.GetResourceResponseFilter(aBrowser, aFrame, aRequest, aResponse));
      });
}

void CEF_CALLBACK OnResourceLoadCompleteCallback(cef_resource_request_handler_t* self,
                                                 cef_browser_t* browser, cef_frame_t* frame,
                                                 cef_request_t* request, cef_response_t* response,
                                                 cef_urlrequest_status_t status,
                                                 int64 received_content_length) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  const CefRefPtr<ICefResponse> aResponse = TCefResponseRef::UnWrap(response);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnResourceLoadComplete(aBrowser, aFrame, aRequest, aResponse, status,
                                   received_content_length);
  });
}

void CEF_CALLBACK OnProtocolExecutionCallback(cef_resource_request_handler_t* self,
                                              cef_browser_t* browser, cef_frame_t* frame,
                                              cef_request_t* request, int* allow_os_execution) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  WithOwner<Handler>(self, [&](Handler& handler) {
    TEngineBoolInOut allowOsExecution(allow_os_execution);
    handler.OnProtocolExecution(aBrowser, aFrame, aRequest, allowOsExecution.value);
    allowOsExecution.GiveBack();
  });
}

}  // namespace

TCefResourceRequestHandlerOwn::TCefResourceRequestHandlerOwn() {
  CreateData(sizeof(cef_resource_request_handler_t), false);
  auto* data = Data<cef_resource_request_handler_t>();
  data->get_cookie_access_filter = GetCookieAccessFilterCallback;
  data->on_before_resource_load = OnBeforeResourceLoadCallback;
  data->get_resource_handler = GetResourceHandlerCallback;
  data->on_resource_redirect = OnResourceRedirectCallback;
  data->on_resource_response = OnResourceResponseCallback;
  data->get_resource_response_filter = GetResourceResponseFilterCallback;
  data->on_resource_load_complete = OnResourceLoadCompleteCallback;
  data->on_protocol_execution = OnProtocolExecutionCallback;
}
