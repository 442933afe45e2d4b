#ifndef OSTREL_ENGINE_HANDLERS_CEF_KEYBOARD_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_KEYBOARD_HANDLER_OWN_H_

// The engine's keyboard handler: key events before and after the page sees them. The key event
// and the system message are the engine's records, lent for the call.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_keyboard_handler.h"

// By default every key goes its usual way.
class TCefKeyboardHandlerOwn : public TCefBaseRefCountedOwn, public ICefKeyboardHandler {
 protected:
  TCefKeyboardHandlerOwn();
  ~TCefKeyboardHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_KEYBOARD_HANDLER_OWN_H_
