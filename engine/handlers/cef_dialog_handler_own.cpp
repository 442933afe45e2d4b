#include "engine/handlers/cef_dialog_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_file_dialog_callback_ref.h"

static_assert(sizeof(cef_dialog_handler_t) == 48, "dialog handler structure of the engine");

TCefDialogHandlerOwn::TCefDialogHandlerOwn() {
  CreateData(sizeof(cef_dialog_handler_t), false);
  BindCallback<&TCefDialogHandlerOwn::OnFileDialog>(Data<cef_dialog_handler_t>()->on_file_dialog);
}
