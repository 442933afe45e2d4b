#include "engine/handlers/cef_dialog_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_file_dialog_callback_ref.h"

TCefDialogHandlerOwn::TCefDialogHandlerOwn() {
  BindCallback<&TCefDialogHandlerOwn::OnFileDialog>(
      CreateData<cef_dialog_handler_t>()->on_file_dialog);
}
