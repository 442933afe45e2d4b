#ifndef OSTREL_ENGINE_HANDLERS_CEF_DOWNLOAD_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DOWNLOAD_HANDLER_OWN_H_

// The engine's download handler: a download is about to start, and its progress.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_download_handler.h"

// By default nothing is downloaded.
class TCefDownloadHandlerOwn : public TCefBaseRefCountedOwn, public ICefDownloadHandler {
 protected:
  TCefDownloadHandlerOwn();
  ~TCefDownloadHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DOWNLOAD_HANDLER_OWN_H_
