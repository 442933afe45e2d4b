#ifndef OSTREL_ENGINE_CEF_RENDER_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_RENDER_HANDLER_OWN_H_

// The engine's render handler, used by windowless (off-screen) browsers: geometry questions,
// painting, cursor, dragging and text input. Records (rectangles, screen info, cursor info,
// ranges) are the engine's, lent for the call; the get-callbacks fill theirs in place.

#include <cstddef>

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefDragData;

class ICefRenderHandler : public virtual ICefBaseRefCounted {
 public:
  // The engine's accessibility handler object, or null.
  virtual CefRefPtr<ICefBaseRefCounted> GetAccessibilityHandler() = 0;
  // True when `rect` was filled.
  virtual bool GetRootScreenRect(const CefRefPtr<ICefBrowser>& browser, cef_rect_t* rect) = 0;
  virtual void GetViewRect(const CefRefPtr<ICefBrowser>& browser, cef_rect_t* rect) = 0;
  // True when `screenX`/`screenY` were set.
  virtual bool GetScreenPoint(const CefRefPtr<ICefBrowser>& browser, int viewX, int viewY,
                              int& screenX, int& screenY) = 0;
  // True when `screenInfo` was filled.
  virtual bool GetScreenInfo(const CefRefPtr<ICefBrowser>& browser,
                             cef_screen_info_t* screenInfo) = 0;
  virtual void OnPopupShow(const CefRefPtr<ICefBrowser>& browser, bool show) = 0;
  virtual void OnPopupSize(const CefRefPtr<ICefBrowser>& browser, const cef_rect_t* rect) = 0;
  virtual void OnPaint(const CefRefPtr<ICefBrowser>& browser, cef_paint_element_type_t type,
                       size_t dirtyRectsCount, const cef_rect_t* dirtyRects, const void* buffer,
                       int width, int height) = 0;
  virtual void OnAcceleratedPaint(const CefRefPtr<ICefBrowser>& browser,
                                  cef_paint_element_type_t type, size_t dirtyRectsCount,
                                  const cef_rect_t* dirtyRects, void* sharedHandle) = 0;
  virtual void OnCursorChange(const CefRefPtr<ICefBrowser>& browser, HCURSOR cursor,
                              cef_cursor_type_t type,
                              const cef_cursor_info_t* customCursorInfo) = 0;
  // True: the program runs the drag and reports its end to the browser host.
  virtual bool StartDragging(const CefRefPtr<ICefBrowser>& browser,
                             const CefRefPtr<ICefDragData>& dragData,
                             cef_drag_operations_mask_t allowedOps, int x, int y) = 0;
  virtual void UpdateDragCursor(const CefRefPtr<ICefBrowser>& browser,
                                cef_drag_operations_mask_t operation) = 0;
  virtual void OnScrollOffsetChanged(const CefRefPtr<ICefBrowser>& browser, double x, double y) = 0;
  virtual void OnImeCompositionRangeChanged(const CefRefPtr<ICefBrowser>& browser,
                                            const cef_range_t* selectedRange,
                                            size_t characterBoundsCount,
                                            const cef_rect_t* characterBounds) = 0;
  virtual void OnTextSelectionChanged(const CefRefPtr<ICefBrowser>& browser,
                                      const ustring& selectedText,
                                      const cef_range_t* selectedRange) = 0;
  virtual void OnVirtualKeyboardRequested(const CefRefPtr<ICefBrowser>& browser,
                                          cef_text_input_mode_t inputMode) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

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

#endif  // OSTREL_ENGINE_CEF_RENDER_HANDLER_OWN_H_
