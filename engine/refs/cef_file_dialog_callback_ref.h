#ifndef OSTREL_ENGINE_REFS_CEF_FILE_DIALOG_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_FILE_DIALOG_CALLBACK_REF_H_

// The engine's answer channel for a file dialog the program shows itself: Cont with the chosen
// paths, or Cancel.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefFileDialogCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont(int selectedAcceptFilter, const std::vector<ustring>& filePaths) = 0;
  virtual void Cancel() = 0;
};

class TCefFileDialogCallbackRef final
    : public TCefRefBase<TCefFileDialogCallbackRef, ICefFileDialogCallback,
                         cef_file_dialog_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cont(int selectedAcceptFilter, const std::vector<ustring>& filePaths) override;
  void Cancel() override;

 private:
  ~TCefFileDialogCallbackRef() override = default;
};

inline CefRefPtr<ICefFileDialogCallback> UnWrapEngine(cef_file_dialog_callback_t* data) {
  return TCefFileDialogCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_FILE_DIALOG_CALLBACK_REF_H_
