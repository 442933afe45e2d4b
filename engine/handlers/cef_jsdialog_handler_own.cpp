#include "engine/handlers/cef_jsdialog_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_jsdialog_callback_ref.h"

TCefJsDialogHandlerOwn::TCefJsDialogHandlerOwn() {
  auto* data = CreateData<cef_jsdialog_handler_t>();
  BindCallback<&TCefJsDialogHandlerOwn::OnJsdialog>(data->on_jsdialog);
  BindCallback<&TCefJsDialogHandlerOwn::OnBeforeUnloadDialog>(data->on_before_unload_dialog);
  BindCallback<&TCefJsDialogHandlerOwn::OnResetDialogState>(data->on_reset_dialog_state);
  BindCallback<&TCefJsDialogHandlerOwn::OnDialogClosed>(data->on_dialog_closed);
}
