#include "engine/handlers/cef_request_context_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_context_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_web_plugin_info_ref.h"

TCefRequestContextHandlerOwn::TCefRequestContextHandlerOwn() {
  auto* data = CreateData<cef_request_context_handler_t>();
  BindCallback<&TCefRequestContextHandlerOwn::OnRequestContextInitialized>(
      data->on_request_context_initialized);
  BindCallback<&TCefRequestContextHandlerOwn::OnBeforePluginLoad>(data->on_before_plugin_load);
  BindCallback<&TCefRequestContextHandlerOwn::GetResourceRequestHandler>(
      data->get_resource_request_handler);
}
