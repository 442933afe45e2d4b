#include "engine/refs/cef_before_download_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefBeforeDownloadCallbackRef::Cont(const ustring& downloadPath, bool showDialog) {
  CallEngine(Engine(), &cef_before_download_callback_t::cont, downloadPath, showDialog);
}
