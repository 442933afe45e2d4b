#include "engine/handlers/cef_client_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_process_message_ref.h"

TCefClientOwn::TCefClientOwn() {
  auto* data = CreateData<cef_client_t>();
  BindCallback<&TCefClientOwn::GetContextMenuHandler>(data->get_context_menu_handler);
  BindCallback<&TCefClientOwn::GetDialogHandler>(data->get_dialog_handler);
  BindCallback<&TCefClientOwn::GetDisplayHandler>(data->get_display_handler);
  BindCallback<&TCefClientOwn::GetDownloadHandler>(data->get_download_handler);
  BindCallback<&TCefClientOwn::GetDragHandler>(data->get_drag_handler);
  BindCallback<&TCefClientOwn::GetFindHandler>(data->get_find_handler);
  BindCallback<&TCefClientOwn::GetFocusHandler>(data->get_focus_handler);
  BindCallback<&TCefClientOwn::GetJsdialogHandler>(data->get_jsdialog_handler);
  BindCallback<&TCefClientOwn::GetKeyboardHandler>(data->get_keyboard_handler);
  BindCallback<&TCefClientOwn::GetLifeSpanHandler>(data->get_life_span_handler);
  BindCallback<&TCefClientOwn::GetLoadHandler>(data->get_load_handler);
  BindCallback<&TCefClientOwn::GetRenderHandler>(data->get_render_handler);
  BindCallback<&TCefClientOwn::GetRequestHandler>(data->get_request_handler);
  BindCallback<&TCefClientOwn::OnProcessMessageReceived>(data->on_process_message_received);
}
