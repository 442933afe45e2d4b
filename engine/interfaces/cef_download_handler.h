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
  virtual void OnBeforeDownload(const CefRefPtr<ICefBrowser>& browser,
                                const CefRefPtr<ICefDownloadItem>& downloadItem,
                                const ustring& suggestedName,
                                const CefRefPtr<ICefBeforeDownloadCallback>& callback) = 0;
  virtual void OnDownloadUpdated(const CefRefPtr<ICefBrowser>& browser,
                                 const CefRefPtr<ICefDownloadItem>& downloadItem,
                                 const CefRefPtr<ICefDownloadItemCallback>& callback) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DOWNLOAD_HANDLER_H_
