#include "engine/handlers/cef_focus_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"

TCefFocusHandlerOwn::TCefFocusHandlerOwn() {
  auto* data = CreateData<cef_focus_handler_t>();
  BindCallback<&TCefFocusHandlerOwn::OnTakeFocus>(data->on_take_focus);
  BindCallback<&TCefFocusHandlerOwn::OnSetFocus>(data->on_set_focus);
  BindCallback<&TCefFocusHandlerOwn::OnGotFocus>(data->on_got_focus);
}
