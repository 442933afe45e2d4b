#ifndef OSTREL_ENGINE_CEF_DIALOG_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_DIALOG_HANDLER_OWN_H_

// The engine's dialog handler: the page asks for a file dialog.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefFileDialogCallback;

class ICefDialogHandler : public virtual ICefBaseRefCounted {
 public:
  // True: the program shows the dialog itself and reports the choice through `callback`.
  virtual bool OnFileDialog(const CefRefPtr<ICefBrowser>& browser, cef_file_dialog_mode_t mode,
                            const ustring& title, const ustring& defaultFilePath,
                            const std::vector<ustring>& acceptFilters, int selectedAcceptFilter,
                            const CefRefPtr<ICefFileDialogCallback>& callback) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

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

#endif  // OSTREL_ENGINE_CEF_DIALOG_HANDLER_OWN_H_
