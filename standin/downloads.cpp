#include "standin/downloads.h"

#include <shlobj.h>

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "standin/hook_objects.h"
#include "standin/navigation.h"
#include "standin/net_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

std::atomic<uint32> next_download_id{1};

std::wstring DefaultPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, folder))) return name;
  return std::wstring(folder) + L"\\" + name;
}

// The state as it is now: each update reports what it saw when it was sent, as the engine's do,
// so a finished download is reported complete once.
std::shared_ptr<Download> Snapshot(Download& download) {
  auto copy = std::make_shared<Download>();
  std::lock_guard<std::mutex> guard(download.lock);
  static_cast<DownloadState&>(*copy) = download;
  return copy;
}

void Updated(Browser& browser, const std::shared_ptr<Download>& download,
             const std::shared_ptr<Download>& seen) {
  Trace("download-updated id=" + std::to_string(browser.id) +
        " download=" + std::to_string(seen->id) + " received=" + std::to_string(seen->received) +
        " complete=" + (seen->complete ? "1" : "0") + " canceled=" + (seen->canceled ? "1" : "0"));
  if (auto h = browser.Get(&cef_client_t::get_download_handler); h && h->on_download_updated) {
    h->on_download_updated(h.get(), browser.NewBrowserRef(), NewDownloadItem(seen),
                           NewDownloadItemCallback(download));
  }
}

// The transfer on the IO thread: the body goes to the file in pieces, never whole in memory.
class Transfer {
 public:
  Transfer(std::shared_ptr<Browser> browser, std::shared_ptr<Download> download, Fetched response)
      : browser_(std::move(browser)),
        download_(std::move(download)),
        response_(std::move(response)) {}

  void Run() {
    const bool written = response_.unread_body && SaveBody();
    response_.unread_body.reset();
    {
      std::lock_guard<std::mutex> guard(download_->lock);
      if (!written) DeleteFileW(download_->full_path.c_str());
      download_->in_progress = false;
      download_->complete = written;
      download_->canceled = !written;
      download_->end = DownloadTimeNow();
    }
    Report();
  }

 private:
  static constexpr DWORD kReportEveryMs = 100;

  bool SaveBody() {
    std::wstring path;
    {
      std::lock_guard<std::mutex> guard(download_->lock);
      path = download_->full_path;
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<char> buffer(64 * 1024);
    bool ok = true;
    DWORD reported = GetTickCount() - kReportEveryMs;
    for (;;) {
      const long read = response_.unread_body->Read(buffer.data(), buffer.size());
      DWORD written = 0;
      if (read < 0 || Canceled() ||
          (read > 0 && !::WriteFile(file, buffer.data(), read, &written, nullptr))) {
        ok = false;
        break;
      }
      if (read == 0) break;
      {
        std::lock_guard<std::mutex> guard(download_->lock);
        download_->received += read;
      }
      if (GetTickCount() - reported >= kReportEveryMs) {
        reported = GetTickCount();
        Report();
      }
    }
    CloseHandle(file);
    std::lock_guard<std::mutex> guard(download_->lock);
    // A body shorter than announced is a broken transfer.
    return ok && (download_->total < 0 || download_->received == download_->total);
  }

  bool Canceled() {
    std::lock_guard<std::mutex> guard(download_->lock);
    return download_->canceled;
  }

  void Report() {
    PostClosure(TID_UI, [b = browser_, d = download_, seen = Snapshot(*download_)] {
      Updated(*b, d, seen);
    });
  }

  std::shared_ptr<Browser> browser_;
  std::shared_ptr<Download> download_;
  Fetched response_;
};

// Each body is read on a thread of its own, as the engine's downloads never hold up its IO
// thread; they end at shutdown.
struct Transfers {
  std::mutex lock;
  std::vector<std::pair<std::shared_ptr<Download>, std::thread>> running;
};

Transfers& AllTransfers() {
  static Transfers transfers;
  return transfers;
}

void RunTransfer(std::shared_ptr<Download> download, std::shared_ptr<Transfer> transfer) {
  Transfers& all = AllTransfers();
  std::lock_guard<std::mutex> guard(all.lock);
  all.running.emplace_back(std::move(download), std::thread([transfer] { transfer->Run(); }));
}

}  // namespace

void EndDownloads() {
  Transfers& all = AllTransfers();
  std::vector<std::pair<std::shared_ptr<Download>, std::thread>> running;
  {
    std::lock_guard<std::mutex> guard(all.lock);
    running.swap(all.running);
  }
  for (auto& [download, thread] : running) {
    {
      std::lock_guard<std::mutex> guard(download->lock);
      if (!download->complete) download->canceled = true;
    }
    thread.join();
  }
}

void DownloadUrl(std::shared_ptr<Browser> browser, const std::wstring& url,
                 std::optional<std::wstring> suggested_name) {
  PostClosure(TID_IO, [browser, url, suggested_name] {
    RequestData data;
    data.url = url;
    data.resource_type = RT_MAIN_FRAME;
    ProgramRef<cef_request_t> request(NewRequest(data));
    Fetched response = LoadResource(*browser, request.get(), false, true);
    if (response.error != 0 || response.status >= 400) response.unread_body.reset();
    const std::wstring name = suggested_name.value_or(SuggestedFileName(response, url));
    PostClosure(TID_UI, [browser, url, name, response = std::move(response)]() mutable {
      StartDownload(browser, url, name, std::move(response));
    });
  });
}

void StartDownload(std::shared_ptr<Browser> browser, const std::wstring& url,
                   const std::wstring& suggested_name, Fetched response) {
  auto download = std::make_shared<Download>();
  download->id = next_download_id.fetch_add(1);
  download->url = url;
  download->suggested_name = suggested_name;
  download->mime_type =
      response.mime_type.empty() ? L"application/octet-stream" : response.mime_type;
  download->total = response.content_length;
  download->start = DownloadTimeNow();
  Trace("before-download id=" + std::to_string(browser->id) +
        " download=" + std::to_string(download->id) + " url=" + TraceValue(url));
  std::weak_ptr<Browser> weak = browser;
  auto body = std::make_shared<Fetched>(std::move(response));
  cef_before_download_callback_t* callback =
      NewBeforeDownloadCallback([weak, download, body](bool go_on, std::wstring path) {
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
        PostClosure(TID_UI, [b, download, body] {
          Updated(*b, download, Snapshot(*download));
          RunTransfer(download, std::make_shared<Transfer>(b, download, std::move(*body)));
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
