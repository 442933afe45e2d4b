#include "engine/handlers/cef_life_span_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_frame_ref.h"

static_assert(sizeof(cef_life_span_handler_t) == 72, "life span handler structure of the engine");

TCefLifeSpanHandlerOwn::TCefLifeSpanHandlerOwn() {
  CreateData(sizeof(cef_life_span_handler_t), false);
  auto* data = Data<cef_life_span_handler_t>();
  BindCallback<&TCefLifeSpanHandlerOwn::OnBeforePopup>(data->on_before_popup);
  BindCallback<&TCefLifeSpanHandlerOwn::OnAfterCreated>(data->on_after_created);
  BindCallback<&TCefLifeSpanHandlerOwn::DoClose>(data->do_close);
  BindCallback<&TCefLifeSpanHandlerOwn::OnBeforeClose>(data->on_before_close);
}
