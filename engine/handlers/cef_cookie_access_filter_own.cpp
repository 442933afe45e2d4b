#include "engine/handlers/cef_cookie_access_filter_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_response_ref.h"

TCefCookieAccessFilterOwn::TCefCookieAccessFilterOwn() {
  auto* data = CreateData<cef_cookie_access_filter_t>();
  // A structure without an owner lets the cookie through, as the engine does without a filter.
  constexpr int kAllowed = 1;
  BindCallback<&TCefCookieAccessFilterOwn::CanSendCookie, kAllowed>(data->can_send_cookie);
  BindCallback<&TCefCookieAccessFilterOwn::CanSaveCookie, kAllowed>(data->can_save_cookie);
}
