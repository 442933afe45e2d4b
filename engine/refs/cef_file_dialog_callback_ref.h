#ifndef OSTREL_ENGINE_REFS_CEF_FILE_DIALOG_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_FILE_DIALOG_CALLBACK_REF_H_

// The engine's answer channel for a file dialog the program shows itself: Cont with the chosen
// paths, or Cancel.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefFileDialogCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont(int selectedAcceptFilter, const std::vector<ustring>& filePaths) = 0;
  virtual void Cancel() = 0;
};

class TCefFileDialogCallbackRef final : public TCefBaseRefCountedRef,
                                        public ICefFileDialogCallback {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefFileDialogCallbackRef(cef_file_dialog_callback_t* data)
      : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefFileDialogCallback> UnWrap(cef_file_dialog_callback_t* data);

  void Cont(int selectedAcceptFilter, const std::vector<ustring>& filePaths) override;
  void Cancel() override;

 private:
  ~TCefFileDialogCallbackRef() override = default;
  cef_file_dialog_callback_t* Engine() const noexcept { return Data<cef_file_dialog_callback_t>(); }
};

inline CefRefPtr<ICefFileDialogCallback> UnWrapEngine(cef_file_dialog_callback_t* data) {
  return TCefFileDialogCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_FILE_DIALOG_CALLBACK_REF_H_
