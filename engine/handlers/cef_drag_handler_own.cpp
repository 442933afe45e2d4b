#include "engine/handlers/cef_drag_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_drag_data_ref.h"
#include "engine/refs/cef_frame_ref.h"

TCefDragHandlerOwn::TCefDragHandlerOwn() {
  auto* data = CreateData<cef_drag_handler_t>();
  BindCallback<&TCefDragHandlerOwn::OnDragEnter>(data->on_drag_enter);
  BindCallback<&TCefDragHandlerOwn::OnDraggableRegionsChanged>(data->on_draggable_regions_changed);
}
