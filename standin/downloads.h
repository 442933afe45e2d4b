#ifndef OSTREL_STANDIN_DOWNLOADS_H_
#define OSTREL_STANDIN_DOWNLOADS_H_

// Downloads (UI thread): on_before_download(item, suggested name, callback); once the program
// calls cont(path) the file is fetched on the IO thread (resource-request callbacks with
// is_download=1) and written to `path` (empty: the suggested name in the user's Downloads
// folder); on_download_updated reports it in progress, then complete (or canceled). A callback
// dropped without cont cancels the download, as the engine does.

#include <memory>
#include <string>

#include "standin/browser.h"

namespace standin {

void StartDownload(std::shared_ptr<Browser> browser, const std::wstring& url,
                   const std::wstring& suggested_name);

}  // namespace standin

#endif  // OSTREL_STANDIN_DOWNLOADS_H_
