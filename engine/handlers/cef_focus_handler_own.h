#ifndef OSTREL_ENGINE_HANDLERS_CEF_FOCUS_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_FOCUS_HANDLER_OWN_H_

// The engine's focus handler: focus leaving the browser, about to enter it, and entered.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_focus_handler.h"

// Every operation does nothing and lets the focus change happen by default.
class TCefFocusHandlerOwn : public TCefBaseRefCountedOwn, public ICefFocusHandler {
 protected:
  TCefFocusHandlerOwn();
  ~TCefFocusHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_FOCUS_HANDLER_OWN_H_
