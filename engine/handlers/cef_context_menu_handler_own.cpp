#include "engine/handlers/cef_context_menu_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_context_menu_params_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_menu_model_ref.h"
#include "engine/refs/cef_run_context_menu_callback_ref.h"

TCefContextMenuHandlerOwn::TCefContextMenuHandlerOwn() {
  auto* data = CreateData<cef_context_menu_handler_t>();
  BindCallback<&TCefContextMenuHandlerOwn::OnBeforeContextMenu>(data->on_before_context_menu);
  BindCallback<&TCefContextMenuHandlerOwn::RunContextMenu>(data->run_context_menu);
  BindCallback<&TCefContextMenuHandlerOwn::OnContextMenuCommand>(data->on_context_menu_command);
  BindCallback<&TCefContextMenuHandlerOwn::OnContextMenuDismissed>(data->on_context_menu_dismissed);
}
