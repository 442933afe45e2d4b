#ifndef OSTREL_ENGINE_HANDLERS_CEF_DISPLAY_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DISPLAY_HANDLER_OWN_H_

// The engine's display handler: address, title, icons, full-screen mode, tooltip, status text,
// console messages, automatic resizing and loading progress.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_display_handler.h"

// Every operation does nothing and leaves the engine's default behaviour by default.
class TCefDisplayHandlerOwn : public TCefBaseRefCountedOwn, public ICefDisplayHandler {
 protected:
  TCefDisplayHandlerOwn();
  ~TCefDisplayHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DISPLAY_HANDLER_OWN_H_
