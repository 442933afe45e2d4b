#ifndef OSTREL_FORMS_MINI_BROWSER_FORM_H_
#define OSTREL_FORMS_MINI_BROWSER_FORM_H_

// TMiniBrowserFrm: the program's main window. One browser fills it, with a status bar below, a
// hidden navigation bar above and a hidden developer-tools panel on the right. It brings the
// browser up on the start address once the engine is ready, and closes through the handshake
// that lets the engine and its processes end before the window goes:
//   close asked -> hidden, browser force-closed -> engine asks (cbaDelay) -> host destroyed on
//   the main thread -> browser closed -> sentinel waits for the child processes -> closed.

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "browser/cef_sentinel.h"
#include "browser/cef_window_parent.h"
#include "browser/chromium.h"
#include "forms/update_policy.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/messages.h"
#include "ui/timer.h"
#include "upgrade/controller/ul_upliner.h"
#include "upgrade/dialogs/ul_upliner_dialogs.h"

// The user's documents folder as the shell reports it; empty when it cannot tell.
std::wstring GetDocumentsFolder();

// The running program's file version as "major.minor.release.build"; empty when it has none.
std::wstring GetApplicationVersionText();

class TMiniBrowserFrm final : public TForm {
 public:
  TMiniBrowserFrm();
  ~TMiniBrowserFrm() override;

  // Status panel 1, unless closing has begun. Any thread.
  void ShowStatusText(std::wstring_view text);

  TChromium& Chromium() { return *Chromium1; }

  // Asks the update server for a newer version; returns at once. With `ShowHint`, the window
  // also says when there is nothing newer or no information on the server.
  void Check_Upgrade(bool ShowHint);

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void BuildControls();
  void FormCreate();
  void FormShow();
  void FormCloseQuery(bool& canClose);
  void TryCreateBrowser();
  void Timer1Timer();
  void BrowserCreatedMsg();
  void DestroyHostMsg();
  void SentinelClose();
  void ClosePopups();
  // Runs `work` on the main thread later, unless the window has gone by then. Any thread.
  void PostToMainThread(std::function<void()> work);
  // The engine has closed the main browser and every pop-up.
  bool AllBrowsersClosed();

  // Browser control events (engine threads).
  void Chromium1AfterCreated(TChromium& sender, Ref<ICefBrowser> browser);
  void Chromium1Close(TChromium& sender, Ref<ICefBrowser> browser, TCefCloseBrowserAction& action);
  void Chromium1BeforeClose(TChromium& sender, Ref<ICefBrowser> browser);
  void Chromium1TitleChange(TChromium& sender, Ref<ICefBrowser> browser, const ustring& title);
  void Chromium1PrefsAvailable(bool resultOK);  // main thread
  void Chromium1ExecuteTaskOnCefThread(uint32_t taskId);
  // The diagnostic key combinations (mini_browser_diagnostics.cpp); true when `event` was one.
  bool DiagnosticKey(const cef_key_event_t& event);

  // Context menu, keys, developer tools, loading texts and the results of the engine's
  // operations (mini_browser_commands.cpp).
  void ConnectCommands();
  // The custom messages of the commands (main thread); false for any other message.
  bool CommandMsg(UINT message, WPARAM wparam);
  void OpenDevToolsPanel(POINT point);
  void CloseDevToolsPanel();
  void RememberAddress(const std::wstring& url);
  // F12 (key code 123) toggles the developer tools when released; `handled` stops its default.
  void FilterKeyMessage(const MSG& message, bool& handled);
  void FilterKeyDown(const MSG& message, bool& handled);
  void FilterKeyUp(const MSG& message, bool& handled);
  void SetFullScreen(bool fullScreen);
  void Chromium1BeforeContextMenu(TChromium& sender, Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                  Ref<ICefContextMenuParams> params, Ref<ICefMenuModel> model);
  void Chromium1ContextMenuCommand(TChromium& sender, Ref<ICefBrowser> browser,
                                   Ref<ICefFrame> frame, Ref<ICefContextMenuParams> params,
                                   int commandId, cef_event_flags_t eventFlags, bool& result);
  void Chromium1PreKeyEvent(TChromium& sender, Ref<ICefBrowser> browser,
                            const cef_key_event_t* event, MSG* osEvent, bool& isKeyboardShortcut,
                            bool& result);
  void Chromium1KeyEvent(TChromium& sender, Ref<ICefBrowser> browser, const cef_key_event_t* event,
                         MSG* osEvent, bool& result);
  void Chromium1LoadingStateChange(TChromium& sender, Ref<ICefBrowser> browser, bool isLoading,
                                   bool canGoBack, bool canGoForward);
  void Chromium1NavigationVisitorResultAvailable(Ref<ICefNavigationEntry> entry, bool current,
                                                 int index, int total, bool& result);
  void Chromium1DownloadImageFinished(TChromium& sender, const ustring& imageUrl,
                                      int httpStatusCode, Ref<ICefImage> image);
  void OpenDownloadFolder();
  void CopyFrameIdsMsg();
  void CopyFrameNamesMsg();
  void SavePreferencesMsg();
  void CopyTextMsg();
  void TakeSnapshotMsg();
  void ShowNavigationMsg();
  // The file the user chose in `dialog` with `filter`; empty when cancelled or left empty.
  template <class Dialog>
  static std::wstring AskFileName(Dialog& dialog, std::wstring_view filter,
                                  std::wstring_view defaultExt = {},
                                  std::wstring_view proposed = {}) {
    dialog.Filter = filter;
    dialog.FilterIndex = 1;
    dialog.DefaultExt = defaultExt;
    dialog.FileName = proposed;
    return dialog.Execute() ? dialog.FileName : std::wstring();
  }

  // The configuration menu and the navigation buttons (mini_browser_tools.cpp).
  void BuildPopupMenu1();
  void ConfigBtnClick();
  void Openfile1Click();
  void OpenfilewithaDAT1Click();
  void PrintinPDF1Click();
  void Resolvehost1Click();
  void Downloadimage1Click();
  void Simulatekeyboardpresses1Click();
  void Flushcookies1Click();
  void Memoryinfo1Click();
  // The preferences dialog, filled from the browser and written back on OK (preferences_form.cpp).
  void Preferences1Click();

  // Downloads, failed loads, certificates, plug-ins and header capture (engine threads).
  void Chromium1BeforeDownload(TChromium& sender, Ref<ICefBrowser> browser,
                               Ref<ICefDownloadItem> downloadItem, const ustring& suggestedName,
                               Ref<ICefBeforeDownloadCallback> callback);
  void Chromium1DownloadUpdated(TChromium& sender, Ref<ICefBrowser> browser,
                                Ref<ICefDownloadItem> downloadItem,
                                Ref<ICefDownloadItemCallback> callback);
  void Chromium1BeforeResourceLoad(TChromium& sender, Ref<ICefBrowser> browser,
                                   Ref<ICefFrame> frame, Ref<ICefRequest> request,
                                   Ref<ICefRequestCallback> callback, cef_return_value_t& result);
  void Chromium1ResourceResponse(TChromium& sender, Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                 Ref<ICefRequest> request, Ref<ICefResponse> response,
                                 bool& result);
  void Chromium1LoadError(TChromium& sender, Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                          int errorCode, const ustring& errorText, const ustring& failedUrl);
  void Chromium1CertificateError(TChromium& sender, Ref<ICefBrowser> browser, int certError,
                                 const ustring& requestUrl, Ref<ICefSslInfo> sslInfo,
                                 Ref<ICefRequestCallback> callback, bool& result);
  void Chromium1BeforePluginLoad(TChromium& sender, const ustring& mimeType,
                                 const ustring& pluginUrl, bool isMainFrame,
                                 const ustring& topOriginUrl, Ref<ICefWebPluginInfo> pluginInfo,
                                 cef_plugin_policy_t& pluginPolicy, bool& result);
  void ShowHeadersMsg();

  void ConfigureUpgrade();
  void ComeToTheFront();
  void atpgrdr1NoInfoFile(TulUpliner& sender);
  void atpgrdr1NoUpdateAvailable(TulUpliner& sender);

  // An event handler that calls `Handler` on this window.
  template <auto Handler>
  auto Calls() {
    return
        [this](auto&&... args) { return (this->*Handler)(std::forward<decltype(args)>(args)...); };
  }

  TFont FFormFont;
  TFont FSymbolFont;
  TFont FConfigFont;

  TPanel NavControlPnl;
  TPanel NavButtonPnl;
  TButton BackBtn;
  TButton ForwardBtn;
  TButton ReloadBtn;
  TButton StopBtn;
  TPanel URLEditPnl;
  TComboBox URLCbx;
  TPanel ConfigPnl;
  TButton GoBtn;
  TButton ConfigBtn;
  TCEFWindowParent CEFWindowParent1;
  TSplitter Splitter1;
  TCEFWindowParent DevTools;
  TStatusBar StatusBar1;
  TPopupMenu PopupMenu1;
  TMenuItem* DevTools1 = nullptr;
  TSaveDialog SaveDialog1;
  TOpenDialog OpenDialog1;

  std::unique_ptr<TChromium> Chromium1;
  TTimer Timer1{300};
  TCEFSentinel CEFSentinel1;

  std::wstring FCaption;  // the product caption with the program's version
  // The main frame's last request and response headers: captured on the engine's network
  // thread, read by the viewer on the main thread.
  std::mutex FHeadersLock;
  std::vector<std::wstring> FResponse;
  std::vector<std::wstring> FRequest;
  // Addresses of the navigation history: filled on the engine's UI thread, shown on the main one.
  std::mutex FNavigationLock;
  std::vector<std::wstring> FNavigation;
  // The developer-tools panel shows; read by the key filters on engine threads.
  std::atomic<bool> FDevToolsVisible{false};
  // Pop-ups the page opened: they share the main browser's client and have to close before the
  // engine shuts down. Written on engine threads, read on the main thread.
  std::mutex FPopupsLock;
  std::vector<CefRefPtr<ICefBrowser>> FPopups;
  std::atomic<bool> FCanClose{false};
  std::atomic<bool> FClosing{false};
  bool FBrowserAsked = false;  // the engine took a request for the browser (main thread)

  TulUpliner atpgrdr1;
  TUpdatePolicy FUpdatePolicy;  // read once, at start
  std::wstring FUpdateServer;   // "https://" and the host asked
  TulUplinerDialogs FUplinerDialogs;  // goes before the controller it talks to
  bool FShowUpgradeHint = false;
};

// The preferences dialog and the text viewer: created hidden with the main window, shown
// modally on demand (preferences_form.cpp). They hold no logic: the main window fills and reads
// them.
class TPreferencesFrm final : public TForm {
 public:
  TPreferencesFrm();

  TGroupBox ProxyGbx;
  TComboBox ProxyTypeCbx;
  TComboBox ProxySchemeCb;
  TEdit ProxyServerEdt;
  TEdit ProxyPortEdt;
  TEdit ProxyUsernameEdt;
  TEdit ProxyPasswordEdt;
  TEdit ProxyScriptURLEdt;
  TEdit ProxyByPassListEdt;
  TSpinEdit MaxConnectionsPerProxyEdt;
  TGroupBox HeaderGbx;
  TEdit HeaderNameEdt;
  TEdit HeaderValueEdt;
  TPanel ButtonPnl;
  TButton Button1;
  TButton Button2;

 private:
  TFont FFont;
  std::vector<std::unique_ptr<TLabel>> FLabels;
  void AddLabel(TWindow& parent, int top, std::wstring_view text);
};

class TSimpleTextViewerFrm final : public TForm {
 public:
  TSimpleTextViewerFrm();

  TEdit Memo1;
};

extern TMiniBrowserFrm* MiniBrowserFrm;
extern TPreferencesFrm* PreferencesFrm;
extern TSimpleTextViewerFrm* SimpleTextViewerFrm;

#endif  // OSTREL_FORMS_MINI_BROWSER_FORM_H_
