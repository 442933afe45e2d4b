#include "standin/downloads.h"

#include <shlobj.h>

#include <atomic>
#include <fstream>

#include "standin/hook_objects.h"
#include "standin/navigation.h"
#include "standin/net_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

std::atomic<uint32> next_download_id{1};

std::wstring NameFromUrl(const std::wstring& url) {
  std::wstring path = url.substr(0, url.find_first_of(L"?#"));
  const size_t slash = path.find_last_of(L'/');
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  return name.empty() ? L"download" : name;
}

std::wstring DefaultPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, folder))) return name;
  return std::wstring(folder) + L"\\" + name;
}

void Updated(Browser& browser, const std::shared_ptr<Download>& download) {
  {
    std::lock_guard<std::mutex> guard(download->lock);
    Trace("download-updated id=" + std::to_string(browser.id) + " download=" +
          std::to_string(download->id) + " received=" + std::to_string(download->received) +
          " complete=" + (download->complete ? "1" : "0") +
          " canceled=" + (download->canceled ? "1" : "0"));
  }
  if (auto h = browser.Get(&cef_client_t::get_download_handler); h && h->on_download_updated) {
    h->on_download_updated(h.get(), browser.NewBrowserRef(), NewDownloadItem(download),
                           NewDownloadItemCallback(download));
  }
}

// IO thread: fetches the file and writes it; the result is reported on the UI thread.
void Transfer(std::shared_ptr<Browser> browser, std::shared_ptr<Download> download) {
  RequestData data;
  {
    std::lock_guard<std::mutex> guard(download->lock);
    data.url = download->url;
  }
  data.resource_type = RT_MAIN_FRAME;
  ProgramRef<cef_request_t> request(NewRequest(data));
  const Fetched fetched = LoadResource(*browser, request.get(), false, true);
  {
    std::lock_guard<std::mutex> guard(download->lock);
    bool written = false;
    if (fetched.error == 0 && !download->canceled) {
      std::ofstream out(download->full_path.c_str(), std::ios::binary);
      out.write(fetched.body.data(), static_cast<std::streamsize>(fetched.body.size()));
      written = static_cast<bool>(out);
    }
    download->in_progress = false;
    download->complete = written;
    download->canceled = !written;
    download->total = download->received = static_cast<int64>(fetched.body.size());
    download->end = DownloadTimeNow();
  }
  PostClosure(TID_UI, [browser, download] { Updated(*browser, download); });
}

}  // namespace

void StartDownload(std::shared_ptr<Browser> browser, const std::wstring& url,
                   const std::wstring& suggested_name) {
  auto download = std::make_shared<Download>();
  download->id = next_download_id.fetch_add(1);
  download->url = url;
  download->suggested_name = suggested_name.empty() ? NameFromUrl(url) : suggested_name;
  download->mime_type = L"application/octet-stream";
  download->start = DownloadTimeNow();
  Trace("before-download id=" + std::to_string(browser->id) +
        " download=" + std::to_string(download->id) + " url=" + TraceValue(url));
  std::weak_ptr<Browser> weak = browser;
  cef_before_download_callback_t* callback =
      NewBeforeDownloadCallback([weak, download](bool go_on, std::wstring path) {
        auto b = weak.lock();
        if (!b) return;
        if (!go_on) {
          Trace("download-cancelled id=" + std::to_string(b->id) +
                " download=" + std::to_string(download->id) + " reason=no-answer");
          return;
        }
        {
          std::lock_guard<std::mutex> guard(download->lock);
          download->full_path = path.empty() ? DefaultPath(download->suggested_name) : path;
          download->in_progress = true;
        }
        PostClosure(TID_UI, [b, download] {
          Updated(*b, download);
          PostClosure(TID_IO, [b, download] { Transfer(b, download); });
        });
      });
  if (auto h = browser->Get(&cef_client_t::get_download_handler); h && h->on_before_download) {
    const std::wstring& name = download->suggested_name;
    cef_string_t record{const_cast<wchar_t*>(name.c_str()), name.size(), nullptr};
    h->on_before_download(h.get(), browser->NewBrowserRef(), NewDownloadItem(download), &record,
                          callback);
    return;
  }
  ReleaseProgramObject(callback);  // no download handler: the download is cancelled
}

}  // namespace standin
