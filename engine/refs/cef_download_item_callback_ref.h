#ifndef OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_CALLBACK_REF_H_

// Control of a running download.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefDownloadItemCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cancel() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
};

class TCefDownloadItemCallbackRef final : public TCefBaseRefCountedRef,
                                          public ICefDownloadItemCallback {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefDownloadItemCallbackRef(cef_download_item_callback_t* data)
      : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefDownloadItemCallback> UnWrap(cef_download_item_callback_t* data);

  void Cancel() override;
  void Pause() override;
  void Resume() override;

 private:
  ~TCefDownloadItemCallbackRef() override = default;
  cef_download_item_callback_t* Engine() const noexcept {
    return Data<cef_download_item_callback_t>();
  }
};

inline CefRefPtr<ICefDownloadItemCallback> UnWrapEngine(cef_download_item_callback_t* data) {
  return TCefDownloadItemCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_CALLBACK_REF_H_
