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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_RENDER_HANDLER_H_
