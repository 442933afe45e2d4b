#ifndef OSTREL_ENGINE_HANDLERS_CEF_DIALOG_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DIALOG_HANDLER_OWN_H_

// The engine's dialog handler: the page asks for a file dialog.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_dialog_handler.h"

class ICefBrowser;
class ICefFileDialogCallback;

// By default the engine shows its own dialog.
class TCefDialogHandlerOwn : public TCefBaseRefCountedOwn, public ICefDialogHandler {
 public:
  bool OnFileDialog(const CefRefPtr<ICefBrowser>&, cef_file_dialog_mode_t, const ustring&,
                    const ustring&, const std::vector<ustring>&, int,
                    const CefRefPtr<ICefFileDialogCallback>&) override {
    return false;
  }
  void RemoveReferences() override {}

 protected:
  TCefDialogHandlerOwn();
  ~TCefDialogHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DIALOG_HANDLER_OWN_H_
