#include "engine/handlers/cef_keyboard_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"

namespace {

static_assert(sizeof(cef_keyboard_handler_t) == 56, "keyboard handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

int CEF_CALLBACK OnPreKeyEventCallback(cef_keyboard_handler_t* self, cef_browser_t* browser,
                                       const cef_key_event_t* event, MSG* os_event,
                                       int* is_keyboard_shortcut) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<TCefKeyboardHandlerOwn>(self, 0, [&](TCefKeyboardHandlerOwn& handler) {
    TEngineBoolInOut isKeyboardShortcut(is_keyboard_shortcut);
    const bool handled = handler.OnPreKeyEvent(aBrowser, event, os_event, isKeyboardShortcut.value);
    isKeyboardShortcut.GiveBack();
    return EngineBool(handled);
  });
}

int CEF_CALLBACK OnKeyEventCallback(cef_keyboard_handler_t* self, cef_browser_t* browser,
                                    const cef_key_event_t* event, MSG* os_event) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<TCefKeyboardHandlerOwn>(self, 0, [&](TCefKeyboardHandlerOwn& handler) {
    return EngineBool(handler.OnKeyEvent(aBrowser, event, os_event));
  });
}

}  // namespace

TCefKeyboardHandlerOwn::TCefKeyboardHandlerOwn() {
  CreateData(sizeof(cef_keyboard_handler_t), false);
  auto* data = Data<cef_keyboard_handler_t>();
  data->on_pre_key_event = OnPreKeyEventCallback;
  data->on_key_event = OnKeyEventCallback;
}
