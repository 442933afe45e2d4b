// What the page and the keyboard make the main window do: the page's context menu (one entry
// that opens the download folder; the other command numbers serve development), F12 and the
// developer-tools panel, full screen, the loading texts, and the results of the engine's
// asynchronous operations. Engine threads never do window work here: they post one of the
// window's messages (ui/messages.h) or a task, and the main thread does it.

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <climits>

#include "base/files.h"
#include "base/log.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_context_menu_params_ref.h"
#include "engine/refs/cef_image_ref.h"
#include "engine/refs/cef_menu_model_ref.h"
#include "engine/refs/cef_navigation_entry_ref.h"
#include "engine/support/engine_utilities.h"
#include "forms/command_texts.h"
#include "forms/mini_browser_form.h"
#include "ui/application.h"
#include "ui/clipboard.h"

namespace {

constexpr int kOpenDownloadFolderCommand = 26516;
constexpr wchar_t kOpenDownloadFolderLabel[] = L"打开下载文件保存目录";
constexpr WPARAM kF12 = VK_F12;  // 123

// Context commands that only hand their work to the main thread.
constexpr std::pair<int, UINT> kPostedCommands[] = {
    {26502, MSG_HIDE_DEVTOOLS},  {26503, MSG_COPY_HTML},        {26506, MSG_SHOW_HEADERS},
    {26507, MSG_COPY_FRAME_IDS}, {26508, MSG_COPY_FRAME_NAMES}, {26509, MSG_SAVE_PREFERENCES},
    {26510, MSG_COPY_TEXT},      {26511, MSG_TAKE_SNAPSHOT},
};

constexpr wchar_t kA4PageScript[] =
    L"var css = '@page {size: A4; margin: 0;} @media print {html, body {width: 210mm; height: "
    L"297mm;}}'; var style = document.createElement('style'); style.type = 'text/css'; "
    L"style.appendChild(document.createTextNode(css)); document.head.appendChild(style);";
constexpr wchar_t kPrintScript[] = L"window.print();";

constexpr wchar_t kTextFilter[] = L"Text files (*.txt)|*.TXT";
constexpr wchar_t kBitmapFilter[] = L"Bitmap files (*.bmp)|*.BMP";
constexpr wchar_t kPngFilter[] = L"PNG files (*.png)|*.PNG";

}  // namespace

void TMiniBrowserFrm::ConnectCommands() {
  Chromium1->OnBeforeContextMenu = Calls<&TMiniBrowserFrm::Chromium1BeforeContextMenu>();
  Chromium1->OnContextMenuCommand = Calls<&TMiniBrowserFrm::Chromium1ContextMenuCommand>();
  Chromium1->OnPreKeyEvent = Calls<&TMiniBrowserFrm::Chromium1PreKeyEvent>();
  Chromium1->OnKeyEvent = Calls<&TMiniBrowserFrm::Chromium1KeyEvent>();
  Chromium1->OnLoadingStateChange = Calls<&TMiniBrowserFrm::Chromium1LoadingStateChange>();
  Chromium1->OnNavigationVisitorResultAvailable =
      Calls<&TMiniBrowserFrm::Chromium1NavigationVisitorResultAvailable>();
  Chromium1->OnDownloadImageFinished = Calls<&TMiniBrowserFrm::Chromium1DownloadImageFinished>();
  Chromium1->OnLoadingProgressChange = [this](TChromium&, Ref<ICefBrowser>, double progress) {
    PostToMainThread([this, text = LoadingProgressText(progress)] {
      if (!FClosing) StatusBar1.SetPanelText(0, text);
    });
  };
  Chromium1->OnStatusMessage = [this](TChromium& sender, Ref<ICefBrowser> browser,
                                      const ustring& value) {
    if (sender.IsSameBrowser(browser)) ShowStatusText(value);
  };
  Chromium1->OnAddressChange = [this](TChromium& sender, Ref<ICefBrowser> browser, Ref<ICefFrame>,
                                      const ustring& url) {
    if (sender.IsSameBrowser(browser)) PostToMainThread([this, url] { RememberAddress(url); });
  };
  Chromium1->OnFullScreenModeChange = [this](TChromium& sender, Ref<ICefBrowser> browser,
                                             bool fullScreen) {
    if (sender.IsSameBrowser(browser))
      PostToMainThread([this, fullScreen] { SetFullScreen(fullScreen); });
  };
  // The results that show a box, fill the clipboard or ask for a file: engine threads must not
  // own windows, so each goes to the main thread.
  Chromium1->OnTextResultAvailable = [this](TChromium&, const ustring& text) {
    PostToMainThread([text] { SetClipboardText(text); });
  };
  Chromium1->OnPdfPrintFinished = [this](TChromium&, bool resultOK) {
    PostToMainThread([resultOK] {
      ShowMessage(resultOK ? L"The PDF file was generated successfully"
                           : L"There was a problem generating the PDF file.");
    });
  };
  Chromium1->OnResolvedHostAvailable = [this](TChromium&, int result,
                                              const std::vector<ustring>& resolvedIps) {
    PostToMainThread([text = ResolvedHostText(result, resolvedIps)] { ShowMessage(text); });
  };
  Chromium1->OnCookiesFlushed = [this](TChromium&) { PostToWindow(Handle(), MSG_COOKIES_FLUSHED); };
  // Keys that reach the program's own windows rather than the engine's.
  Application().OnMessage = [this](MSG& message, bool& handled) {
    FilterKeyMessage(message, handled);
  };
}

bool TMiniBrowserFrm::CommandMsg(UINT message, WPARAM wparam) {
  switch (message) {
    case MSG_SHOW_DEVTOOLS: {
      const TPackedPoint point = UnpackPoint(wparam);
      OpenDevToolsPanel({point.x, point.y});
      return true;
    }
    case MSG_HIDE_DEVTOOLS:
      CloseDevToolsPanel();
      Chromium1->SetFocus(true);
      return true;
    case MSG_COPY_HTML:
      Chromium1->RetrieveHTML();
      return true;
    case MSG_SHOW_HEADERS:
      ShowHeadersMsg();
      return true;
    case MSG_COPY_FRAME_IDS:
      CopyFrameIdsMsg();
      return true;
    case MSG_COPY_FRAME_NAMES:
      CopyFrameNamesMsg();
      return true;
    case MSG_SAVE_PREFERENCES:
      SavePreferencesMsg();
      return true;
    case MSG_COPY_TEXT:
      CopyTextMsg();
      return true;
    case MSG_TAKE_SNAPSHOT:
      TakeSnapshotMsg();
      return true;
    case MSG_SHOW_NAVIGATION:
      ShowNavigationMsg();
      return true;
    case MSG_COOKIES_FLUSHED:
      ShowMessage(L"The cookies were flushed successfully");
      return true;
    default:
      return false;
  }
}

void TMiniBrowserFrm::Chromium1BeforeContextMenu(TChromium& sender, Ref<ICefBrowser> browser,
                                                 Ref<ICefFrame> /*frame*/,
                                                 Ref<ICefContextMenuParams> /*params*/,
                                                 Ref<ICefMenuModel> model) {
  if (!sender.IsSameBrowser(browser) || model == nullptr) return;
  model->Clear();
  model->AddItem(kOpenDownloadFolderCommand, kOpenDownloadFolderLabel);
}

void TMiniBrowserFrm::Chromium1ContextMenuCommand(TChromium& sender, Ref<ICefBrowser> browser,
                                                  Ref<ICefFrame> frame,
                                                  Ref<ICefContextMenuParams> params, int commandId,
                                                  cef_event_flags_t /*eventFlags*/, bool& result) {
  // The engine still does its own part of every command.
  result = false;
  if (!sender.IsSameBrowser(browser)) return;
  const auto posted =
      std::find_if(std::begin(kPostedCommands), std::end(kPostedCommands),
                   [commandId](const auto& entry) { return entry.first == commandId; });
  if (posted != std::end(kPostedCommands)) {
    PostToWindow(Handle(), posted->second);
    return;
  }
  switch (commandId) {
    case 26501:
      if (params != nullptr) {
        PostToWindow(Handle(), MSG_SHOW_DEVTOOLS,
                     PackPoint(params->GetXcoord(), params->GetYcoord()));
      }
      break;
    case 26504:
    case 26505:
      if (frame != nullptr && frame->IsValid())
        frame->ExecuteJavaScript(commandId == 26504 ? kA4PageScript : kPrintScript, L"about:blank",
                                 0);
      break;
    case 26512:
      PostToMainThread([this] {
        {
          const std::lock_guard<std::mutex> hold(FNavigationLock);
          FNavigation.clear();
        }
        Chromium1->GetNavigationEntries(false);
      });
      break;
    case 26513:
    case 26514:
      PostToMainThread([this, mute = commandId == 26513] { Chromium1->SetAudioMuted(mute); });
      break;
    case 26515:
      PostToMainThread([this] { Chromium1->ExecuteTaskOnCefThread(TID_UI, 1, 0); });
      break;
    case kOpenDownloadFolderCommand:
      // The shell wants a thread that serves COM: not the engine's.
      PostToMainThread([this] { OpenDownloadFolder(); });
      break;
    default:
      break;
  }
}

void TMiniBrowserFrm::OpenDownloadFolder() {
  const std::wstring folder = GetDocumentsFolder();
  if (folder.empty()) return;
  ShellExecuteW(Handle(), L"open", L"Explorer.exe", folder.c_str(), nullptr, SW_SHOWNORMAL);
}

void TMiniBrowserFrm::Chromium1PreKeyEvent(TChromium& /*sender*/, Ref<ICefBrowser> /*browser*/,
                                           const cef_key_event_t* event, MSG* /*osEvent*/,
                                           bool& isKeyboardShortcut, bool& result) {
  if (event == nullptr) return;
  // Any browser of the control, the developer tools' included: F12 there closes them.
  if (event->windows_key_code == static_cast<int>(kF12) && event->type != KEYEVENT_CHAR) {
    isKeyboardShortcut = true;
    return;
  }
  if (DiagnosticKey(*event)) result = true;
}

void TMiniBrowserFrm::Chromium1KeyEvent(TChromium& /*sender*/, Ref<ICefBrowser> /*browser*/,
                                        const cef_key_event_t* event, MSG* osEvent, bool& result) {
  if (event != nullptr && osEvent != nullptr) FilterKeyMessage(*osEvent, result);
}

void TMiniBrowserFrm::FilterKeyMessage(const MSG& message, bool& handled) {
  if (message.message == WM_KEYDOWN) FilterKeyDown(message, handled);
  if (message.message == WM_KEYUP) FilterKeyUp(message, handled);
}

void TMiniBrowserFrm::FilterKeyDown(const MSG& message, bool& handled) {
  if (LOWORD(message.wParam) == kF12) handled = true;
}

void TMiniBrowserFrm::FilterKeyUp(const MSG& message, bool& handled) {
  if (LOWORD(message.wParam) != kF12) return;
  handled = true;
  if (FDevToolsVisible) {
    PostToWindow(Handle(), MSG_HIDE_DEVTOOLS);
  } else {
    PostToWindow(Handle(), MSG_SHOW_DEVTOOLS, 0);
  }
}

void TMiniBrowserFrm::OpenDevToolsPanel(POINT point) {
  Splitter1.Show();
  DevTools.SetWidth(Width() / 4);
  DevTools.Show();
  FDevToolsVisible = true;
  Chromium1->ShowDevTools(point, &DevTools);
}

void TMiniBrowserFrm::CloseDevToolsPanel() {
  Chromium1->CloseDevTools(&DevTools);
  Splitter1.Hide();
  DevTools.Hide();
  DevTools.SetWidth(0);
  FDevToolsVisible = false;
}

void TMiniBrowserFrm::SetFullScreen(bool fullScreen) {
  if (fullScreen) {
    NavControlPnl.Hide();
    StatusBar1.Hide();
    if (WindowState() == wsMaximized) SetWindowState(wsNormal);
    SetBorderIcons(0);
    SetBorderStyle(bsNone);
    SetWindowState(wsMaximized);
    return;
  }
  SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
  SetBorderStyle(bsSizeable);
  SetWindowState(wsNormal);
  NavControlPnl.Show();
  StatusBar1.Show();
}

void TMiniBrowserFrm::Chromium1LoadingStateChange(TChromium& sender, Ref<ICefBrowser> browser,
                                                  bool isLoading, bool canGoBack,
                                                  bool canGoForward) {
  if (FClosing || !sender.IsSameBrowser(browser)) return;
  PostToMainThread([this, isLoading, canGoBack, canGoForward] {
    if (FClosing) return;
    BackBtn.SetEnabled(canGoBack);
    ForwardBtn.SetEnabled(canGoForward);
    ReloadBtn.SetEnabled(!isLoading);
    StopBtn.SetEnabled(isLoading);
    StatusBar1.SetPanelText(0, isLoading ? L"加载中..." : L"完成");
  });
}

void TMiniBrowserFrm::RememberAddress(const std::wstring& url) {
  if (URLCbx.IndexOf(url) < 0) URLCbx.AddItem(url);
  URLCbx.SetText(url);
}

void TMiniBrowserFrm::Chromium1NavigationVisitorResultAvailable(Ref<ICefNavigationEntry> entry,
                                                                bool /*current*/, int index,
                                                                int total, bool& result) {
  if (entry != nullptr && entry->IsValid()) {
    const std::lock_guard<std::mutex> hold(FNavigationLock);
    FNavigation.push_back(entry->GetUrl());
  }
  result = index < total - 1;
  if (!result) PostToWindow(Handle(), MSG_SHOW_NAVIGATION);
}

void TMiniBrowserFrm::ShowNavigationMsg() {
  std::vector<std::wstring> lines;
  {
    const std::lock_guard<std::mutex> hold(FNavigationLock);
    lines = FNavigation;
  }
  if (SimpleTextViewerFrm == nullptr) return;
  SimpleTextViewerFrm->Memo1.SetLines(lines);
  SimpleTextViewerFrm->ShowModal();
}

void TMiniBrowserFrm::CopyFrameIdsMsg() {
  size_t count = Chromium1->FrameCount();
  std::vector<int64_t> identifiers;
  if (!Chromium1->GetFrameIdentifiers(count, identifiers)) return;
  std::wstring text;
  for (size_t i = 0; i < count && i < identifiers.size(); ++i)
    text += std::to_wstring(identifiers[i]) + L"\r\n";
  SetClipboardText(text);
}

void TMiniBrowserFrm::CopyFrameNamesMsg() {
  std::vector<ustring> names;
  if (Chromium1->GetFrameNames(&names)) SetClipboardText(JoinLines(names, true));
}

void TMiniBrowserFrm::SavePreferencesMsg() {
  const std::wstring file = AskFileName(SaveDialog1, kTextFilter, L"txt");
  if (!file.empty()) Chromium1->SavePreferences(file);
}

void TMiniBrowserFrm::CopyTextMsg() {
  // A cancelled box asks for nothing (its empty answer would mean the main frame).
  std::wstring name;
  if (InputQuery(L"Frame name", L"Type the fame name or leave it blank to select the main frame :",
                 name)) {
    Chromium1->RetrieveText(name);
  }
}

void TMiniBrowserFrm::TakeSnapshotMsg() {
  const std::wstring file = AskFileName(SaveDialog1, kBitmapFilter, L"bmp");
  if (file.empty()) return;
  HBITMAP bitmap = nullptr;
  if (Chromium1->TakeSnapshot(bitmap)) SaveBitmapToFile(bitmap, file);
  if (bitmap != nullptr) DeleteObject(bitmap);
}

void TMiniBrowserFrm::Chromium1DownloadImageFinished(TChromium& /*sender*/, const ustring& imageUrl,
                                                     int httpStatusCode, Ref<ICefImage> image) {
  GuardRoutine(L"Chromium1DownloadImageFinishedEvent", [&] {
    if (httpStatusCode != 200 || image == nullptr || image->IsEmpty()) return;
    int width = 0;
    int height = 0;
    const CefRefPtr<ICefBinaryValue> png = image->GetAsPng(1.0f, true, width, height);
    if (png == nullptr || png->GetSize() == 0) return;
    std::string bytes(png->GetSize(), '\0');
    bytes.resize(png->GetData(bytes.data(), bytes.size(), 0));
    TUrlParts parts;
    const std::wstring name = ParseUrlParts(imageUrl, parts) ? LastPathPart(parts.path) : L"";
    PostToMainThread([this, bytes = std::move(bytes), name] {
      const std::wstring file = AskFileName(SaveDialog1, kPngFilter, L"png", name);
      if (file.empty()) return;
      if (const DWORD error = WriteWholeFile(file, bytes); error != ERROR_SUCCESS) {
        WriteLogLine(L"The image could not be saved to " + file + L" (error " +
                         std::to_wstring(error) + L")",
                     kLogWarning);
      }
    });
  });
}
