#include "engine/handlers/cef_dialog_handler_own.h"

#include "engine/handlers/cef_handler_args.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_file_dialog_callback_ref.h"

namespace {

static_assert(sizeof(cef_dialog_handler_t) == 48, "dialog handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

int CEF_CALLBACK OnFileDialogCallback(cef_dialog_handler_t* self, cef_browser_t* browser,
                                      cef_file_dialog_mode_t mode, const cef_string_t* title,
                                      const cef_string_t* default_file_path,
                                      cef_string_list_t accept_filters, int selected_accept_filter,
                                      cef_file_dialog_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFileDialogCallback> aCallback = TCefFileDialogCallbackRef::UnWrap(callback);
  return WithOwner<TCefDialogHandlerOwn>(self, 0, [&](TCefDialogHandlerOwn& handler) {
    return EngineBool(handler.OnFileDialog(
        aBrowser, mode, CopyEngineString(title), CopyEngineString(default_file_path),
        CopyEngineStringList(accept_filters), selected_accept_filter, aCallback));
  });
}

}  // namespace

TCefDialogHandlerOwn::TCefDialogHandlerOwn() {
  CreateData(sizeof(cef_dialog_handler_t), false);
  Data<cef_dialog_handler_t>()->on_file_dialog = OnFileDialogCallback;
}
