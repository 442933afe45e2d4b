#ifndef OSTREL_ENGINE_HANDLERS_CEF_DRAG_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DRAG_HANDLER_OWN_H_

// The engine's drag handler: something is dragged into the browser, and the page's draggable
// regions changed (the region records are the engine's, lent for the call).

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_drag_handler.h"

// By default drags go the engine's way.
class TCefDragHandlerOwn : public TCefBaseRefCountedOwn, public ICefDragHandler {
 protected:
  TCefDragHandlerOwn();
  ~TCefDragHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DRAG_HANDLER_OWN_H_
