#include "engine/handlers/cef_jsdialog_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_jsdialog_callback_ref.h"

namespace {

static_assert(sizeof(cef_jsdialog_handler_t) == 72,
              "JavaScript dialog handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefJsDialogHandlerOwn;

int CEF_CALLBACK OnJsdialogCallback(cef_jsdialog_handler_t* self, cef_browser_t* browser,
                                    const cef_string_t* origin_url, cef_jsdialog_type_t dialog_type,
                                    const cef_string_t* message_text,
                                    const cef_string_t* default_prompt_text,
                                    cef_jsdialog_callback_t* callback, int* suppress_message) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefJsDialogCallback> aCallback = TCefJsDialogCallbackRef::UnWrap(callback);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    TEngineBoolInOut suppressMessage(suppress_message);
    const bool handled = handler.OnJsdialog(
        aBrowser, CopyEngineString(origin_url), dialog_type, CopyEngineString(message_text),
        CopyEngineString(default_prompt_text), aCallback, suppressMessage.value);
    suppressMessage.GiveBack();
    return EngineBool(handled);
  });
}

int CEF_CALLBACK OnBeforeUnloadDialogCallback(cef_jsdialog_handler_t* self, cef_browser_t* browser,
                                              const cef_string_t* message_text, int is_reload,
                                              cef_jsdialog_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefJsDialogCallback> aCallback = TCefJsDialogCallbackRef::UnWrap(callback);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnBeforeUnloadDialog(aBrowser, CopyEngineString(message_text),
                                                   is_reload != 0, aCallback));
  });
}

void CEF_CALLBACK OnResetDialogStateCallback(cef_jsdialog_handler_t* self, cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnResetDialogState(aBrowser); });
}

void CEF_CALLBACK OnDialogClosedCallback(cef_jsdialog_handler_t* self, cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnDialogClosed(aBrowser); });
}

}  // namespace

TCefJsDialogHandlerOwn::TCefJsDialogHandlerOwn() {
  CreateData(sizeof(cef_jsdialog_handler_t), false);
  auto* data = Data<cef_jsdialog_handler_t>();
  data->on_jsdialog = OnJsdialogCallback;
  data->on_before_unload_dialog = OnBeforeUnloadDialogCallback;
  data->on_reset_dialog_state = OnResetDialogStateCallback;
  data->on_dialog_closed = OnDialogClosedCallback;
}
