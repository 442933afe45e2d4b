#include "engine/handlers/cef_render_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_drag_data_ref.h"

TCefRenderHandlerOwn::TCefRenderHandlerOwn() {
  auto* data = CreateData<cef_render_handler_t>();
  BindCallback<&TCefRenderHandlerOwn::GetAccessibilityHandler>(data->get_accessibility_handler);
  BindCallback<&TCefRenderHandlerOwn::GetRootScreenRect>(data->get_root_screen_rect);
  BindCallback<&TCefRenderHandlerOwn::GetViewRect>(data->get_view_rect);
  BindCallback<&TCefRenderHandlerOwn::GetScreenPoint>(data->get_screen_point);
  BindCallback<&TCefRenderHandlerOwn::GetScreenInfo>(data->get_screen_info);
  BindCallback<&TCefRenderHandlerOwn::OnPopupShow>(data->on_popup_show);
  BindCallback<&TCefRenderHandlerOwn::OnPopupSize>(data->on_popup_size);
  BindCallback<&TCefRenderHandlerOwn::OnPaint>(data->on_paint);
  BindCallback<&TCefRenderHandlerOwn::OnAcceleratedPaint>(data->on_accelerated_paint);
  BindCallback<&TCefRenderHandlerOwn::OnCursorChange>(data->on_cursor_change);
  BindCallback<&TCefRenderHandlerOwn::StartDragging>(data->start_dragging);
  BindCallback<&TCefRenderHandlerOwn::UpdateDragCursor>(data->update_drag_cursor);
  BindCallback<&TCefRenderHandlerOwn::OnScrollOffsetChanged>(data->on_scroll_offset_changed);
  BindCallback<&TCefRenderHandlerOwn::OnImeCompositionRangeChanged>(
      data->on_ime_composition_range_changed);
  BindCallback<&TCefRenderHandlerOwn::OnTextSelectionChanged>(data->on_text_selection_changed);
  BindCallback<&TCefRenderHandlerOwn::OnVirtualKeyboardRequested>(
      data->on_virtual_keyboard_requested);
}
