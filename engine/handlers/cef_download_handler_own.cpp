#include "engine/handlers/cef_download_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_before_download_callback_ref.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_download_item_callback_ref.h"
#include "engine/refs/cef_download_item_ref.h"

TCefDownloadHandlerOwn::TCefDownloadHandlerOwn() {
  auto* data = CreateData<cef_download_handler_t>();
  BindCallback<&TCefDownloadHandlerOwn::OnBeforeDownload>(data->on_before_download);
  BindCallback<&TCefDownloadHandlerOwn::OnDownloadUpdated>(data->on_download_updated);
}
