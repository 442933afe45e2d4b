#include "engine/callbacks/cef_run_file_dialog_callback_own.h"

#include "engine/core/cef_string_collections.h"

namespace {

static_assert(sizeof(cef_run_file_dialog_callback_t) == 48, "run-file-dialog callback structure");

// The engine owns the list and frees it after the call.
void CEF_CALLBACK OnFileDialogDismissedCallback(cef_run_file_dialog_callback_t* self,
                                                int selected_accept_filter,
                                                cef_string_list_t file_paths) {
  WithOwner<TCefRunFileDialogCallbackOwn>(self, [&](TCefRunFileDialogCallbackOwn& callback) {
    std::vector<ustring> filePaths;
    if (file_paths != nullptr) {
      MakeRefCounted<TCefStringListRef>(file_paths)->CopyToStrings(filePaths);
    }
    callback.OnFileDialogDismissed(selected_accept_filter, filePaths);
  });
}

}  // namespace

TCefRunFileDialogCallbackOwn::TCefRunFileDialogCallbackOwn() {
  CreateData(sizeof(cef_run_file_dialog_callback_t), false);
  Data<cef_run_file_dialog_callback_t>()->on_file_dialog_dismissed = OnFileDialogDismissedCallback;
}

// One dialog is dismissed once.
void TCefFastRunFileDialogCallback::OnFileDialogDismissed(int selectedAcceptFilter,
                                                          const std::vector<ustring>& filePaths) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(selectedAcceptFilter, filePaths);
}
