#include "engine/refs/cef_before_download_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefBeforeDownloadCallbackRef::Cont(const ustring& downloadPath, bool showDialog) {
  const cef_string_t borrowed_download_path = BorrowEngineString(downloadPath);
  CallEngine(Engine(), &cef_before_download_callback_t::cont, &borrowed_download_path,
             EngineBool(showDialog));
}
