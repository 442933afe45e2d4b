#ifndef OSTREL_ENGINE_CALLBACKS_CEF_DOWNLOAD_IMAGE_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_DOWNLOAD_IMAGE_CALLBACK_OWN_H_

// Receives an image the engine downloaded for the program. Handed to the engine with
// EngineDataFromInterface (+1).

#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_download_image_callback.h"

class TCefDownloadImageCallbackOwn : public TCefBaseRefCountedOwn,
                                     public ICefDownloadImageCallback {
 protected:
  TCefDownloadImageCallbackOwn();
  ~TCefDownloadImageCallbackOwn() override = default;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_DOWNLOAD_IMAGE_CALLBACK_OWN_H_
