#ifndef OSTREL_STANDIN_HOOK_OBJECTS_H_
#define OSTREL_STANDIN_HOOK_OBJECTS_H_

// Objects of the notifications raised by the test-hook controls (hook_objects.cpp): dialog and
// download callbacks, certificate information, plug-in information and download items. Each
// New... returns the object with one reference for the caller; a callback's `done` runs once,
// with the "not answered" result when its last reference goes unanswered.

#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "standin/capi.h"

namespace standin {

cef_jsdialog_callback_t* NewJsDialogCallback(std::function<void(bool, std::wstring)> done);

// SSL information of a certificate for `host` with `status` (cef_cert_status_t flags).
cef_sslinfo_t* NewSslInfo(const std::wstring& host, int status);

cef_web_plugin_info_t* NewWebPluginInfo(const std::wstring& name, const std::wstring& path);

struct DownloadState {
  uint32 id = 0;
  std::wstring url;
  std::wstring suggested_name;
  std::wstring mime_type;
  std::wstring full_path;
  int64 total = -1;
  int64 received = 0;
  bool in_progress = false;
  bool complete = false;
  bool canceled = false;
  cef_time_t start{};
  cef_time_t end{};
};

struct Download : DownloadState {
  std::mutex lock;  // the transfer writes the state while callbacks read it
};

// A view of the download as it is now, valid while the callback that receives it runs.
cef_download_item_t* NewDownloadItem(std::shared_ptr<Download> download);
// cont(path, show_dialog): done(true, path); dropped without cont: done(false, "").
cef_before_download_callback_t* NewBeforeDownloadCallback(
    std::function<void(bool, std::wstring)> done);
cef_download_item_callback_t* NewDownloadItemCallback(std::shared_ptr<Download> download);
cef_time_t DownloadTimeNow();

}  // namespace standin

#endif  // OSTREL_STANDIN_HOOK_OBJECTS_H_
