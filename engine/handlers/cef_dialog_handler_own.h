#ifndef OSTREL_ENGINE_HANDLERS_CEF_DIALOG_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DIALOG_HANDLER_OWN_H_

// The engine's dialog handler: the page asks for a file dialog.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_dialog_handler.h"

// By default the engine shows its own dialog.
class TCefDialogHandlerOwn : public TCefBaseRefCountedOwn, public ICefDialogHandler {
 protected:
  TCefDialogHandlerOwn();
  ~TCefDialogHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DIALOG_HANDLER_OWN_H_
