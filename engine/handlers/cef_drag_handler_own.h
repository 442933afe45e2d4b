#ifndef OSTREL_ENGINE_HANDLERS_CEF_DRAG_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DRAG_HANDLER_OWN_H_

// The engine's drag handler: something is dragged into the browser, and the page's draggable
// regions changed (the region records are the engine's, lent for the call).

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_drag_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefDragData;

// By default drags go the engine's way.
class TCefDragHandlerOwn : public TCefBaseRefCountedOwn, public ICefDragHandler {
 public:
  bool OnDragEnter(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDragData>&,
                   cef_drag_operations_mask_t) override {
    return false;
  }
  void OnDraggableRegionsChanged(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, size_t,
                                 const cef_draggable_region_t*) override {}
  void RemoveReferences() override {}

 protected:
  TCefDragHandlerOwn();
  ~TCefDragHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DRAG_HANDLER_OWN_H_
