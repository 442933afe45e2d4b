#include "engine/refs/cef_download_item_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefDownloadItemCallbackRef::Cancel() {
  CallEngine(Engine(), &cef_download_item_callback_t::cancel);
}

void TCefDownloadItemCallbackRef::Pause() {
  CallEngine(Engine(), &cef_download_item_callback_t::pause);
}

void TCefDownloadItemCallbackRef::Resume() {
  CallEngine(Engine(), &cef_download_item_callback_t::resume);
}
