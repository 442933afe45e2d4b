#ifndef OSTREL_ENGINE_HANDLERS_CEF_JSDIALOG_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_JSDIALOG_HANDLER_OWN_H_

// The engine's JavaScript dialog handler: alert, confirm and prompt, the before-unload question,
// and the end of dialogs.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_jsdialog_handler.h"

class ICefBrowser;
class ICefJsDialogCallback;

// By default the engine shows its own dialogs.
class TCefJsDialogHandlerOwn : public TCefBaseRefCountedOwn, public ICefJsDialogHandler {
 public:
  bool OnJsdialog(const CefRefPtr<ICefBrowser>&, const ustring&, cef_jsdialog_type_t,
                  const ustring&, const ustring&, const CefRefPtr<ICefJsDialogCallback>&,
                  bool&) override {
    return false;
  }
  bool OnBeforeUnloadDialog(const CefRefPtr<ICefBrowser>&, const ustring&, bool,
                            const CefRefPtr<ICefJsDialogCallback>&) override {
    return false;
  }
  void OnResetDialogState(const CefRefPtr<ICefBrowser>&) override {}
  void OnDialogClosed(const CefRefPtr<ICefBrowser>&) override {}
  void RemoveReferences() override {}

 protected:
  TCefJsDialogHandlerOwn();
  ~TCefJsDialogHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_JSDIALOG_HANDLER_OWN_H_
