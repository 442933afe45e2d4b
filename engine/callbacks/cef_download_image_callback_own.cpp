#include "engine/callbacks/cef_download_image_callback_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_image_ref.h"

static_assert(sizeof(cef_download_image_callback_t) == 48, "download-image callback structure");

TCefDownloadImageCallbackOwn::TCefDownloadImageCallbackOwn() {
  CreateData(sizeof(cef_download_image_callback_t), false);
  BindCallback<&TCefDownloadImageCallbackOwn::OnDownloadImageFinished>(
      Data<cef_download_image_callback_t>()->on_download_image_finished);
}
