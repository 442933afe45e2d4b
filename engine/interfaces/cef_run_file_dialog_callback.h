#ifndef OSTREL_ENGINE_INTERFACES_CEF_RUN_FILE_DIALOG_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_RUN_FILE_DIALOG_CALLBACK_H_

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefRunFileDialogCallback : public virtual ICefBaseRefCounted {
 public:
  // `filePaths` is empty when the dialog was cancelled.
  virtual void OnFileDialogDismissed(int /*selectedAcceptFilter*/,
                                     const std::vector<ustring>& /*filePaths*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_RUN_FILE_DIALOG_CALLBACK_H_
