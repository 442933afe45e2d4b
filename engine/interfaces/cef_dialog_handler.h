#ifndef OSTREL_ENGINE_INTERFACES_CEF_DIALOG_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_DIALOG_HANDLER_H_

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefFileDialogCallback;

class ICefDialogHandler : public virtual ICefBaseRefCounted {
 public:
  // True: the program shows the dialog itself and reports the choice through `callback`.
  virtual bool OnFileDialog(Ref<ICefBrowser> /*browser*/, cef_file_dialog_mode_t /*mode*/,
                            const ustring& /*title*/, const ustring& /*defaultFilePath*/,
                            const std::vector<ustring>& /*acceptFilters*/,
                            int /*selectedAcceptFilter*/,
                            Ref<ICefFileDialogCallback> /*callback*/) {
    return false;
  }
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DIALOG_HANDLER_H_
