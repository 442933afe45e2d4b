#include "engine/handlers/cef_client_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_process_message_ref.h"

namespace {

static_assert(sizeof(cef_client_t) == 152, "client structure of the engine");

// One engine getter per handler area: the handler goes out with +1 for the engine, which
// releases what a getter returns; null when the client offers none.
template <class S, auto Getter>
S* CEF_CALLBACK GetHandlerCallback(cef_client_t* self) {
  return WithOwner<TCefClientOwn>(self, static_cast<S*>(nullptr), [](TCefClientOwn& client) {
    return EngineResult<S>((client.*Getter)());
  });
}

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.
int CEF_CALLBACK OnProcessMessageReceivedCallback(cef_client_t* self, cef_browser_t* browser,
                                                  cef_frame_t* frame,
                                                  cef_process_id_t source_process,
                                                  cef_process_message_t* message) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefProcessMessage> aMessage = TCefProcessMessageRef::UnWrap(message);
  return WithOwner<TCefClientOwn>(self, 0, [&](TCefClientOwn& client) {
    return EngineBool(client.OnProcessMessageReceived(aBrowser, aFrame, source_process, aMessage));
  });
}

}  // namespace

TCefClientOwn::TCefClientOwn() {
  CreateData(sizeof(cef_client_t), false);
  auto* data = Data<cef_client_t>();
  data->get_context_menu_handler =
      GetHandlerCallback<cef_context_menu_handler_t, &ICefClient::GetContextMenuHandler>;
  data->get_dialog_handler =
      GetHandlerCallback<cef_dialog_handler_t, &ICefClient::GetDialogHandler>;
  data->get_display_handler =
      GetHandlerCallback<cef_display_handler_t, &ICefClient::GetDisplayHandler>;
  data->get_download_handler =
      GetHandlerCallback<cef_download_handler_t, &ICefClient::GetDownloadHandler>;
  data->get_drag_handler = GetHandlerCallback<cef_drag_handler_t, &ICefClient::GetDragHandler>;
  data->get_find_handler = GetHandlerCallback<cef_find_handler_t, &ICefClient::GetFindHandler>;
  data->get_focus_handler = GetHandlerCallback<cef_focus_handler_t, &ICefClient::GetFocusHandler>;
  data->get_jsdialog_handler =
      GetHandlerCallback<cef_jsdialog_handler_t, &ICefClient::GetJsdialogHandler>;
  data->get_keyboard_handler =
      GetHandlerCallback<cef_keyboard_handler_t, &ICefClient::GetKeyboardHandler>;
  data->get_life_span_handler =
      GetHandlerCallback<cef_life_span_handler_t, &ICefClient::GetLifeSpanHandler>;
  data->get_load_handler = GetHandlerCallback<cef_load_handler_t, &ICefClient::GetLoadHandler>;
  data->get_render_handler =
      GetHandlerCallback<cef_render_handler_t, &ICefClient::GetRenderHandler>;
  data->get_request_handler =
      GetHandlerCallback<cef_request_handler_t, &ICefClient::GetRequestHandler>;
  data->on_process_message_received = OnProcessMessageReceivedCallback;
}
