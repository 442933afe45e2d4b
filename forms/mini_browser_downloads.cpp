// The main window's own answers to downloads, failed loads, certificate errors and the PDF
// plug-in, and the capture of the main frame's headers for the viewer.

#include "forms/mini_browser_form.h"

#include <shellapi.h>
#include <shlobj.h>

#include "base/handle.h"
#include "engine/core/cef_string_collections.h"
#include "engine/core/engine_log.h"
#include "engine/refs/cef_before_download_callback_ref.h"
#include "engine/refs/cef_download_item_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_response_ref.h"
#include "engine/support/engine_utilities.h"
#include "forms/browser_texts.h"

namespace {

// Every header of a request or a response, as "name=value" lines in the engine's order.
template <typename Message>
std::vector<std::wstring> HeaderLines(Ref<Message> message) {
  std::vector<std::wstring> lines;
  const CefRefPtr<ICefStringMultimap> headers = MakeRefCounted<TCefStringMultimapOwn>();
  message->GetHeaderMap(headers);
  for (size_t i = 0; i < headers->GetSize(); ++i)
    lines.push_back(headers->GetKeyAt(i) + L"=" + headers->GetValueAt(i));
  return lines;
}

bool IsValidMainFrame(Ref<ICefFrame> frame) {
  return frame != nullptr && frame->IsMain() && frame->IsValid();
}

}  // namespace

std::wstring GetDocumentsFolder() {
  TComPtr<IMalloc> allocator;
  if (FAILED(SHGetMalloc(allocator.Out())) || !allocator) return {};
  std::wstring folder;
  LPITEMIDLIST items = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &items)) && items != nullptr) {
    std::wstring buffer(MAX_PATH, L'\0');
    if (SHGetPathFromIDListW(items, buffer.data())) folder = buffer.c_str();
    allocator->Free(items);
  }
  return folder;
}

void TMiniBrowserFrm::Chromium1BeforeDownload(TChromium& sender, Ref<ICefBrowser> browser,
                                              Ref<ICefDownloadItem> downloadItem,
                                              const ustring& suggestedName,
                                              Ref<ICefBeforeDownloadCallback> callback) {
  if (!sender.IsSameBrowser(browser) || downloadItem == nullptr || !downloadItem->IsValid() ||
      callback == nullptr) {
    return;
  }
  callback->Cont(DownloadTargetPath(GetDocumentsFolder(), suggestedName), false);
}

void TMiniBrowserFrm::Chromium1DownloadUpdated(TChromium& sender, Ref<ICefBrowser> browser,
                                               Ref<ICefDownloadItem> downloadItem,
                                               Ref<ICefDownloadItemCallback> /*callback*/) {
  if (!sender.IsSameBrowser(browser) || downloadItem == nullptr || !downloadItem->IsValid()) return;
  const std::wstring path = downloadItem->GetFullPath();
  const TDownloadProgress progress{.fullPath = path,
                                   .complete = downloadItem->IsComplete(),
                                   .canceled = downloadItem->IsCanceled(),
                                   .inProgress = downloadItem->IsInProgress(),
                                   .percent = downloadItem->GetPercentComplete(),
                                   .receivedBytes = downloadItem->GetReceivedBytes()};
  const std::wstring text = DownloadStatusText(progress);
  if (text.empty()) return;
  ShowStatusText(text);
  if (!progress.complete) return;
  // The shell may take its time, and it wants a thread that serves COM: not the engine's.
  PostToMainThread([path] {
    ShellExecuteW(nullptr, nullptr, L"explorer.exe", (L"/select," + path).c_str(), nullptr,
                  SW_SHOWNORMAL);
  });
}

void TMiniBrowserFrm::Chromium1BeforeResourceLoad(TChromium& sender, Ref<ICefBrowser> browser,
                                                  Ref<ICefFrame> frame, Ref<ICefRequest> request,
                                                  Ref<ICefRequestCallback> /*callback*/,
                                                  cef_return_value_t& result) {
  result = RV_CONTINUE;
  if (!sender.IsSameBrowser(browser) || !IsValidMainFrame(frame) || request == nullptr) return;
  std::vector<std::wstring> lines = HeaderLines(request);
  const std::lock_guard<std::mutex> hold(FHeadersLock);
  FRequest = std::move(lines);
}

void TMiniBrowserFrm::Chromium1ResourceResponse(TChromium& sender, Ref<ICefBrowser> browser,
                                                Ref<ICefFrame> frame, Ref<ICefRequest> /*request*/,
                                                Ref<ICefResponse> response, bool& result) {
  result = false;
  if (!sender.IsSameBrowser(browser) || !IsValidMainFrame(frame) || response == nullptr) return;
  std::vector<std::wstring> lines = HeaderLines(response);
  const std::lock_guard<std::mutex> hold(FHeadersLock);
  FResponse = std::move(lines);
}

void TMiniBrowserFrm::ShowHeadersMsg() {
  std::vector<std::wstring> lines;
  {
    const std::lock_guard<std::mutex> hold(FHeadersLock);
    lines = HeaderViewerLines(FRequest, FResponse);
  }
  if (SimpleTextViewerFrm == nullptr) return;
  SimpleTextViewerFrm->Memo1.SetLines(lines);
  SimpleTextViewerFrm->ShowModal();
}

void TMiniBrowserFrm::Chromium1LoadError(TChromium& /*sender*/, Ref<ICefBrowser> /*browser*/,
                                         Ref<ICefFrame> frame, int errorCode,
                                         const ustring& errorText, const ustring& /*failedUrl*/) {
  if (errorCode == ERR_ABORTED || frame == nullptr) return;
  frame->LoadUrl(MakeDataUri(LoadErrorPageHtml(errorText, errorCode), L"text/html"));
}

void TMiniBrowserFrm::Chromium1CertificateError(TChromium& /*sender*/, Ref<ICefBrowser> /*browser*/,
                                                int certError, const ustring& requestUrl,
                                                Ref<ICefSslInfo> /*sslInfo*/,
                                                Ref<ICefRequestCallback> /*callback*/,
                                                bool& result) {
  EngineLog(CertificateErrorLogText(certError, requestUrl), kLogError);
  result = false;
}

void TMiniBrowserFrm::Chromium1BeforePluginLoad(TChromium& /*sender*/, const ustring& mimeType,
                                                const ustring& /*pluginUrl*/, bool /*isMainFrame*/,
                                                const ustring& /*topOriginUrl*/,
                                                Ref<ICefWebPluginInfo> /*pluginInfo*/,
                                                cef_plugin_policy_t& pluginPolicy, bool& result) {
  result = pluginPolicy != PLUGIN_POLICY_ALLOW &&
           CompareStringOrdinal(mimeType.c_str(), -1, L"application/pdf", -1, TRUE) == CSTR_EQUAL;
  if (result) pluginPolicy = PLUGIN_POLICY_ALLOW;
}
