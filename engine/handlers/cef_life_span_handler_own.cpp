#include "engine/handlers/cef_life_span_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_frame_ref.h"

TCefLifeSpanHandlerOwn::TCefLifeSpanHandlerOwn() {
  auto* data = CreateData<cef_life_span_handler_t>();
  BindCallback<&TCefLifeSpanHandlerOwn::OnBeforePopup>(data->on_before_popup);
  BindCallback<&TCefLifeSpanHandlerOwn::OnAfterCreated>(data->on_after_created);
  BindCallback<&TCefLifeSpanHandlerOwn::DoClose>(data->do_close);
  BindCallback<&TCefLifeSpanHandlerOwn::OnBeforeClose>(data->on_before_close);
}
