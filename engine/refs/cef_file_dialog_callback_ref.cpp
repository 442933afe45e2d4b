#include "engine/refs/cef_file_dialog_callback_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"

void TCefFileDialogCallbackRef::Cont(int selectedAcceptFilter,
                                     const std::vector<ustring>& filePaths) {
  // The engine copies the list during the call.
  CefRefPtr<TCefStringListOwn> paths = MakeRefCounted<TCefStringListOwn>();
  paths->AddStringsFrom(filePaths);
  CallEngine(Engine(), &cef_file_dialog_callback_t::cont, selectedAcceptFilter, paths->GetHandle());
}

void TCefFileDialogCallbackRef::Cancel() {
  CallEngine(Engine(), &cef_file_dialog_callback_t::cancel);
}
