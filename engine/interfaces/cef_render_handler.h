#ifndef OSTREL_ENGINE_INTERFACES_CEF_RENDER_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_RENDER_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefDragData;

class ICefRenderHandler : public virtual ICefBaseRefCounted {
 public:
  // The engine's accessibility handler object, or null.
  virtual CefRefPtr<ICefBaseRefCounted> GetAccessibilityHandler() { return nullptr; }
  // True when `rect` was filled.
  virtual bool GetRootScreenRect(Ref<ICefBrowser> /*browser*/, cef_rect_t* /*rect*/) {
    return false;
  }
  virtual void GetViewRect(Ref<ICefBrowser> /*browser*/, cef_rect_t* /*rect*/) {}
  // True when `screenX`/`screenY` were set.
  virtual bool GetScreenPoint(Ref<ICefBrowser> /*browser*/, int /*viewX*/, int /*viewY*/,
                              int& /*screenX*/, int& /*screenY*/) {
    return false;
  }
  // True when `screenInfo` was filled.
  virtual bool GetScreenInfo(Ref<ICefBrowser> /*browser*/, cef_screen_info_t* /*screenInfo*/) {
    return false;
  }
  virtual void OnPopupShow(Ref<ICefBrowser> /*browser*/, bool /*show*/) {}
  virtual void OnPopupSize(Ref<ICefBrowser> /*browser*/, const cef_rect_t* /*rect*/) {}
  virtual void OnPaint(Ref<ICefBrowser> /*browser*/, cef_paint_element_type_t /*type*/,
                       size_t /*dirtyRectsCount*/, const cef_rect_t* /*dirtyRects*/,
                       const void* /*buffer*/, int /*width*/, int /*height*/) {}
  virtual void OnAcceleratedPaint(Ref<ICefBrowser> /*browser*/, cef_paint_element_type_t /*type*/,
                                  size_t /*dirtyRectsCount*/, const cef_rect_t* /*dirtyRects*/,
                                  void* /*sharedHandle*/) {}
  virtual void OnCursorChange(Ref<ICefBrowser> /*browser*/, HCURSOR /*cursor*/,
                              cef_cursor_type_t /*type*/,
                              const cef_cursor_info_t* /*customCursorInfo*/) {}
  // True: the program runs the drag and reports its end to the browser host.
  virtual bool StartDragging(Ref<ICefBrowser> /*browser*/, Ref<ICefDragData> /*dragData*/,
                             cef_drag_operations_mask_t /*allowedOps*/, int /*x*/, int /*y*/) {
    return false;
  }
  virtual void UpdateDragCursor(Ref<ICefBrowser> /*browser*/,
                                cef_drag_operations_mask_t /*operation*/) {}
  virtual void OnScrollOffsetChanged(Ref<ICefBrowser> /*browser*/, double /*x*/, double /*y*/) {}
  virtual void OnImeCompositionRangeChanged(Ref<ICefBrowser> /*browser*/,
                                            const cef_range_t* /*selectedRange*/,
                                            size_t /*characterBoundsCount*/,
                                            const cef_rect_t* /*characterBounds*/) {}
  virtual void OnTextSelectionChanged(Ref<ICefBrowser> /*browser*/, const ustring& /*selectedText*/,
                                      const cef_range_t* /*selectedRange*/) {}
  virtual void OnVirtualKeyboardRequested(Ref<ICefBrowser> /*browser*/,
                                          cef_text_input_mode_t /*inputMode*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_RENDER_HANDLER_H_
