#ifndef OSTREL_STANDIN_DOWNLOADS_H_
#define OSTREL_STANDIN_DOWNLOADS_H_

// Downloads (UI thread): on_before_download(item, suggested name, callback); once the program
// calls cont(path) the body is read on the IO thread into `path` (empty: the suggested name in
// the user's documents folder) in pieces, with on_download_updated while it comes (received
// bytes; the percentage, or -1 when the size is not announced), then complete, or canceled
// (transfer broken, or cancel asked: the partial file is deleted). A callback dropped without
// cont cancels the download, as the engine does.

#include <memory>
#include <optional>
#include <string>

#include "standin/browser.h"
#include "standin/page_content.h"

namespace standin {

// A download of `response`, whose body is still to be read (a navigation that turned into a
// download, or a download request).
void StartDownload(std::shared_ptr<Browser> browser, const std::wstring& url,
                   const std::wstring& suggested_name, Fetched response);
// Any thread: requests `url` as a download, then starts it; the suggested name is the response's
// unless one is given (a test can suggest any name, even an empty one).
void DownloadUrl(std::shared_ptr<Browser> browser, const std::wstring& url,
                 std::optional<std::wstring> suggested_name = {});

// Shutdown: cancels the downloads still running and waits for their transfers to end.
void EndDownloads();

}  // namespace standin

#endif  // OSTREL_STANDIN_DOWNLOADS_H_
