#include "engine/handlers/cef_render_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_drag_data_ref.h"

namespace {

static_assert(sizeof(cef_render_handler_t) == 168, "render handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefRenderHandlerOwn;

cef_accessibility_handler_t* CEF_CALLBACK
GetAccessibilityHandlerCallback(cef_render_handler_t* self) {
  return WithOwner<Handler>(
      self, static_cast<cef_accessibility_handler_t*>(nullptr), [](Handler& handler) {
        return EngineResult<cef_accessibility_handler_t>(handler.GetAccessibilityHandler());
      });
}

int CEF_CALLBACK GetRootScreenRectCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                           cef_rect_t* rect) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.GetRootScreenRect(aBrowser, rect));
  });
}

void CEF_CALLBACK GetViewRectCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                      cef_rect_t* rect) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.GetViewRect(aBrowser, rect); });
}

int CEF_CALLBACK GetScreenPointCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                        int viewX, int viewY, int* screenX, int* screenY) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    TEngineValueInOut<int> x(screenX);
    TEngineValueInOut<int> y(screenY);
    const bool converted = handler.GetScreenPoint(aBrowser, viewX, viewY, x.value, y.value);
    x.GiveBack();
    y.GiveBack();
    return EngineBool(converted);
  });
}

int CEF_CALLBACK GetScreenInfoCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                       cef_screen_info_t* screen_info) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.GetScreenInfo(aBrowser, screen_info));
  });
}

void CEF_CALLBACK OnPopupShowCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                      int show) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnPopupShow(aBrowser, show != 0); });
}

void CEF_CALLBACK OnPopupSizeCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                      const cef_rect_t* rect) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnPopupSize(aBrowser, rect); });
}

void CEF_CALLBACK OnPaintCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                  cef_paint_element_type_t type, size_t dirtyRectsCount,
                                  const cef_rect_t* dirtyRects, const void* buffer, int width,
                                  int height) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnPaint(aBrowser, type, dirtyRectsCount, dirtyRects, buffer, width, height);
  });
}

void CEF_CALLBACK OnAcceleratedPaintCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                             cef_paint_element_type_t type, size_t dirtyRectsCount,
                                             const cef_rect_t* dirtyRects, void* shared_handle) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnAcceleratedPaint(aBrowser, type, dirtyRectsCount, dirtyRects, shared_handle);
  });
}

void CEF_CALLBACK OnCursorChangeCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                         HCURSOR cursor, cef_cursor_type_t type,
                                         const cef_cursor_info_t* custom_cursor_info) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnCursorChange(aBrowser, cursor, type, custom_cursor_info);
  });
}

int CEF_CALLBACK StartDraggingCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                       cef_drag_data_t* drag_data,
                                       cef_drag_operations_mask_t allowed_ops, int x, int y) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefDragData> aDragData = TCefDragDataRef::UnWrap(drag_data);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.StartDragging(aBrowser, aDragData, allowed_ops, x, y));
  });
}

void CEF_CALLBACK UpdateDragCursorCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                           cef_drag_operations_mask_t operation) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self,
                     [&](Handler& handler) { handler.UpdateDragCursor(aBrowser, operation); });
}

void CEF_CALLBACK OnScrollOffsetChangedCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                                double x, double y) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self,
                     [&](Handler& handler) { handler.OnScrollOffsetChanged(aBrowser, x, y); });
}

void CEF_CALLBACK OnImeCompositionRangeChangedCallback(cef_render_handler_t* self,
                                                       cef_browser_t* browser,
                                                       const cef_range_t* selected_range,
                                                       size_t characterBoundsCount,
                                                       const cef_rect_t* character_bounds) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnImeCompositionRangeChanged(aBrowser, selected_range, characterBoundsCount,
                                         character_bounds);
  });
}

void CEF_CALLBACK OnTextSelectionChangedCallback(cef_render_handler_t* self, cef_browser_t* browser,
                                                 const cef_string_t* selected_text,
                                                 const cef_range_t* selected_range) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnTextSelectionChanged(aBrowser, CopyEngineString(selected_text), selected_range);
  });
}

void CEF_CALLBACK OnVirtualKeyboardRequestedCallback(cef_render_handler_t* self,
                                                     cef_browser_t* browser,
                                                     cef_text_input_mode_t input_mode) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnVirtualKeyboardRequested(aBrowser, input_mode); });
}

}  // namespace

TCefRenderHandlerOwn::TCefRenderHandlerOwn() {
  CreateData(sizeof(cef_render_handler_t), false);
  auto* data = Data<cef_render_handler_t>();
  data->get_accessibility_handler = GetAccessibilityHandlerCallback;
  data->get_root_screen_rect = GetRootScreenRectCallback;
  data->get_view_rect = GetViewRectCallback;
  data->get_screen_point = GetScreenPointCallback;
  data->get_screen_info = GetScreenInfoCallback;
  data->on_popup_show = OnPopupShowCallback;
  data->on_popup_size = OnPopupSizeCallback;
  data->on_paint = OnPaintCallback;
  data->on_accelerated_paint = OnAcceleratedPaintCallback;
  data->on_cursor_change = OnCursorChangeCallback;
  data->start_dragging = StartDraggingCallback;
  data->update_drag_cursor = UpdateDragCursorCallback;
  data->on_scroll_offset_changed = OnScrollOffsetChangedCallback;
  data->on_ime_composition_range_changed = OnImeCompositionRangeChangedCallback;
  data->on_text_selection_changed = OnTextSelectionChangedCallback;
  data->on_virtual_keyboard_requested = OnVirtualKeyboardRequestedCallback;
}
