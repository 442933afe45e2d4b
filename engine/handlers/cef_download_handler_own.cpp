#include "engine/handlers/cef_download_handler_own.h"

#include "engine/refs/cef_before_download_callback_ref.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_download_item_callback_ref.h"
#include "engine/refs/cef_download_item_ref.h"

namespace {

static_assert(sizeof(cef_download_handler_t) == 56, "download handler structure of the engine");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

using Handler = TCefDownloadHandlerOwn;

void CEF_CALLBACK OnBeforeDownloadCallback(cef_download_handler_t* self, cef_browser_t* browser,
                                           cef_download_item_t* download_item,
                                           const cef_string_t* suggested_name,
                                           cef_before_download_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefDownloadItem> aDownloadItem = TCefDownLoadItemRef::UnWrap(download_item);
  const CefRefPtr<ICefBeforeDownloadCallback> aCallback =
      TCefBeforeDownloadCallbackRef::UnWrap(callback);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnBeforeDownload(aBrowser, aDownloadItem, CopyEngineString(suggested_name), aCallback);
  });
}

void CEF_CALLBACK OnDownloadUpdatedCallback(cef_download_handler_t* self, cef_browser_t* browser,
                                            cef_download_item_t* download_item,
                                            cef_download_item_callback_t* callback) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefDownloadItem> aDownloadItem = TCefDownLoadItemRef::UnWrap(download_item);
  const CefRefPtr<ICefDownloadItemCallback> aCallback =
      TCefDownloadItemCallbackRef::UnWrap(callback);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnDownloadUpdated(aBrowser, aDownloadItem, aCallback);
  });
}

}  // namespace

TCefDownloadHandlerOwn::TCefDownloadHandlerOwn() {
  CreateData(sizeof(cef_download_handler_t), false);
  auto* data = Data<cef_download_handler_t>();
  data->on_before_download = OnBeforeDownloadCallback;
  data->on_download_updated = OnDownloadUpdatedCallback;
}
