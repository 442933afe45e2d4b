#ifndef OSTREL_ENGINE_HANDLERS_CEF_RENDER_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_RENDER_HANDLER_OWN_H_

// The engine's render handler, used by windowless (off-screen) browsers: geometry questions,
// painting, cursor, dragging and text input. Records (rectangles, screen info, cursor info,
// ranges) are the engine's, lent for the call; the get-callbacks fill theirs in place.

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_render_handler.h"

class ICefBrowser;
class ICefDragData;

// Every operation does nothing, fills nothing and answers false or null by default.
class TCefRenderHandlerOwn : public TCefBaseRefCountedOwn, public ICefRenderHandler {
 public:
  CefRefPtr<ICefBaseRefCounted> GetAccessibilityHandler() override { return nullptr; }
  bool GetRootScreenRect(const CefRefPtr<ICefBrowser>&, cef_rect_t*) override { return false; }
  void GetViewRect(const CefRefPtr<ICefBrowser>&, cef_rect_t*) override {}
  bool GetScreenPoint(const CefRefPtr<ICefBrowser>&, int, int, int&, int&) override {
    return false;
  }
  bool GetScreenInfo(const CefRefPtr<ICefBrowser>&, cef_screen_info_t*) override { return false; }
  void OnPopupShow(const CefRefPtr<ICefBrowser>&, bool) override {}
  void OnPopupSize(const CefRefPtr<ICefBrowser>&, const cef_rect_t*) override {}
  void OnPaint(const CefRefPtr<ICefBrowser>&, cef_paint_element_type_t, size_t, const cef_rect_t*,
               const void*, int, int) override {}
  void OnAcceleratedPaint(const CefRefPtr<ICefBrowser>&, cef_paint_element_type_t, size_t,
                          const cef_rect_t*, void*) override {}
  void OnCursorChange(const CefRefPtr<ICefBrowser>&, HCURSOR, cef_cursor_type_t,
                      const cef_cursor_info_t*) override {}
  bool StartDragging(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDragData>&,
                     cef_drag_operations_mask_t, int, int) override {
    return false;
  }
  void UpdateDragCursor(const CefRefPtr<ICefBrowser>&, cef_drag_operations_mask_t) override {}
  void OnScrollOffsetChanged(const CefRefPtr<ICefBrowser>&, double, double) override {}
  void OnImeCompositionRangeChanged(const CefRefPtr<ICefBrowser>&, const cef_range_t*, size_t,
                                    const cef_rect_t*) override {}
  void OnTextSelectionChanged(const CefRefPtr<ICefBrowser>&, const ustring&,
                              const cef_range_t*) override {}
  void OnVirtualKeyboardRequested(const CefRefPtr<ICefBrowser>&, cef_text_input_mode_t) override {}
  void RemoveReferences() override {}

 protected:
  TCefRenderHandlerOwn();
  ~TCefRenderHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_RENDER_HANDLER_OWN_H_
