#include "forms/mini_browser_form.h"

#include "forms/running_copy.h"

#include <array>

#include "base/ui_thread.h"
#include "engine/application/cef_application.h"
#include "engine/refs/cef_browser_host_ref.h"
#include "engine/support/file_version.h"
#include "engine/support/paths.h"
#include "ostrel_config.h"
#include "ui/application.h"
#include "ui/ui_task.h"

TMiniBrowserFrm* MiniBrowserFrm = nullptr;
TPreferencesFrm* PreferencesFrm = nullptr;
TSimpleTextViewerFrm* SimpleTextViewerFrm = nullptr;

namespace {

constexpr wchar_t kProductCaption[] = L"Ostrel-Mini版";
constexpr wchar_t kStartingText[] = L"启动中，请等待...";

// The navigation bar's address list (the bar stays hidden; it serves development).
constexpr std::array<const wchar_t*, 43> kPresetAddresses = {
    L"https://www.example.com/",
    L"https://www.example.org/",
    L"https://www.example.net/",
    L"https://httpbin.org/get",
    L"https://httpbin.org/headers",
    L"https://httpbin.org/user-agent",
    L"https://httpbin.org/status/404",
    L"https://httpbin.org/redirect/3",
    L"https://httpbin.org/cookies/set?ostrel=1",
    L"https://httpbin.org/basic-auth/user/passwd",
    L"https://httpbin.org/forms/post",
    L"https://httpbin.org/html",
    L"https://httpbin.org/image/png",
    L"https://badssl.com/",
    L"https://expired.badssl.com/",
    L"https://self-signed.badssl.com/",
    L"https://wrong.host.badssl.com/",
    L"https://html5test.com/",
    L"https://webglreport.com/",
    L"https://browserleaks.com/webrtc",
    L"https://www.whatismybrowser.com/",
    L"https://developer.mozilla.org/",
    L"https://www.w3.org/",
    L"https://en.wikipedia.org/",
    L"https://www.bing.com/",
    L"https://www.baidu.com/",
    L"chrome://version",
    L"chrome://gpu",
    L"chrome://net-internals",
    L"chrome://tracing",
    L"chrome://appcache-internals",
    L"chrome://blob-internals",
    L"chrome://view-http-cache",
    L"chrome://credits",
    L"chrome://histograms",
    L"chrome://media-internals",
    L"chrome://kill",
    L"chrome://crash",
    L"chrome://hang",
    L"chrome://shorthang",
    L"chrome://gpuclean",
    L"chrome://gpucrash",
    L"chrome://gpuhang",
};

}  // namespace

std::wstring GetApplicationVersionText() {
  TFileVersionInfo version;
  if (!GetDLLVersion(ProgramFilePath(), version)) return {};
  return VersionToText(version);
}

TMiniBrowserFrm::TMiniBrowserFrm() : Chromium1(std::make_unique<TChromium>(this)) {
  FFormFont.Create(L"Tahoma", 11);
  Create({.caption = kProductCaption,
          .clientWidth = 1184,
          .clientHeight = 712,
          .position = poScreenCenter,
          .font = FFormFont.Handle(),
          .icon = Application().Icon()});
  BuildControls();
  ConfigureUpgrade();

  Chromium1->OnAfterCreated = Calls<&TMiniBrowserFrm::Chromium1AfterCreated>();
  Chromium1->OnClose = Calls<&TMiniBrowserFrm::Chromium1Close>();
  Chromium1->OnBeforeClose = Calls<&TMiniBrowserFrm::Chromium1BeforeClose>();
  Chromium1->OnTitleChange = Calls<&TMiniBrowserFrm::Chromium1TitleChange>();
  Chromium1->OnBeforeDownload = Calls<&TMiniBrowserFrm::Chromium1BeforeDownload>();
  Chromium1->OnDownloadUpdated = Calls<&TMiniBrowserFrm::Chromium1DownloadUpdated>();
  Chromium1->OnBeforeResourceLoad = Calls<&TMiniBrowserFrm::Chromium1BeforeResourceLoad>();
  Chromium1->OnResourceResponse = Calls<&TMiniBrowserFrm::Chromium1ResourceResponse>();
  Chromium1->OnLoadError = Calls<&TMiniBrowserFrm::Chromium1LoadError>();
  Chromium1->OnCertificateError = Calls<&TMiniBrowserFrm::Chromium1CertificateError>();
  Chromium1->OnBeforePluginLoad = Calls<&TMiniBrowserFrm::Chromium1BeforePluginLoad>();
  Chromium1->OnPrefsAvailable = [this](TChromium&, bool resultOK) {
    Chromium1PrefsAvailable(resultOK);
  };
  Chromium1->OnExecuteTaskOnCefThread = [this](TChromium&, uint32_t taskId) {
    Chromium1ExecuteTaskOnCefThread(taskId);
  };
  ConnectCommands();
  Timer1.OnTimer = [this] { Timer1Timer(); };
  CEFSentinel1.OnClose = [this] { SentinelClose(); };

  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
}

TMiniBrowserFrm::~TMiniBrowserFrm() {
  Timer1.SetEnabled(false);
  Application().OnMessage = nullptr;
  // The control drops its handlers' references to it before the windows go.
  Chromium1.reset();
}

void TMiniBrowserFrm::BuildControls() {
  FSymbolFont.Create(L"Webdings", 19, 0, SYMBOL_CHARSET);
  FConfigFont.Create(L"Arial", 17, fsBold);

  NavControlPnl.Create({.parent = this,
                        .align = alTop,
                        .bounds = {0, 0, 0, 41},
                        .visible = false,
                        .enabled = false});
  NavButtonPnl.Create({.parent = &NavControlPnl, .align = alLeft, .bounds = {0, 0, 133, 41}});
  const std::array<std::pair<TButton*, const wchar_t*>, 4> navButtons = {
      {{&BackBtn, L"3"}, {&ForwardBtn, L"4"}, {&ReloadBtn, L"q"}, {&StopBtn, L"="}}};
  int x = 8;
  for (const auto& [button, caption] : navButtons) {
    button->Create({.parent = &NavButtonPnl,
                    .bounds = {x, 8, 25, 25},
                    .text = caption,
                    .font = FSymbolFont.Handle()});
    x += 31;
  }
  ConfigPnl.Create({.parent = &NavControlPnl, .align = alRight, .bounds = {0, 0, 73, 41}});
  GoBtn.Create({.parent = &ConfigPnl,
                .bounds = {8, 8, 25, 25},
                .text = L"\u25BA",
                .font = FConfigFont.Handle()});
  ConfigBtn.Create({.parent = &ConfigPnl,
                    .bounds = {40, 8, 25, 25},
                    .text = L"\u2261",
                    .font = FConfigFont.Handle()});
  URLEditPnl.Create({.parent = &NavControlPnl, .align = alClient, .padding = {0, 9, 0, 8}});
  URLCbx.Create({.parent = &URLEditPnl,
                 .align = alClient,
                 .items = {kPresetAddresses.begin(), kPresetAddresses.end()},
                 .itemIndex = 0});

  StatusBar1.Create({.parent = this, .panelWidths = {200, 500, 100, 100}});
  DevTools.Create({.parent = this, .align = alRight, .bounds = {0, 0, 0, 0}, .visible = false});
  Splitter1.Create({.parent = this, .align = alRight, .visible = false});
  CEFWindowParent1.Create({.parent = this, .align = alClient, .tabStop = true});
  BuildPopupMenu1();
}

void TMiniBrowserFrm::FormCreate() {
  FCanClose = false;
  FClosing = false;
  FResponse.clear();
  FRequest.clear();
  FNavigation.clear();
  FCaption = std::wstring(kProductCaption) + L"(x64) - " + GetApplicationVersionText();
  Chromium1->SetDefaultUrl(OSTREL_START_URL);
}

void TMiniBrowserFrm::FormShow() {
  Check_Upgrade(false);
  ShowStatusText(kStartingText);
  Chromium1->SetWebRTCIPHandlingPolicy(hpDisableNonProxiedUDP);
  Chromium1->SetWebRTCMultipleRoutes(STATE_DISABLED);
  Chromium1->SetWebRTCNonproxiedUDP(STATE_DISABLED);
  TryCreateBrowser();
}

void TMiniBrowserFrm::TryCreateBrowser() {
  if (FClosing) return;
  if (Chromium1->CreateBrowser(&CEFWindowParent1)) {
    FBrowserAsked = true;
  } else if (!Chromium1->Initialized()) {
    Timer1.SetEnabled(true);
  }
}

void TMiniBrowserFrm::Timer1Timer() {
  Timer1.SetEnabled(false);
  TryCreateBrowser();
}

void TMiniBrowserFrm::ShowStatusText(std::wstring_view text) {
  if (FClosing) return;
  if (IsUiThread()) {
    StatusBar1.SetPanelText(1, text);
    return;
  }
  PostToMainThread([this, value = std::wstring(text)] {
    if (!FClosing) StatusBar1.SetPanelText(1, value);
  });
}

void TMiniBrowserFrm::PostToMainThread(std::function<void()> work) {
  // Work sent across threads would wait for the main thread, which may itself be waiting for
  // the engine thread (destroying the engine's window): it is posted instead.
  uitask::Post([life = LifeToken(), work = std::move(work)] {
    if (!life.expired()) work();
  });
}

void TMiniBrowserFrm::Chromium1AfterCreated(TChromium& sender, Ref<ICefBrowser> browser) {
  if (sender.IsSameBrowser(browser)) {
    PostToWindow(Handle(), MSG_BROWSER_CREATED);
    return;
  }
  if (browser == nullptr) return;
  {
    const std::lock_guard<std::mutex> hold(FPopupsLock);
    FPopups.push_back(browser);
  }
  // Opened while closing: it goes the way of the others.
  if (FClosing) PostToMainThread([this] { ClosePopups(); });
  // A pop-up the page opened: it carries the program's icon too.
  const CefRefPtr<ICefBrowserHost> host = browser->GetHost();
  if (host == nullptr) return;
  SendMessageW(host->GetWindowHandle(), WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(Application().Icon()));
}

// A second start of the program asked for this window.
void TMiniBrowserFrm::ComeToTheFront() {
  if (FClosing) return;
  if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
  SetForegroundWindow(Handle());
}

void TMiniBrowserFrm::BrowserCreatedMsg() {
  CEFWindowParent1.UpdateSize();
  NavControlPnl.SetEnabled(true);
  // Shown, with the engine's browser in it: the version runs, whatever the user does next.
  atpgrdr1.ReportRunning();
  // Closing was asked while the browser was on its way: now there is one to close.
  if (FClosing) {
    Chromium1->CloseBrowser(true);
    return;
  }
  atpgrdr1.TellRolledBack();
}

void TMiniBrowserFrm::Chromium1Close(TChromium& sender, Ref<ICefBrowser> browser,
                                     TCefCloseBrowserAction& action) {
  if (browser == nullptr || browser->GetIdentifier() != sender.BrowserId()) return;
  PostToWindow(Handle(), MSG_DESTROY_HOST);
  action = cbaDelay;
}

void TMiniBrowserFrm::DestroyHostMsg() { CEFWindowParent1.Destroy(); }

void TMiniBrowserFrm::Chromium1BeforeClose(TChromium& sender, Ref<ICefBrowser> browser) {
  if (browser != nullptr) {
    const int id = browser->GetIdentifier();
    const std::lock_guard<std::mutex> hold(FPopupsLock);
    std::erase_if(FPopups, [id](Ref<ICefBrowser> popup) { return popup->GetIdentifier() == id; });
  }
  // The engine must not be shut down with a browser open: the last one to go starts the wait.
  if (sender.BrowserId() == 0 && AllBrowsersClosed()) CEFSentinel1.Start();
}

bool TMiniBrowserFrm::AllBrowsersClosed() {
  const std::lock_guard<std::mutex> hold(FPopupsLock);
  return FPopups.empty();
}

void TMiniBrowserFrm::ClosePopups() {
  std::vector<CefRefPtr<ICefBrowser>> popups;
  {
    const std::lock_guard<std::mutex> hold(FPopupsLock);
    popups = FPopups;
  }
  for (Ref<ICefBrowser> popup : popups) {
    if (const CefRefPtr<ICefBrowserHost> host = popup->GetHost()) host->CloseBrowser(true);
  }
}

void TMiniBrowserFrm::SentinelClose() {
  FCanClose = true;
  PostToWindow(Handle(), WM_CLOSE);
}

void TMiniBrowserFrm::Chromium1TitleChange(TChromium& sender, Ref<ICefBrowser> browser,
                                           const ustring& /*title*/) {
  if (sender.IsSameBrowser(browser)) PostToMainThread([this] { SetCaption(FCaption); });
}

void TMiniBrowserFrm::FormCloseQuery(bool& canClose) {
  canClose = FCanClose;
  if (FClosing.exchange(true)) return;
  Hide();
  Timer1.SetEnabled(false);
  ClosePopups();
  if (Chromium1->Initialized()) {
    Chromium1->CloseBrowser(true);
  } else if (!FBrowserAsked) {
    // No browser was ever asked for (the engine is not ready yet): nothing has to wait.
    FCanClose = true;
    canClose = true;
  }
  // Otherwise the browser is on its way (MSG_BROWSER_CREATED closes it), closing, or closed
  // already (by the page): the last before-close starts the sentinel, whose report closes.
}

LRESULT TMiniBrowserFrm::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case MSG_BROWSER_CREATED:
      BrowserCreatedMsg();
      return 0;
    case MSG_DESTROY_HOST:
      DestroyHostMsg();
      return 0;
    case WM_MOVE:
    case WM_MOVING: {
      const LRESULT result = TForm::WndProc(message, wparam, lparam);
      if (Chromium1 != nullptr) Chromium1->NotifyMoveOrResizeStarted();
      return result;
    }
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: {
      const LRESULT result = TForm::WndProc(message, wparam, lparam);
      if (wparam == 0 && GlobalCEFApp != nullptr) {
        GlobalCEFApp->SetOsmodalLoop(message == WM_ENTERMENULOOP);
      }
      return result;
    }
    default:
      if (message == ActivateCopyMessage()) {
        ComeToTheFront();
        return 0;
      }
      if (CommandMsg(message, wparam)) return 0;
      return TForm::WndProc(message, wparam, lparam);
  }
}
