#ifndef OSTREL_ENGINE_CEF_DRAG_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_DRAG_HANDLER_OWN_H_

// The engine's drag handler: something is dragged into the browser, and the page's draggable
// regions changed (the region records are the engine's, lent for the call).

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"

class ICefBrowser;
class ICefFrame;
class ICefDragData;

class ICefDragHandler : public virtual ICefBaseRefCounted {
 public:
  // True cancels the drag.
  virtual bool OnDragEnter(const CefRefPtr<ICefBrowser>& browser,
                           const CefRefPtr<ICefDragData>& dragData,
                           cef_drag_operations_mask_t mask) = 0;
  virtual void OnDraggableRegionsChanged(const CefRefPtr<ICefBrowser>& browser,
                                         const CefRefPtr<ICefFrame>& frame, size_t regionsCount,
                                         const cef_draggable_region_t* regions) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

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

#endif  // OSTREL_ENGINE_CEF_DRAG_HANDLER_OWN_H_
