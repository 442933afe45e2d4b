#ifndef OSTREL_ENGINE_CEF_DOWNLOAD_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_DOWNLOAD_HANDLER_OWN_H_

// The engine's download handler: a download is about to start, and its progress.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefDownloadItem;
class ICefBeforeDownloadCallback;
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

// By default nothing is downloaded.
class TCefDownloadHandlerOwn : public TCefBaseRefCountedOwn, public ICefDownloadHandler {
 public:
  void OnBeforeDownload(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDownloadItem>&,
                        const ustring&, const CefRefPtr<ICefBeforeDownloadCallback>&) override {}
  void OnDownloadUpdated(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDownloadItem>&,
                         const CefRefPtr<ICefDownloadItemCallback>&) override {}
  void RemoveReferences() override {}

 protected:
  TCefDownloadHandlerOwn();
  ~TCefDownloadHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_DOWNLOAD_HANDLER_OWN_H_
