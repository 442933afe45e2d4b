#include "engine/callbacks/cef_run_file_dialog_callback_own.h"

#include "engine/core/engine_callback.h"

TCefRunFileDialogCallbackOwn::TCefRunFileDialogCallbackOwn() {
  BindCallback<&TCefRunFileDialogCallbackOwn::OnFileDialogDismissed>(
      CreateData<cef_run_file_dialog_callback_t>()->on_file_dialog_dismissed);
}

// One dialog is dismissed once.
void TCefFastRunFileDialogCallback::OnFileDialogDismissed(int selectedAcceptFilter,
                                                          const std::vector<ustring>& filePaths) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(selectedAcceptFilter, filePaths);
}
