#ifndef OSTREL_ENGINE_INTERFACES_CEF_DRAG_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_DRAG_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefBrowser;
class ICefDragData;
class ICefFrame;

class ICefDragHandler : public virtual ICefBaseRefCounted {
 public:
  // True cancels the drag.
  virtual bool OnDragEnter(Ref<ICefBrowser> /*browser*/, Ref<ICefDragData> /*dragData*/,
                           cef_drag_operations_mask_t /*mask*/) {
    return false;
  }
  virtual void OnDraggableRegionsChanged(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                         size_t /*regionsCount*/,
                                         const cef_draggable_region_t* /*regions*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DRAG_HANDLER_H_
