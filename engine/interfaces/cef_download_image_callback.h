#ifndef OSTREL_ENGINE_INTERFACES_CEF_DOWNLOAD_IMAGE_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_DOWNLOAD_IMAGE_CALLBACK_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefImage;

class ICefDownloadImageCallback : public virtual ICefBaseRefCounted {
 public:
  // `image` is null when the engine got none.
  virtual void OnDownloadImageFinished(const ustring& /*imageUrl*/, int /*httpStatusCode*/,
                                       Ref<ICefImage> /*image*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DOWNLOAD_IMAGE_CALLBACK_H_
