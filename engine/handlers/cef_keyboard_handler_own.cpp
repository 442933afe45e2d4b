#include "engine/handlers/cef_keyboard_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"

TCefKeyboardHandlerOwn::TCefKeyboardHandlerOwn() {
  auto* data = CreateData<cef_keyboard_handler_t>();
  BindCallback<&TCefKeyboardHandlerOwn::OnPreKeyEvent>(data->on_pre_key_event);
  BindCallback<&TCefKeyboardHandlerOwn::OnKeyEvent>(data->on_key_event);
}
