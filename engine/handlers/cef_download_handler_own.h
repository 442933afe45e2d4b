#ifndef OSTREL_ENGINE_HANDLERS_CEF_DOWNLOAD_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DOWNLOAD_HANDLER_OWN_H_

// The engine's download handler: a download is about to start, and its progress.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_download_handler.h"

class ICefBrowser;
class ICefDownloadItem;
class ICefBeforeDownloadCallback;
class ICefDownloadItemCallback;

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

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DOWNLOAD_HANDLER_OWN_H_
