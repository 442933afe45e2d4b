#include "engine/callbacks/cef_download_image_callback_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_image_ref.h"

TCefDownloadImageCallbackOwn::TCefDownloadImageCallbackOwn() {
  BindCallback<&TCefDownloadImageCallbackOwn::OnDownloadImageFinished>(
      CreateData<cef_download_image_callback_t>()->on_download_image_finished);
}
