#include "engine/handlers/cef_load_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"

TCefLoadHandlerOwn::TCefLoadHandlerOwn() {
  auto* data = CreateData<cef_load_handler_t>();
  BindCallback<&TCefLoadHandlerOwn::OnLoadingStateChange>(data->on_loading_state_change);
  BindCallback<&TCefLoadHandlerOwn::OnLoadStart>(data->on_load_start);
  BindCallback<&TCefLoadHandlerOwn::OnLoadEnd>(data->on_load_end);
  BindCallback<&TCefLoadHandlerOwn::OnLoadError>(data->on_load_error);
}
