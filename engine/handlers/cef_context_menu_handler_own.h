#ifndef OSTREL_ENGINE_HANDLERS_CEF_CONTEXT_MENU_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_CONTEXT_MENU_HANDLER_OWN_H_

// The engine's context menu handler: building the menu, showing it, its commands and its close.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_context_menu_handler.h"

// By default the engine's own menu is shown and handled.
class TCefContextMenuHandlerOwn : public TCefBaseRefCountedOwn, public ICefContextMenuHandler {
 protected:
  TCefContextMenuHandlerOwn();
  ~TCefContextMenuHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_CONTEXT_MENU_HANDLER_OWN_H_
