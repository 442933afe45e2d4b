#include "engine/handlers/cef_cookie_access_filter_own.h"

#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_response_ref.h"

namespace {

static_assert(sizeof(cef_cookie_access_filter_t) == 56,
              "cookie access filter structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Filter = TCefCookieAccessFilterOwn;

// A structure without an owner lets the cookie through, as the engine does without a filter.
constexpr int kAllowed = 1;

int CEF_CALLBACK CanSendCookieCallback(cef_cookie_access_filter_t* self, cef_browser_t* browser,
                                       cef_frame_t* frame, cef_request_t* request,
                                       const cef_cookie_t* cookie) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  return WithOwner<Filter>(self, kAllowed, [&](Filter& filter) {
    return EngineBool(filter.CanSendCookie(aBrowser, aFrame, aRequest, cookie));
  });
}

int CEF_CALLBACK CanSaveCookieCallback(cef_cookie_access_filter_t* self, cef_browser_t* browser,
                                       cef_frame_t* frame, cef_request_t* request,
                                       cef_response_t* response, const cef_cookie_t* cookie) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  const CefRefPtr<ICefResponse> aResponse = TCefResponseRef::UnWrap(response);
  return WithOwner<Filter>(self, kAllowed, [&](Filter& filter) {
    return EngineBool(filter.CanSaveCookie(aBrowser, aFrame, aRequest, aResponse, cookie));
  });
}

}  // namespace

TCefCookieAccessFilterOwn::TCefCookieAccessFilterOwn() {
  CreateData(sizeof(cef_cookie_access_filter_t), false);
  auto* data = Data<cef_cookie_access_filter_t>();
  data->can_send_cookie = CanSendCookieCallback;
  data->can_save_cookie = CanSaveCookieCallback;
}
