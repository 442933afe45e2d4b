#include "engine/handlers/cef_drag_handler_own.h"

#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_drag_data_ref.h"
#include "engine/refs/cef_frame_ref.h"

namespace {

static_assert(sizeof(cef_drag_handler_t) == 56, "drag handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefDragHandlerOwn;

int CEF_CALLBACK OnDragEnterCallback(cef_drag_handler_t* self, cef_browser_t* browser,
                                     cef_drag_data_t* dragData, cef_drag_operations_mask_t mask) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefDragData> aDragData = TCefDragDataRef::UnWrap(dragData);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnDragEnter(aBrowser, aDragData, mask));
  });
}

void CEF_CALLBACK OnDraggableRegionsChangedCallback(cef_drag_handler_t* self,
                                                    cef_browser_t* browser, cef_frame_t* frame,
                                                    size_t regionsCount,
                                                    const cef_draggable_region_t* regions) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnDraggableRegionsChanged(aBrowser, aFrame, regionsCount, regions);
  });
}

}  // namespace

TCefDragHandlerOwn::TCefDragHandlerOwn() {
  CreateData(sizeof(cef_drag_handler_t), false);
  auto* data = Data<cef_drag_handler_t>();
  data->on_drag_enter = OnDragEnterCallback;
  data->on_draggable_regions_changed = OnDraggableRegionsChangedCallback;
}
