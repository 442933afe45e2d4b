#ifndef OSTREL_ENGINE_CEF_DOWNLOAD_IMAGE_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CEF_DOWNLOAD_IMAGE_CALLBACK_OWN_H_

// Receives an image the engine downloaded for the program. Handed to the engine with
// EngineDataFromInterface (+1).

#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefImage;

class ICefDownloadImageCallback : public virtual ICefBaseRefCounted {
 public:
  // `image` is null when the engine got none.
  virtual void OnDownloadImageFinished(const ustring& imageUrl, int httpStatusCode,
                                       const CefRefPtr<ICefImage>& image) = 0;
};

class TCefDownloadImageCallbackOwn : public TCefBaseRefCountedOwn,
                                     public ICefDownloadImageCallback {
 public:
  void OnDownloadImageFinished(const ustring& /*imageUrl*/, int /*httpStatusCode*/,
                               const CefRefPtr<ICefImage>& /*image*/) override {}

 protected:
  TCefDownloadImageCallbackOwn();
  ~TCefDownloadImageCallbackOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_DOWNLOAD_IMAGE_CALLBACK_OWN_H_
