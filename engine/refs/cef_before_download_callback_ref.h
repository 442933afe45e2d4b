#ifndef OSTREL_ENGINE_REFS_CEF_BEFORE_DOWNLOAD_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_BEFORE_DOWNLOAD_CALLBACK_REF_H_

// The engine's answer slot before a download starts: where to save it, and whether to ask.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefBeforeDownloadCallback : public virtual ICefBaseRefCounted {
 public:
  // An empty path lets the engine pick its default.
  virtual void Cont(const ustring& downloadPath, bool showDialog) = 0;
};

class TCefBeforeDownloadCallbackRef final
    : public TCefRefBase<TCefBeforeDownloadCallbackRef, ICefBeforeDownloadCallback,
                         cef_before_download_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cont(const ustring& downloadPath, bool showDialog) override;

 private:
  ~TCefBeforeDownloadCallbackRef() override = default;
};

// How engine callbacks receive a cef_before_download_callback_t: wrapped, taking over its
// reference.
inline CefRefPtr<ICefBeforeDownloadCallback> UnWrapEngine(cef_before_download_callback_t* data) {
  return TCefBeforeDownloadCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_BEFORE_DOWNLOAD_CALLBACK_REF_H_
