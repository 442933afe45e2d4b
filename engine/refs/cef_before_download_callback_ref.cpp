#include "engine/refs/cef_before_download_callback_ref.h"

#include "engine/core/cef_ref_call.h"

CefRefPtr<ICefBeforeDownloadCallback> TCefBeforeDownloadCallbackRef::UnWrap(
    cef_before_download_callback_t* data) {
  if (data == nullptr) return nullptr;
  return MakeRefCounted<TCefBeforeDownloadCallbackRef>(data);
}

void TCefBeforeDownloadCallbackRef::Cont(const ustring& downloadPath, bool showDialog) {
  const cef_string_t borrowed_download_path = BorrowEngineString(downloadPath);
  CallEngine(Engine(), &cef_before_download_callback_t::cont, &borrowed_download_path,
             EngineBool(showDialog));
}
