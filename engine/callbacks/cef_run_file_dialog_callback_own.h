#ifndef OSTREL_ENGINE_CALLBACKS_CEF_RUN_FILE_DIALOG_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_RUN_FILE_DIALOG_CALLBACK_OWN_H_

// Told by the engine how a file dialog it ran for the program was closed. Handed to the engine
// with EngineDataFromInterface (+1).

#include <functional>
#include <vector>

#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_run_file_dialog_callback.h"

class TCefRunFileDialogCallbackOwn : public TCefBaseRefCountedOwn,
                                     public ICefRunFileDialogCallback {
 protected:
  TCefRunFileDialogCallbackOwn();
  ~TCefRunFileDialogCallbackOwn() override = default;
};

class TCefFastRunFileDialogCallback final : public TCefRunFileDialogCallbackOwn {
 public:
  using TProc =
      std::function<void(int selectedAcceptFilter, const std::vector<ustring>& filePaths)>;
  explicit TCefFastRunFileDialogCallback(TProc method) : FMethod(std::move(method)) {}

  void OnFileDialogDismissed(int selectedAcceptFilter,
                             const std::vector<ustring>& filePaths) override;

 private:
  ~TCefFastRunFileDialogCallback() override = default;

  TProc FMethod;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_RUN_FILE_DIALOG_CALLBACK_OWN_H_
