#include "engine/callbacks/cef_download_image_callback_own.h"

#include "engine/refs/cef_image_ref.h"

namespace {

static_assert(sizeof(cef_download_image_callback_t) == 48, "download-image callback structure");

void CEF_CALLBACK OnDownloadImageFinishedCallback(cef_download_image_callback_t* self,
                                                  const cef_string_t* image_url,
                                                  int http_status_code, cef_image_t* image) {
  // Wrapped before the owner check so that its reference is released in any case.
  const CefRefPtr<ICefImage> wrappedImage = TCefImageRef::UnWrap(image);
  WithOwner<TCefDownloadImageCallbackOwn>(self, [&](TCefDownloadImageCallbackOwn& callback) {
    callback.OnDownloadImageFinished(CopyEngineString(image_url), http_status_code, wrappedImage);
  });
}

}  // namespace

TCefDownloadImageCallbackOwn::TCefDownloadImageCallbackOwn() {
  CreateData(sizeof(cef_download_image_callback_t), false);
  Data<cef_download_image_callback_t>()->on_download_image_finished =
      OnDownloadImageFinishedCallback;
}
