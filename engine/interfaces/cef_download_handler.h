#ifndef OSTREL_ENGINE_INTERFACES_CEF_DOWNLOAD_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_DOWNLOAD_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBeforeDownloadCallback;
class ICefBrowser;
class ICefDownloadItem;
class ICefDownloadItemCallback;

class ICefDownloadHandler : public virtual ICefBaseRefCounted {
 public:
  // The download goes on only if `callback` is continued (now or later).
  virtual void OnBeforeDownload(Ref<ICefBrowser> /*browser*/,
                                Ref<ICefDownloadItem> /*downloadItem*/,
                                const ustring& /*suggestedName*/,
                                Ref<ICefBeforeDownloadCallback> /*callback*/) {}
  virtual void OnDownloadUpdated(Ref<ICefBrowser> /*browser*/,
                                 Ref<ICefDownloadItem> /*downloadItem*/,
                                 Ref<ICefDownloadItemCallback> /*callback*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DOWNLOAD_HANDLER_H_
