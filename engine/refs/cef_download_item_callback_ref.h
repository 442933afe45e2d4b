#ifndef OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_CALLBACK_REF_H_

// Control of a running download.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefDownloadItemCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cancel() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
};

class TCefDownloadItemCallbackRef final
    : public TCefRefBase<TCefDownloadItemCallbackRef, ICefDownloadItemCallback,
                         cef_download_item_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cancel() override;
  void Pause() override;
  void Resume() override;

 private:
  ~TCefDownloadItemCallbackRef() override = default;
};

inline CefRefPtr<ICefDownloadItemCallback> UnWrapEngine(cef_download_item_callback_t* data) {
  return TCefDownloadItemCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_CALLBACK_REF_H_
