#ifndef OSTREL_ENGINE_HANDLERS_CEF_RENDER_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_RENDER_HANDLER_OWN_H_

// The engine's render handler, used by windowless (off-screen) browsers: geometry questions,
// painting, cursor, dragging and text input. Records (rectangles, screen info, cursor info,
// ranges) are the engine's, lent for the call; the get-callbacks fill theirs in place.

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_render_handler.h"

// Every operation does nothing, fills nothing and answers false or null by default.
class TCefRenderHandlerOwn : public TCefBaseRefCountedOwn, public ICefRenderHandler {
 protected:
  TCefRenderHandlerOwn();
  ~TCefRenderHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_RENDER_HANDLER_OWN_H_
