#include "engine/handlers/cef_resource_request_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_callback_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_response_ref.h"

TCefResourceRequestHandlerOwn::TCefResourceRequestHandlerOwn() {
  auto* data = CreateData<cef_resource_request_handler_t>();
  BindCallback<&TCefResourceRequestHandlerOwn::GetCookieAccessFilter>(
      data->get_cookie_access_filter);
  // A structure without an owner lets the request go on: 0 would cancel it.
  BindCallback<&TCefResourceRequestHandlerOwn::OnBeforeResourceLoad, RV_CONTINUE>(
      data->on_before_resource_load);
  BindCallback<&TCefResourceRequestHandlerOwn::GetResourceHandler>(data->get_resource_handler);
  BindCallback<&TCefResourceRequestHandlerOwn::OnResourceRedirect>(data->on_resource_redirect);
  BindCallback<&TCefResourceRequestHandlerOwn::OnResourceResponse>(data->on_resource_response);
  BindCallback<&TCefResourceRequestHandlerOwn::GetResourceResponseFilter>(
      data->get_resource_response_filter);
  BindCallback<&TCefResourceRequestHandlerOwn::OnResourceLoadComplete>(
      data->on_resource_load_complete);
  BindCallback<&TCefResourceRequestHandlerOwn::OnProtocolExecution>(data->on_protocol_execution);
}
