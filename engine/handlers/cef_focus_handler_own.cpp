#include "engine/handlers/cef_focus_handler_own.h"

#include "engine/refs/cef_browser_ref.h"

namespace {

static_assert(sizeof(cef_focus_handler_t) == 64, "focus handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

void CEF_CALLBACK OnTakeFocusCallback(cef_focus_handler_t* self, cef_browser_t* browser, int next) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<TCefFocusHandlerOwn>(
      self, [&](TCefFocusHandlerOwn& handler) { handler.OnTakeFocus(aBrowser, next != 0); });
}

int CEF_CALLBACK OnSetFocusCallback(cef_focus_handler_t* self, cef_browser_t* browser,
                                    cef_focus_source_t source) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  return WithOwner<TCefFocusHandlerOwn>(self, 0, [&](TCefFocusHandlerOwn& handler) {
    return EngineBool(handler.OnSetFocus(aBrowser, source));
  });
}

void CEF_CALLBACK OnGotFocusCallback(cef_focus_handler_t* self, cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<TCefFocusHandlerOwn>(
      self, [&](TCefFocusHandlerOwn& handler) { handler.OnGotFocus(aBrowser); });
}

}  // namespace

TCefFocusHandlerOwn::TCefFocusHandlerOwn() {
  CreateData(sizeof(cef_focus_handler_t), false);
  auto* data = Data<cef_focus_handler_t>();
  data->on_take_focus = OnTakeFocusCallback;
  data->on_set_focus = OnSetFocusCallback;
  data->on_got_focus = OnGotFocusCallback;
}
