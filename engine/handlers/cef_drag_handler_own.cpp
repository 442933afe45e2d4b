#include "engine/handlers/cef_drag_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_drag_data_ref.h"
#include "engine/refs/cef_frame_ref.h"

static_assert(sizeof(cef_drag_handler_t) == 56, "drag handler structure of the engine");

TCefDragHandlerOwn::TCefDragHandlerOwn() {
  CreateData(sizeof(cef_drag_handler_t), false);
  auto* data = Data<cef_drag_handler_t>();
  BindCallback<&TCefDragHandlerOwn::OnDragEnter>(data->on_drag_enter);
  BindCallback<&TCefDragHandlerOwn::OnDraggableRegionsChanged>(data->on_draggable_regions_changed);
}
