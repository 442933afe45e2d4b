#ifndef OSTREL_ENGINE_HANDLERS_CEF_LOAD_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_LOAD_HANDLER_OWN_H_

// The engine's load handler: the browser's loading state and the start, end and failure of each
// frame's load. Called on the engine's UI thread.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_load_handler.h"

// Every operation does nothing by default.
class TCefLoadHandlerOwn : public TCefBaseRefCountedOwn, public ICefLoadHandler {
 protected:
  TCefLoadHandlerOwn();
  ~TCefLoadHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_LOAD_HANDLER_OWN_H_
