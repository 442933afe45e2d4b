#ifndef OSTREL_BROWSER_CHROMIUM_H_
#define OSTREL_BROWSER_CHROMIUM_H_

// TChromium: the browser control through which a window owns and drives one engine browser (the
// main browser). It creates the browser inside a host window, keeps the engine's browser and its
// identifier, owns the client handler the engine calls back, and turns every notification of the
// handler objects (IChromiumEvents) into a published event.
//
// Threads: the main thread constructs and destroys the control, creates and closes the browser
// and assigns the events (before creating the browser). Notifications and the events they raise
// run on engine threads; only OnPrefsAvailable is carried to the main thread, through the
// control's hidden window. Events are not shielded: an exception thrown by a handler travels
// back to whoever delivered the notification.

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "browser/chromium_event_types.h"
#include "browser/chromium_options.h"
#include "browser/engine_window_hook.h"
#include "browser/zoom_table.h"
#include "engine/core/cef_string.h"
#include "engine/handlers/cef_client_own.h"
#include "engine/handlers/cef_request_context_handler_own.h"
#include "engine/refs/cef_browser_host_ref.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_context_ref.h"
#include "engine/routing/chromium_events.h"
#include "engine/routing/custom_handlers.h"
#include "engine/support/window_info.h"
#include "ui/messages.h"

class TCEFWinControl;
class TForm;
class TWindow;
class TMessageWindow;

// Which frame an operation acts on: by name (empty: the main frame), the frame itself, or by
// identifier (0: the main frame). The operation runs only on a valid frame.
class TFrameSelector {
 public:
  TFrameSelector() = default;
  TFrameSelector(const ustring& name) : FName(name) {}  // NOLINT(google-explicit-constructor)
  TFrameSelector(const wchar_t* name) : FName(name) {}  // NOLINT(google-explicit-constructor)
  TFrameSelector(Ref<ICefFrame> frame) : FFrame(frame), FByFrame(true) {}  // NOLINT
  TFrameSelector(int64_t identifier) : FIdentifier(identifier) {}          // NOLINT

 private:
  friend class TChromium;
  ustring FName;
  CefRefPtr<ICefFrame> FFrame;
  bool FByFrame = false;
  int64_t FIdentifier = 0;
};

class TChromium : public IChromiumEvents, public TChromiumEventTypes {
 public:
  // `owner`: the form the placement operations move and size.
  explicit TChromium(TForm* owner = nullptr);
  virtual ~TChromium();

  // ---- Creation and closing (main thread) ----

  // Creates the client handler unless one exists; `isOSR` selects windowless mode.
  bool CreateClientHandler(bool isOSR);
  bool CreateClientHandler(CefRefPtr<ICefClient>& client, bool isOSR);
  // In `parent`'s client area; no parent: a windowless browser. Refused (false, nothing
  // created) while closing or closed, once a browser or client handler exists, for a parent
  // without its window, and until the engine has reported its global context ready: the caller
  // retries. A request the engine refuses leaves the control idle, so it may be repeated. With
  // the multi-threaded message loop true only means the engine accepted the request: the
  // browser arrives with OnAfterCreated, and Initialized turns true then.
  virtual bool CreateBrowser(TWindow* parent, const ustring& windowName = {},
                             Ref<ICefRequestContext> context = nullptr,
                             Ref<ICefDictionaryValue> extraInfo = nullptr);
  virtual bool CreateBrowser(HWND parentHandle, const RECT& parentRect,
                             const ustring& windowName = {},
                             Ref<ICefRequestContext> context = nullptr,
                             Ref<ICefDictionaryValue> extraInfo = nullptr);
  // Asks the engine to close the main browser; the engine answers with OnClose.
  void CloseBrowser(bool forceClose);
  // A new request context sharing the main browser's storage, carrying `handler`.
  bool ShareRequestContext(CefRefPtr<ICefRequestContext>& context,
                           Ref<ICefRequestContextHandler> handler);
  // Creates the request-context handler when OnRequestContextInitialized or OnBeforePluginLoad
  // is assigned. CreateBrowser runs it, so events assigned before creation are enough.
  void EnsureRequestContextHandler();
  // Posts to the hidden window (handled on the main thread); false when that failed.
  bool PostCompMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // ---- State (any thread) ----

  // The main browser exists and has an identifier, and its close has not been answered.
  bool Initialized() const;
  int BrowserId() const { return FBrowserId.load(); }
  CefRefPtr<ICefBrowser> Browser() const;
  // False when not Initialized (so also once closing has begun) or `browser` is empty.
  bool IsSameBrowser(Ref<ICefBrowser> browser) const;
  bool HasBrowser() const;
  bool HasClientHandler() const;
  bool MultithreadApp() const;
  CefRefPtr<ICefClient> CefClient() const;
  CefRefPtr<ICefRequestContextHandler> ReqContextHandler() const { return FReqContextHandler; }
  const TCefWindowInfo& CefWindowInfo() const { return FWindowInfo; }

  // ---- Options (main thread, before creation) ----

  const ustring& DefaultUrl() const { return FDefaultUrl; }
  void SetDefaultUrl(const ustring& value) { FDefaultUrl = value; }
  const ustring& DefaultEncoding() const { return FDefaultEncoding; }
  void SetDefaultEncoding(const ustring& value) { FDefaultEncoding = value; }
  TChromiumOptions& Options() { return FOptions; }

  // ---- Preferences and proxy (setters on the main thread) ----
  // A setter flags a real change only; the engine gets every preference when a browser has been
  // created, before the next navigation after a change, and with UpdatePreferences.
#define OSTREL_CHROMIUM_PREFERENCE(Type, Name)     \
  Type Name() const { return Preferences().Name; } \
  void Set##Name(Type value) { SetPreference(&TChromiumPreferences::Name, std::move(value)); }
  OSTREL_CHROMIUM_PREFERENCE(bool, DoNotTrack)
  OSTREL_CHROMIUM_PREFERENCE(bool, SendReferrer)
  OSTREL_CHROMIUM_PREFERENCE(bool, HyperlinkAuditing)
  OSTREL_CHROMIUM_PREFERENCE(bool, RunAllFlashInAllowMode)
  OSTREL_CHROMIUM_PREFERENCE(bool, AllowOutdatedPlugins)
  OSTREL_CHROMIUM_PREFERENCE(bool, AlwaysAuthorizePlugins)
  OSTREL_CHROMIUM_PREFERENCE(bool, SpellChecking)
  OSTREL_CHROMIUM_PREFERENCE(ustring, SpellCheckerDicts)
  OSTREL_CHROMIUM_PREFERENCE(bool, SafeSearch)
  OSTREL_CHROMIUM_PREFERENCE(int32_t, YouTubeRestrict)
  OSTREL_CHROMIUM_PREFERENCE(bool, PrintingEnabled)
  OSTREL_CHROMIUM_PREFERENCE(TCefWebRTCHandlingPolicy, WebRTCIPHandlingPolicy)
  OSTREL_CHROMIUM_PREFERENCE(TCefState, WebRTCMultipleRoutes)
  OSTREL_CHROMIUM_PREFERENCE(TCefState, WebRTCNonproxiedUDP)
  OSTREL_CHROMIUM_PREFERENCE(int32_t, ProxyType)
  OSTREL_CHROMIUM_PREFERENCE(TCefProxyScheme, ProxyScheme)
  OSTREL_CHROMIUM_PREFERENCE(ustring, ProxyServer)
  OSTREL_CHROMIUM_PREFERENCE(int32_t, ProxyPort)
  OSTREL_CHROMIUM_PREFERENCE(ustring, ProxyUsername)
  OSTREL_CHROMIUM_PREFERENCE(ustring, ProxyPassword)
  OSTREL_CHROMIUM_PREFERENCE(ustring, ProxyScriptURL)
  OSTREL_CHROMIUM_PREFERENCE(ustring, ProxyByPassList)
#undef OSTREL_CHROMIUM_PREFERENCE
  int32_t MaxConnectionsPerProxy() const { return Preferences().MaxConnectionsPerProxy; }
  // Values outside 7 to 99 are ignored.
  void SetMaxConnectionsPerProxy(int32_t value);
  // Added to every request while both name and value are set; applied per request, so a change
  // flags nothing.
  ustring CustomHeaderName() const { return Preferences().CustomHeaderName; }
  void SetCustomHeaderName(const ustring& value);
  ustring CustomHeaderValue() const { return Preferences().CustomHeaderValue; }
  void SetCustomHeaderValue(const ustring& value);
  bool AddCustomHeader() const { return Preferences().AddCustomHeader(); }
  // Some preference changed since they were last written to the engine.
  bool PreferencesChanged() const { return FUpdatePreferences.load(); }
  // A snapshot: engine threads read the preferences while the main thread may change them.
  TChromiumPreferences Preferences() const;

  // Writes every preference to the main browser on the engine's UI thread.
  void UpdatePreferences();
  // Writes all of the engine's preferences to `aFileName` on the engine's UI thread;
  // OnPrefsAvailable follows on the main thread. Nothing happens (and no event follows) while
  // not Initialized or without a name.
  void SavePreferences(const ustring& aFileName);
  // Raises OnExecuteTaskOnCefThread(aTaskID) on the engine thread `aCefThreadId`, after
  // `aDelayMs` when it is not 0. False when not Initialized or the engine refused the task.
  bool ExecuteTaskOnCefThread(cef_thread_id_t aCefThreadId, uint32_t aTaskID, int64_t aDelayMs = 0);

  // Preference writers of the engine's UI thread, for the browser given; false when the engine
  // has no such browser, does not let the program set the preference or refuses the value.
  bool UpdatePreference(Ref<ICefBrowser> browser, const ustring& name, bool value);
  bool UpdatePreference(Ref<ICefBrowser> browser, const ustring& name, int32_t value);
  bool UpdatePreference(Ref<ICefBrowser> browser, const ustring& name, const ustring& value);
  // A list of strings; an empty list writes nothing.
  bool UpdatePreference(Ref<ICefBrowser> browser, const ustring& name,
                        const std::vector<ustring>& value);
  // The comma text as a list of strings; an empty name or text writes nothing.
  bool UpdateStringListPref(Ref<ICefBrowser> browser, const ustring& name,
                            const ustring& commaText);
  bool UpdateProxyPrefs(Ref<ICefBrowser> browser);
  // One "name : value" line per entry of `dictionary` (names below `prefix`), in the engine's
  // order; nested dictionaries add their entries, lists are written inline.
  void HandleDictionary(Ref<ICefDictionaryValue> dictionary, std::vector<ustring>& lines,
                        const ustring& prefix);

  // ---- Browser operations (main thread; nothing happens unless Initialized) ----
  void LoadURL(const ustring& aURL, const TFrameSelector& frame = {});
  void LoadString(const ustring& aString, const ustring& aURL);
  void LoadRequest(Ref<ICefRequest> aRequest);
  void GoBack();
  void GoForward();
  void Reload();
  void ReloadIgnoreCache();
  void StopLoad();
  void StartDownload(const ustring& aURL);
  bool IsLoading();
  bool CanGoBack();
  bool CanGoForward();
  bool IsPopUp();
  bool HasDocument();
  ustring DocumentURL();
  bool HasValidMainFrame();
  bool FrameIsFocused();

  // The engine's zoom level and percentage (P = 100 * 1.2^L). The step is the control's own
  // index into its table of 16 percentages: zooming by other means leaves it alone.
  double ZoomLevel();
  void SetZoomLevel(double value);
  double ZoomPct();
  void SetZoomPct(double value);
  uint8_t ZoomStep() const { return FZoomStep; }
  void SetZoomStep(uint8_t value);
  void IncZoomStep();
  void DecZoomStep();
  void ResetZoomStep();

  // In `aDevTools` (null: a pop-up owned by the browser's window); inspects the element at the
  // point unless a coordinate is the lowest 32-bit integer.
  void ShowDevTools(POINT inspectElementAt, TCEFWinControl* aDevTools);
  void CloseDevTools(TCEFWinControl* aDevTools);
  bool HasDevTools();
  void Print();
  // OnPdfPrintFinished follows on an engine thread.
  void PrintToPDF(const ustring& aFilePath, const ustring& aTitle, const ustring& aURL);
  void Find(int aIdentifier, const ustring& aSearchText, bool aForward, bool aMatchCase,
            bool aFindNext);
  void StopFinding(bool aClearSelection);
  // A copy of the browser window's pixels in a new bitmap the caller owns (its old one freed).
  // False, the variable untouched, when not Initialized, windowless or without a window.
  bool TakeSnapshot(HBITMAP& aBitmap);

  size_t FrameCount();
  // `aFrameCount` is the capacity asked for (0 gives false), then the number filled.
  bool GetFrameIdentifiers(size_t& aFrameCount, std::vector<int64_t>& aFrameIdentifierArray);
  bool GetFrameNames(std::vector<ustring>* aFrameNames);
  // OnTextResultAvailable follows on an engine thread.
  void RetrieveHTML(const TFrameSelector& frame = {});
  void RetrieveText(const TFrameSelector& frame = {});
  void ExecuteJavaScript(const ustring& aCode, const ustring& aScriptURL,
                         const TFrameSelector& frame = {}, int aStartLine = 0);
  void SendProcessMessage(cef_process_id_t targetProcess, Ref<ICefProcessMessage> message,
                          const TFrameSelector& frame = {});
  CefRefPtr<ICefBaseRefCounted> CreateUrlRequest(Ref<ICefRequest> request,
                                                 Ref<ICefBaseRefCounted> client,
                                                 const TFrameSelector& frame = {});
  // On the focused frame, else the main frame.
  void ClipboardCopy();
  void ClipboardPaste();
  void ClipboardCut();
  void ClipboardUndo();
  void ClipboardRedo();
  void ClipboardDel();
  void SelectAll();

  // The asynchronous ones report through their events, on engine threads; a refused request
  // reports nothing.
  void ResolveHost(const ustring& aURL);
  void DownloadImage(const ustring& imageUrl, bool isFavicon, uint32_t maxImageSize,
                     bool bypassCache);
  // Immediately: no completion callback, so no event.
  bool FlushCookieStore(bool aFlushImmediately);
  bool DeleteCookies(const ustring& url = {}, const ustring& cookieName = {});
  bool ClearCertificateExceptions(bool aClearImmediately);
  bool ClearHttpAuthCredentials(bool aClearImmediately);
  bool CloseAllConnections(bool aCloseImmediately);
  void GetNavigationEntries(bool currentOnly);
  CefRefPtr<ICefNavigationEntry> VisibleNavigationEntry();
  ustring RequestContextCache();
  bool RequestContextIsGlobal();

  bool AudioMuted();
  void SetAudioMuted(bool value);
  void SetFocus(bool focus);
  void SendKeyEvent(const cef_key_event_t& event);
  void SendMouseClickEvent(const cef_mouse_event_t& event, cef_mouse_button_type_t type,
                           bool mouseUp, int clickCount);
  void SendMouseMoveEvent(const cef_mouse_event_t& event, bool mouseLeave);
  void SendMouseWheelEvent(const cef_mouse_event_t& event, int deltaX, int deltaY);
  void SendTouchEvent(const cef_touch_event_t& event);
  void SendFocusEvent(bool setFocus);
  void SendCaptureLostEvent();
  void SimulateMouseWheel(int aDeltaX, int aDeltaY);
  // Lets the engine place its pop-ups (select lists, tooltips) again after the window moved.
  void NotifyMoveOrResizeStarted();
  void WasResized();
  void WasHidden(bool hidden);
  void NotifyScreenInfoChanged();
  void Invalidate(cef_paint_element_type_t kind = PET_VIEW);
  HWND WindowHandle();
  bool SetNewBrowserParent(HWND aNewParentHwnd);
  // Windowless mode.
  bool HasView();
  void SetAccessibilityState(TCefState state);
  int WindowlessFrameRate();
  void SetWindowlessFrameRate(int frameRate);
  void SendExternalBeginFrame();
  void DragTargetDragEnter(Ref<ICefDragData> dragData, const cef_mouse_event_t& event,
                           cef_drag_operations_mask_t allowedOps);
  void DragTargetDragOver(const cef_mouse_event_t& event, cef_drag_operations_mask_t allowedOps);
  void DragTargetDragLeave();
  void DragTargetDrop(const cef_mouse_event_t& event);
  void DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op);
  void DragSourceSystemDragEnded();
  void ImeSetComposition(const ustring& text,
                         const std::vector<cef_composition_underline_t>& underlines,
                         const cef_range_t& replacementRange, const cef_range_t& selectionRange);
  void ImeCommitText(const ustring& text, const cef_range_t& replacementRange,
                     int relativeCursorPos);
  void ImeFinishComposingText(bool keepSelection);
  void ImeCancelComposition();

  // ---- Owning-window placement (main thread; nothing without an owner form) ----
  // Kept on the virtual desktop (its left and top no lower than 0), size unchanged.
  void MoveFormTo(int x, int y);
  void MoveFormBy(int x, int y);
  void SetFormLeftTo(int x);
  void SetFormTopTo(int y);
  // The client width or height, at least 100.
  void ResizeFormWidthTo(int x);
  void ResizeFormHeightTo(int y);

  // ---- The engine's windows, looked up when the main browser's render view is ready ----

  HWND BrowserHandle() const { return FBrowserCompHook.Handle(); }
  HWND WidgetHandle() const { return FWidgetCompHook.Handle(); }
  HWND RenderHandle() const { return FRenderCompHook.Handle(); }
  TChromiumFontOptions& FontOptions() { return FFontOptions; }
  TPDFPrintOptions& PDFPrintOptions() { return FPDFPrintOptions; }

  // ---- Published events ----

  TOnAfterCreated OnAfterCreated;
  TOnClose OnClose;
  TOnBeforeClose OnBeforeClose;
  TOnBeforePopup OnBeforePopup;
  TOnProcessMessageReceived OnProcessMessageReceived;
  TOnLoadingStateChange OnLoadingStateChange;
  TOnLoadStart OnLoadStart;
  TOnLoadEnd OnLoadEnd;
  TOnLoadError OnLoadError;
  TOnTakeFocus OnTakeFocus;
  TOnSetFocus OnSetFocus;
  TOnGotFocus OnGotFocus;
  TOnBeforeContextMenu OnBeforeContextMenu;
  TOnRunContextMenu OnRunContextMenu;
  TOnContextMenuCommand OnContextMenuCommand;
  TOnContextMenuDismissed OnContextMenuDismissed;
  TOnPreKeyEvent OnPreKeyEvent;
  TOnKeyEvent OnKeyEvent;
  TOnAddressChange OnAddressChange;
  TOnTitleChange OnTitleChange;
  TOnFavIconUrlChange OnFavIconUrlChange;
  TOnFullScreenModeChange OnFullScreenModeChange;
  TOnTooltip OnTooltip;
  TOnStatusMessage OnStatusMessage;
  TOnConsoleMessage OnConsoleMessage;
  TOnAutoResize OnAutoResize;
  TOnLoadingProgressChange OnLoadingProgressChange;
  TOnBeforeDownload OnBeforeDownload;
  TOnDownloadUpdated OnDownloadUpdated;
  TOnJsdialog OnJsdialog;
  TOnBeforeUnloadDialog OnBeforeUnloadDialog;
  TOnResetDialogState OnResetDialogState;
  TOnDialogClosed OnDialogClosed;
  TOnFileDialog OnFileDialog;
  TOnBeforeBrowse OnBeforeBrowse;
  TOnOpenUrlFromTab OnOpenUrlFromTab;
  TOnGetResourceRequestHandler OnGetResourceRequestHandler;
  TOnGetAuthCredentials OnGetAuthCredentials;
  TOnQuotaRequest OnQuotaRequest;
  TOnCertificateError OnCertificateError;
  TOnSelectClientCertificate OnSelectClientCertificate;
  TOnPluginCrashed OnPluginCrashed;
  TOnRenderViewReady OnRenderViewReady;
  TOnRenderProcessTerminated OnRenderProcessTerminated;
  TOnBeforeResourceLoad OnBeforeResourceLoad;
  TOnGetResourceHandler OnGetResourceHandler;
  TOnResourceRedirect OnResourceRedirect;
  TOnResourceResponse OnResourceResponse;
  TOnGetResourceResponseFilter OnGetResourceResponseFilter;
  TOnResourceLoadComplete OnResourceLoadComplete;
  TOnProtocolExecution OnProtocolExecution;
  TOnCanSendCookie OnCanSendCookie;
  TOnCanSaveCookie OnCanSaveCookie;
  TOnGetAccessibilityHandler OnGetAccessibilityHandler;
  TOnGetRootScreenRect OnGetRootScreenRect;
  TOnGetViewRect OnGetViewRect;
  TOnGetScreenPoint OnGetScreenPoint;
  TOnGetScreenInfo OnGetScreenInfo;
  TOnPopupShow OnPopupShow;
  TOnPopupSize OnPopupSize;
  TOnPaint OnPaint;
  TOnAcceleratedPaint OnAcceleratedPaint;
  TOnCursorChange OnCursorChange;
  TOnStartDragging OnStartDragging;
  TOnUpdateDragCursor OnUpdateDragCursor;
  TOnScrollOffsetChanged OnScrollOffsetChanged;
  TOnIMECompositionRangeChanged OnIMECompositionRangeChanged;
  TOnTextSelectionChanged OnTextSelectionChanged;
  TOnVirtualKeyboardRequested OnVirtualKeyboardRequested;
  TOnDragEnter OnDragEnter;
  TOnDraggableRegionsChanged OnDraggableRegionsChanged;
  TOnFindResult OnFindResult;
  TOnRequestContextInitialized OnRequestContextInitialized;
  TOnBeforePluginLoad OnBeforePluginLoad;
  TOnTextResultAvailableEvent OnTextResultAvailable;
  TOnPdfPrintFinishedEvent OnPdfPrintFinished;
  TOnPrefsAvailableEvent OnPrefsAvailable;
  TOnResolvedIPsAvailableEvent OnResolvedHostAvailable;
  TOnNavigationVisitorResultAvailableEvent OnNavigationVisitorResultAvailable;
  TOnDownloadImageFinishedEvent OnDownloadImageFinished;
  TOnCookiesDeletedEvent OnCookiesDeleted;
  TNotifyEvent OnCookiesFlushed;
  TNotifyEvent OnCertificateExceptionsCleared;
  TNotifyEvent OnHttpAuthCredentialsCleared;
  TNotifyEvent OnAllConnectionsClosed;
  TOnExecuteTaskOnCefThread OnExecuteTaskOnCefThread;
  // Messages of the engine's browser, widget and render windows, once those are hooked.
  TOnCompMsgEvent OnBrowserCompMsg;
  TOnCompMsgEvent OnWidgetCompMsg;
  TOnCompMsgEvent OnRenderCompMsg;

 protected:
  // The window description for CreateBrowser: windowless (parent = the hidden window) or a
  // child of `parentHandle` covering `parentRect`.
  void FillWindowInfo(HWND parentHandle, const RECT& parentRect, const ustring& windowName);
  // `browser` (may be null) is the main browser: same identifier, not 0.
  bool IsMainBrowser(Ref<ICefBrowser> browser) const;
  void ForgetBrowser();
  // Detaches the client handler from this control and releases it.
  void DestroyClientHandler();
  void DestroyReqContextHandler();
  // Detaches every handler object this control created and waits for their calls in progress
  // (main thread, not from inside a notification).
  void WaitForHandlerCalls();

  // ---- IChromiumEvents: what the handler objects, tasks and callbacks report ----
  // Each raises its event and returns the event's result, which starts at the engine's default
  // (false; true for the cookie filters; RV_CONTINUE before a resource load; no handler).
  // Callers reach them through IChromiumEvents.
  void FillBrowserSettings(cef_browser_settings_t* settings) override;
  bool HandleProcessMessageReceived(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                    cef_process_id_t sourceProcess,
                                    Ref<ICefProcessMessage> message) override;
  void HandleLoadingStateChange(Ref<ICefBrowser> browser, bool isLoading, bool canGoBack,
                                bool canGoForward) override;
  void HandleLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                       cef_transition_type_t transitionType) override;
  void HandleLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, int httpStatusCode) override;
  void HandleLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, cef_errorcode_t errorCode,
                       const ustring& errorText, const ustring& failedUrl) override;
  void HandleTakeFocus(Ref<ICefBrowser> browser, bool next) override;
  bool HandleSetFocus(Ref<ICefBrowser> browser, cef_focus_source_t source) override;
  void HandleGotFocus(Ref<ICefBrowser> browser) override;
  void HandleBeforeContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                               Ref<ICefContextMenuParams> params,
                               Ref<ICefMenuModel> model) override;
  bool HandleRunContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                            Ref<ICefContextMenuParams> params, Ref<ICefMenuModel> model,
                            Ref<ICefRunContextMenuCallback> callback) override;
  bool HandleContextMenuCommand(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                Ref<ICefContextMenuParams> params, int commandId,
                                cef_event_flags_t eventFlags) override;
  void HandleContextMenuDismissed(Ref<ICefBrowser> browser, Ref<ICefFrame> frame) override;
  bool HandlePreKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event, MSG* osEvent,
                         bool& isKeyboardShortcut) override;
  bool HandleKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event,
                      MSG* osEvent) override;
  void HandleAddressChange(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                           const ustring& url) override;
  void HandleTitleChange(Ref<ICefBrowser> browser, const ustring& title) override;
  void HandleFavIconUrlChange(Ref<ICefBrowser> browser,
                              const std::vector<ustring>& iconUrls) override;
  void HandleFullScreenModeChange(Ref<ICefBrowser> browser, bool fullscreen) override;
  bool HandleTooltip(Ref<ICefBrowser> browser, ustring& text) override;
  void HandleStatusMessage(Ref<ICefBrowser> browser, const ustring& value) override;
  bool HandleConsoleMessage(Ref<ICefBrowser> browser, cef_log_severity_t level,
                            const ustring& message, const ustring& source, int line) override;
  bool HandleAutoResize(Ref<ICefBrowser> browser, const cef_size_t* newSize) override;
  void HandleLoadingProgressChange(Ref<ICefBrowser> browser, double progress) override;
  void HandleBeforeDownload(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                            const ustring& suggestedName,
                            Ref<ICefBeforeDownloadCallback> callback) override;
  void HandleDownloadUpdated(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                             Ref<ICefDownloadItemCallback> callback) override;
  bool HandleJsdialog(Ref<ICefBrowser> browser, const ustring& originUrl,
                      cef_jsdialog_type_t dialogType, const ustring& messageText,
                      const ustring& defaultPromptText, Ref<ICefJsDialogCallback> callback,
                      bool& suppressMessage) override;
  bool HandleBeforeUnloadDialog(Ref<ICefBrowser> browser, const ustring& messageText, bool isReload,
                                Ref<ICefJsDialogCallback> callback) override;
  void HandleResetDialogState(Ref<ICefBrowser> browser) override;
  void HandleDialogClosed(Ref<ICefBrowser> browser) override;
  bool HandleBeforePopup(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, const ustring& targetUrl,
                         const ustring& targetFrameName,
                         cef_window_open_disposition_t targetDisposition, bool userGesture,
                         const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
                         CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
                         CefRefPtr<ICefDictionaryValue>& extraInfo,
                         bool& noJavascriptAccess) override;
  void HandleAfterCreated(Ref<ICefBrowser> browser) override;
  void HandleBeforeClose(Ref<ICefBrowser> browser) override;
  bool HandleClose(Ref<ICefBrowser> browser) override;
  bool HandleBeforeBrowse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                          bool userGesture, bool isRedirect) override;
  bool HandleOpenUrlFromTab(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                            const ustring& targetUrl,
                            cef_window_open_disposition_t targetDisposition,
                            bool userGesture) override;
  void HandleGetResourceRequestHandler(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                       Ref<ICefRequest> request, bool isNavigation, bool isDownload,
                                       const ustring& requestInitiator,
                                       bool& disableDefaultHandling,
                                       CefRefPtr<ICefResourceRequestHandler>& handler,
                                       bool& useInternalHandler) override;
  bool HandleGetAuthCredentials(Ref<ICefBrowser> browser, const ustring& originUrl, bool isProxy,
                                const ustring& host, int port, const ustring& realm,
                                const ustring& scheme, Ref<ICefAuthCallback> callback) override;
  bool HandleQuotaRequest(Ref<ICefBrowser> browser, const ustring& originUrl, int64_t newSize,
                          Ref<ICefRequestCallback> callback) override;
  bool HandleCertificateError(Ref<ICefBrowser> browser, cef_errorcode_t certError,
                              const ustring& requestUrl, Ref<ICefSslInfo> sslInfo,
                              Ref<ICefRequestCallback> callback) override;
  bool HandleSelectClientCertificate(
      Ref<ICefBrowser> browser, bool isProxy, const ustring& host, int port,
      const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
      Ref<ICefSelectClientCertificateCallback> callback) override;
  void HandlePluginCrashed(Ref<ICefBrowser> browser, const ustring& pluginPath) override;
  void HandleRenderViewReady(Ref<ICefBrowser> browser) override;
  void HandleRenderProcessTerminated(Ref<ICefBrowser> browser,
                                     cef_termination_status_t status) override;
  cef_return_value_t HandleBeforeResourceLoad(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                              Ref<ICefRequest> request,
                                              Ref<ICefRequestCallback> callback) override;
  CefRefPtr<ICefBaseRefCounted> HandleGetResourceHandler(Ref<ICefBrowser> browser,
                                                         Ref<ICefFrame> frame,
                                                         Ref<ICefRequest> request) override;
  void HandleResourceRedirect(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                              Ref<ICefRequest> request, Ref<ICefResponse> response,
                              ustring& newUrl) override;
  bool HandleResourceResponse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                              Ref<ICefRequest> request, Ref<ICefResponse> response) override;
  CefRefPtr<ICefBaseRefCounted> HandleGetResourceResponseFilter(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
      Ref<ICefResponse> response) override;
  void HandleResourceLoadComplete(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                  Ref<ICefRequest> request, Ref<ICefResponse> response,
                                  cef_urlrequest_status_t status,
                                  int64_t receivedContentLength) override;
  void HandleProtocolExecution(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                               Ref<ICefRequest> request, bool& allowOsExecution) override;
  bool HandleCanSendCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                           const cef_cookie_t* cookie) override;
  bool HandleCanSaveCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
                           Ref<ICefResponse> response, const cef_cookie_t* cookie) override;
  bool HandleFileDialog(Ref<ICefBrowser> browser, cef_file_dialog_mode_t mode, const ustring& title,
                        const ustring& defaultFilePath, const std::vector<ustring>& acceptFilters,
                        int selectedAcceptFilter, Ref<ICefFileDialogCallback> callback) override;
  CefRefPtr<ICefBaseRefCounted> HandleGetAccessibilityHandler() override;
  bool HandleGetRootScreenRect(Ref<ICefBrowser> browser, cef_rect_t* rect) override;
  void HandleGetViewRect(Ref<ICefBrowser> browser, cef_rect_t* rect) override;
  bool HandleGetScreenPoint(Ref<ICefBrowser> browser, int viewX, int viewY, int& screenX,
                            int& screenY) override;
  bool HandleGetScreenInfo(Ref<ICefBrowser> browser, cef_screen_info_t* screenInfo) override;
  void HandlePopupShow(Ref<ICefBrowser> browser, bool show) override;
  void HandlePopupSize(Ref<ICefBrowser> browser, const cef_rect_t* rect) override;
  void HandlePaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type, size_t dirtyRectsCount,
                   const cef_rect_t* dirtyRects, const void* buffer, int width,
                   int height) override;
  void HandleAcceleratedPaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type,
                              size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
                              void* sharedHandle) override;
  void HandleCursorChange(Ref<ICefBrowser> browser, HCURSOR cursor, cef_cursor_type_t type,
                          const cef_cursor_info_t* customCursorInfo) override;
  bool HandleStartDragging(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                           cef_drag_operations_mask_t allowedOps, int x, int y) override;
  void HandleUpdateDragCursor(Ref<ICefBrowser> browser,
                              cef_drag_operations_mask_t operation) override;
  void HandleScrollOffsetChanged(Ref<ICefBrowser> browser, double x, double y) override;
  void HandleIMECompositionRangeChanged(Ref<ICefBrowser> browser, const cef_range_t* selectedRange,
                                        size_t characterBoundsCount,
                                        const cef_rect_t* characterBounds) override;
  void HandleTextSelectionChanged(Ref<ICefBrowser> browser, const ustring& selectedText,
                                  const cef_range_t* selectedRange) override;
  void HandleVirtualKeyboardRequested(Ref<ICefBrowser> browser,
                                      cef_text_input_mode_t inputMode) override;
  bool HandleDragEnter(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                       cef_drag_operations_mask_t mask) override;
  void HandleDraggableRegionsChanged(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                     size_t regionsCount,
                                     const cef_draggable_region_t* regions) override;
  void HandleFindResult(Ref<ICefBrowser> browser, int identifier, int count,
                        const cef_rect_t* selectionRect, int activeMatchOrdinal,
                        bool finalUpdate) override;
  void HandleRequestContextInitialized(Ref<ICefRequestContext> requestContext) override;
  bool HandleBeforePluginLoad(const ustring& mimeType, const ustring& pluginUrl, bool isMainFrame,
                              const ustring& topOriginUrl, Ref<ICefWebPluginInfo> pluginInfo,
                              cef_plugin_policy_t& pluginPolicy) override;
  void HandleContextGetResourceRequestHandler(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request, bool isNavigation,
      bool isDownload, const ustring& requestInitiator, bool& disableDefaultHandling,
      CefRefPtr<ICefResourceRequestHandler>& handler) override;
  void HandleCookiesDeleted(int numDeleted) override;
  void HandlePdfPrintFinished(const ustring& path, bool ok) override;
  void HandleTextResultAvailable(const ustring& text) override;
  void ApplyPreferences(Ref<ICefBrowser> browser) override;
  void RunUpdatePreferencesTask() override;
  bool Internal_SavePreferences() override;
  void HandleResolvedHostAvailable(cef_errorcode_t result,
                                   const std::vector<ustring>& resolvedIps) override;
  bool HandleNavigationVisitorResult(Ref<ICefNavigationEntry> entry, bool current, int index,
                                     int total) override;
  void HandleDownloadImageFinished(const ustring& imageUrl, int httpStatusCode,
                                   Ref<ICefImage> image) override;
  void HandleCookiesFlushed() override;
  void HandleCertificateExceptionsCleared() override;
  void HandleHttpAuthCredentialsCleared() override;
  void HandleAllConnectionsClosed() override;
  void HandleExecuteTaskOnCefThread(uint32_t taskId) override;
  bool WantsLoadHandler() override;
  bool WantsFocusHandler() override;
  bool WantsContextMenuHandler() override;
  bool WantsDialogHandler() override;
  bool WantsKeyboardHandler() override;
  bool WantsDisplayHandler() override;
  bool WantsDownloadHandler() override;
  bool WantsJsDialogHandler() override;
  bool WantsLifeSpanHandler() override;
  bool WantsRenderHandler() override;
  bool WantsRequestHandler() override;
  bool WantsDragHandler() override;
  bool WantsFindHandler() override;
  bool WantsResourceRequestHandler() override;
  bool WantsCookieAccessFilter() override;

 private:
  bool CompWndProc(UINT message, WPARAM wParam, LRESULT& result);
  bool CreateEngineBrowser(HWND parentHandle, const RECT& parentRect, const ustring& windowName,
                           Ref<ICefRequestContext> context, Ref<ICefDictionaryValue> extraInfo);
  // Proxy credentials for a proxy's challenge; false refuses it.
  bool AnswerProxyChallenge(Ref<ICefAuthCallback> callback);
  // The custom header and the referrer policy of an outgoing request.
  void PrepareRequest(Ref<ICefRequest> request);
  // Lets the program see the messages of the main browser's engine windows.
  void HookEngineWindows(Ref<ICefBrowser> browser);
  template <class T>
  void SetPreference(T TChromiumPreferences::*field, T value) {
    const std::lock_guard<std::mutex> hold(FPreferencesLock);
    if (FPreferences.*field == value) return;
    FPreferences.*field = std::move(value);
    FUpdatePreferences = true;
  }
  // The main browser's host, frames and request context; null when not Initialized.
  CefRefPtr<ICefBrowserHost> Host() const;
  CefRefPtr<ICefFrame> SelectFrame(const TFrameSelector& frame) const;
  CefRefPtr<ICefFrame> EditingFrame() const;
  CefRefPtr<ICefRequestContext> HostRequestContext(Ref<ICefBrowser> browser) const;
  // `operation` of the host with `args` when Initialized, else the neutral answer.
  template <class R, class... P, class... A>
  R CallHost(R (ICefBrowserHost::*operation)(P...), A&&... args) {
    const CefRefPtr<ICefBrowserHost> host = Host();
    if (!host) return R();
    return ((*host).*operation)(std::forward<A>(args)...);
  }
  template <class R, class... P, class... A>
  R CallBrowser(R (ICefBrowser::*operation)(P...), A&&... args) {
    const CefRefPtr<ICefBrowser> browser = Initialized() ? Browser() : nullptr;
    if (!browser) return R();
    return ((*browser).*operation)(std::forward<A>(args)...);
  }
  void ApplyZoomStep();
  // The file of the oldest save task still to run.
  ustring NextPrefsFileName();
  // The events link handed to a new task or callback.
  CefRefPtr<TChromiumEventsLink> TaskEvents() const { return FTaskEvents; }
  void UnhookEngineWindows();

  TForm* const FOwner;
  std::unique_ptr<TMessageWindow> FCompWindow;
  std::atomic<HWND> FCompHandle{nullptr};

  // The browser and the client handler change on engine threads (after-created, before-close)
  // while the main thread reads them: both only under FLock, and nothing is called under it.
  mutable std::mutex FLock;
  CefRefPtr<ICefBrowser> FBrowser;
  CefRefPtr<ICefClient> FHandler;
  // The links of every client and handler this control created, waited on at destruction.
  std::vector<CefRefPtr<TChromiumEventsLink>> FEventsLinks;
  std::atomic<int> FBrowserId{0};
  // Browsers created with the client handler (the main one and the page's pop-ups) still open.
  std::atomic<int> FOpenBrowsers{0};
  std::atomic<bool> FInitialized{false};
  std::atomic<bool> FClosing{false};
  bool FIsOSR = false;

  CefRefPtr<ICefRequestContextHandler> FReqContextHandler;
  ustring FDefaultUrl = L"about:blank";
  ustring FDefaultEncoding;
  TChromiumOptions FOptions;
  TChromiumFontOptions FFontOptions;
  TPDFPrintOptions FPDFPrintOptions;

  // The window description's name points into FWindowName.
  ustring FWindowName;
  TCefWindowInfo FWindowInfo{};
  TCefWindowInfo FDevWindowInfo{};
  TCefBrowserSettings FBrowserSettings{};
  TCefBrowserSettings FDevBrowserSettings{};

  // Some preference changed since they were last applied.
  std::atomic<bool> FUpdatePreferences{false};
  mutable std::mutex FPreferencesLock;
  TChromiumPreferences FPreferences;
  ustring FPrefsFileName;
  std::deque<ustring> FPendingPrefsFiles;  // of the save tasks posted and not run yet
  uint8_t FZoomStep = kZoomStepDefault;
  // Tasks and asynchronous callbacks report through this link; it goes with the control.
  CefRefPtr<TChromiumEventsLink> FTaskEvents;

  TEngineWindowHook FBrowserCompHook{OnBrowserCompMsg, L"TChromium.BrowserCompWndProc"};
  TEngineWindowHook FWidgetCompHook{OnWidgetCompMsg, L"TChromium.WidgetCompWndProc"};
  TEngineWindowHook FRenderCompHook{OnRenderCompMsg, L"TChromium.RenderCompWndProc"};
};

#endif  // OSTREL_BROWSER_CHROMIUM_H_
