#ifndef OSTREL_ENGINE_HANDLERS_CEF_JSDIALOG_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_JSDIALOG_HANDLER_OWN_H_

// The engine's JavaScript dialog handler: alert, confirm and prompt, the before-unload question,
// and the end of dialogs.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_jsdialog_handler.h"

// By default the engine shows its own dialogs.
class TCefJsDialogHandlerOwn : public TCefBaseRefCountedOwn, public ICefJsDialogHandler {
 protected:
  TCefJsDialogHandlerOwn();
  ~TCefJsDialogHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_JSDIALOG_HANDLER_OWN_H_
