#ifndef OSTREL_BROWSER_CHROMIUM_EVENT_TYPES_H_
#define OSTREL_BROWSER_CHROMIUM_EVENT_TYPES_H_

// The published events of the browser control. Each receives the control first (except the
// navigation-entry and window-message events), then the notification's arguments, then a
// reference to the result the engine gets back. Events run on the thread that delivered the
// notification: an engine thread, except OnPrefsAvailable (main thread).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "browser/chromium_options.h"
#include "engine/routing/chromium_events.h"

class TChromium;

// A message of an engine window, as its replacement window procedure sees it.
struct TMessage {
  uint32_t Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

#define OSTREL_CHROMIUM_EVENT(name, ...) using name = std::function<void(__VA_ARGS__)>

// The event types, inherited by TChromium (TChromium::TOnAfterCreated, ...).
struct TChromiumEventTypes {
  // ---- Life span ----
  OSTREL_CHROMIUM_EVENT(TOnAfterCreated, TChromium& sender, Ref<ICefBrowser> browser);
  OSTREL_CHROMIUM_EVENT(TOnClose, TChromium& sender, Ref<ICefBrowser> browser,
                        TCefCloseBrowserAction& action);
  OSTREL_CHROMIUM_EVENT(TOnBeforeClose, TChromium& sender, Ref<ICefBrowser> browser);
  OSTREL_CHROMIUM_EVENT(TOnBeforePopup, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, const ustring& targetUrl,
                        const ustring& targetFrameName,
                        cef_window_open_disposition_t targetDisposition, bool userGesture,
                        const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
                        CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
                        CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJavascriptAccess,
                        bool& result);

  // ---- Client, load, focus ----
  OSTREL_CHROMIUM_EVENT(TOnProcessMessageReceived, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, cef_process_id_t sourceProcess,
                        Ref<ICefProcessMessage> message, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnLoadingStateChange, TChromium& sender, Ref<ICefBrowser> browser,
                        bool isLoading, bool canGoBack, bool canGoForward);
  OSTREL_CHROMIUM_EVENT(TOnLoadStart, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, cef_transition_type_t transitionType);
  OSTREL_CHROMIUM_EVENT(TOnLoadEnd, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, int httpStatusCode);
  OSTREL_CHROMIUM_EVENT(TOnLoadError, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, int errorCode, const ustring& errorText,
                        const ustring& failedUrl);
  OSTREL_CHROMIUM_EVENT(TOnTakeFocus, TChromium& sender, Ref<ICefBrowser> browser, bool next);
  OSTREL_CHROMIUM_EVENT(TOnSetFocus, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_focus_source_t source, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnGotFocus, TChromium& sender, Ref<ICefBrowser> browser);

  // ---- Context menu, keyboard ----
  OSTREL_CHROMIUM_EVENT(TOnBeforeContextMenu, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefContextMenuParams> params,
                        Ref<ICefMenuModel> model);
  OSTREL_CHROMIUM_EVENT(TOnRunContextMenu, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefContextMenuParams> params,
                        Ref<ICefMenuModel> model, Ref<ICefRunContextMenuCallback> callback,
                        bool& result);
  OSTREL_CHROMIUM_EVENT(TOnContextMenuCommand, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefContextMenuParams> params, int commandId,
                        cef_event_flags_t eventFlags, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnContextMenuDismissed, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame);
  OSTREL_CHROMIUM_EVENT(TOnPreKeyEvent, TChromium& sender, Ref<ICefBrowser> browser,
                        const cef_key_event_t* event, MSG* osEvent, bool& isKeyboardShortcut,
                        bool& result);
  OSTREL_CHROMIUM_EVENT(TOnKeyEvent, TChromium& sender, Ref<ICefBrowser> browser,
                        const cef_key_event_t* event, MSG* osEvent, bool& result);

  // ---- Display ----
  OSTREL_CHROMIUM_EVENT(TOnAddressChange, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, const ustring& url);
  OSTREL_CHROMIUM_EVENT(TOnTitleChange, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& title);
  OSTREL_CHROMIUM_EVENT(TOnFavIconUrlChange, TChromium& sender, Ref<ICefBrowser> browser,
                        const std::vector<ustring>& iconUrls);
  OSTREL_CHROMIUM_EVENT(TOnFullScreenModeChange, TChromium& sender, Ref<ICefBrowser> browser,
                        bool fullscreen);
  OSTREL_CHROMIUM_EVENT(TOnTooltip, TChromium& sender, Ref<ICefBrowser> browser, ustring& text,
                        bool& result);
  OSTREL_CHROMIUM_EVENT(TOnStatusMessage, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& value);
  OSTREL_CHROMIUM_EVENT(TOnConsoleMessage, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_log_severity_t level, const ustring& message, const ustring& source,
                        int line, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnAutoResize, TChromium& sender, Ref<ICefBrowser> browser,
                        const cef_size_t* newSize, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnLoadingProgressChange, TChromium& sender, Ref<ICefBrowser> browser,
                        double progress);

  // ---- Downloads, dialogs ----
  OSTREL_CHROMIUM_EVENT(TOnBeforeDownload, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefDownloadItem> downloadItem, const ustring& suggestedName,
                        Ref<ICefBeforeDownloadCallback> callback);
  OSTREL_CHROMIUM_EVENT(TOnDownloadUpdated, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefDownloadItem> downloadItem, Ref<ICefDownloadItemCallback> callback);
  OSTREL_CHROMIUM_EVENT(TOnJsdialog, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& originUrl, cef_jsdialog_type_t dialogType,
                        const ustring& messageText, const ustring& defaultPromptText,
                        Ref<ICefJsDialogCallback> callback, bool& suppressMessage, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnBeforeUnloadDialog, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& messageText, bool isReload,
                        Ref<ICefJsDialogCallback> callback, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnResetDialogState, TChromium& sender, Ref<ICefBrowser> browser);
  OSTREL_CHROMIUM_EVENT(TOnDialogClosed, TChromium& sender, Ref<ICefBrowser> browser);
  OSTREL_CHROMIUM_EVENT(TOnFileDialog, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_file_dialog_mode_t mode, const ustring& title,
                        const ustring& defaultFilePath, const std::vector<ustring>& acceptFilters,
                        int selectedAcceptFilter, Ref<ICefFileDialogCallback> callback,
                        bool& result);

  // ---- Requests ----
  OSTREL_CHROMIUM_EVENT(TOnBeforeBrowse, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, bool userGesture,
                        bool isRedirect, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnOpenUrlFromTab, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, const ustring& targetUrl,
                        cef_window_open_disposition_t targetDisposition, bool userGesture,
                        bool& result);
  OSTREL_CHROMIUM_EVENT(TOnGetResourceRequestHandler, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, bool isNavigation,
                        bool isDownload, const ustring& requestInitiator,
                        bool& disableDefaultHandling,
                        CefRefPtr<ICefResourceRequestHandler>& externalHandler,
                        bool& useInternalHandler);
  OSTREL_CHROMIUM_EVENT(TOnGetAuthCredentials, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& originUrl, bool isProxy, const ustring& host, int port,
                        const ustring& realm, const ustring& scheme, Ref<ICefAuthCallback> callback,
                        bool& result);
  OSTREL_CHROMIUM_EVENT(TOnQuotaRequest, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& originUrl, int64_t newSize,
                        Ref<ICefRequestCallback> callback, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnCertificateError, TChromium& sender, Ref<ICefBrowser> browser,
                        int certError, const ustring& requestUrl, Ref<ICefSslInfo> sslInfo,
                        Ref<ICefRequestCallback> callback, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnSelectClientCertificate, TChromium& sender, Ref<ICefBrowser> browser,
                        bool isProxy, const ustring& host, int port,
                        const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
                        Ref<ICefSelectClientCertificateCallback> callback, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnPluginCrashed, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& pluginPath);
  OSTREL_CHROMIUM_EVENT(TOnRenderViewReady, TChromium& sender, Ref<ICefBrowser> browser);
  OSTREL_CHROMIUM_EVENT(TOnRenderProcessTerminated, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_termination_status_t status);

  // ---- Resource requests, cookies ----
  OSTREL_CHROMIUM_EVENT(TOnBeforeResourceLoad, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request,
                        Ref<ICefRequestCallback> callback, cef_return_value_t& result);
  OSTREL_CHROMIUM_EVENT(TOnGetResourceHandler, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request,
                        CefRefPtr<ICefBaseRefCounted>& resourceHandler);
  OSTREL_CHROMIUM_EVENT(TOnResourceRedirect, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, Ref<ICefResponse> response,
                        ustring& newUrl);
  OSTREL_CHROMIUM_EVENT(TOnResourceResponse, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, Ref<ICefResponse> response,
                        bool& result);
  OSTREL_CHROMIUM_EVENT(TOnGetResourceResponseFilter, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, Ref<ICefResponse> response,
                        CefRefPtr<ICefBaseRefCounted>& responseFilter);
  OSTREL_CHROMIUM_EVENT(TOnResourceLoadComplete, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, Ref<ICefResponse> response,
                        cef_urlrequest_status_t status, int64_t receivedContentLength);
  OSTREL_CHROMIUM_EVENT(TOnProtocolExecution, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, bool& allowOsExecution);
  OSTREL_CHROMIUM_EVENT(TOnCanSendCookie, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, const cef_cookie_t* cookie,
                        bool& result);
  OSTREL_CHROMIUM_EVENT(TOnCanSaveCookie, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, Ref<ICefRequest> request, Ref<ICefResponse> response,
                        const cef_cookie_t* cookie, bool& result);

  // ---- Windowless rendering ----
  OSTREL_CHROMIUM_EVENT(TOnGetAccessibilityHandler, TChromium& sender,
                        CefRefPtr<ICefBaseRefCounted>& accessibilityHandler);
  OSTREL_CHROMIUM_EVENT(TOnGetRootScreenRect, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_rect_t* rect, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnGetViewRect, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_rect_t* rect);
  OSTREL_CHROMIUM_EVENT(TOnGetScreenPoint, TChromium& sender, Ref<ICefBrowser> browser, int viewX,
                        int viewY, int& screenX, int& screenY, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnGetScreenInfo, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_screen_info_t* screenInfo, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnPopupShow, TChromium& sender, Ref<ICefBrowser> browser, bool show);
  OSTREL_CHROMIUM_EVENT(TOnPopupSize, TChromium& sender, Ref<ICefBrowser> browser,
                        const cef_rect_t* rect);
  OSTREL_CHROMIUM_EVENT(TOnPaint, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_paint_element_type_t type, size_t dirtyRectsCount,
                        const cef_rect_t* dirtyRects, const void* buffer, int width, int height);
  OSTREL_CHROMIUM_EVENT(TOnAcceleratedPaint, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_paint_element_type_t type, size_t dirtyRectsCount,
                        const cef_rect_t* dirtyRects, void* sharedHandle);
  OSTREL_CHROMIUM_EVENT(TOnCursorChange, TChromium& sender, Ref<ICefBrowser> browser,
                        HCURSOR cursor, cef_cursor_type_t cursorType,
                        const cef_cursor_info_t* customCursorInfo);
  OSTREL_CHROMIUM_EVENT(TOnStartDragging, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefDragData> dragData, cef_drag_operations_mask_t allowedOps, int x,
                        int y, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnUpdateDragCursor, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_drag_operations_mask_t operation);
  OSTREL_CHROMIUM_EVENT(TOnScrollOffsetChanged, TChromium& sender, Ref<ICefBrowser> browser,
                        double x, double y);
  OSTREL_CHROMIUM_EVENT(TOnIMECompositionRangeChanged, TChromium& sender, Ref<ICefBrowser> browser,
                        const cef_range_t* selectedRange, size_t characterBoundsCount,
                        const cef_rect_t* characterBounds);
  OSTREL_CHROMIUM_EVENT(TOnTextSelectionChanged, TChromium& sender, Ref<ICefBrowser> browser,
                        const ustring& selectedText, const cef_range_t* selectedRange);
  OSTREL_CHROMIUM_EVENT(TOnVirtualKeyboardRequested, TChromium& sender, Ref<ICefBrowser> browser,
                        cef_text_input_mode_t inputMode);

  // ---- Drag, find ----
  OSTREL_CHROMIUM_EVENT(TOnDragEnter, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefDragData> dragData, cef_drag_operations_mask_t mask, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnDraggableRegionsChanged, TChromium& sender, Ref<ICefBrowser> browser,
                        Ref<ICefFrame> frame, size_t regionsCount,
                        const cef_draggable_region_t* regions);
  OSTREL_CHROMIUM_EVENT(TOnFindResult, TChromium& sender, Ref<ICefBrowser> browser, int identifier,
                        int count, const cef_rect_t* selectionRect, int activeMatchOrdinal,
                        bool finalUpdate);

  // ---- Request context ----
  OSTREL_CHROMIUM_EVENT(TOnRequestContextInitialized, TChromium& sender,
                        Ref<ICefRequestContext> requestContext);
  OSTREL_CHROMIUM_EVENT(TOnBeforePluginLoad, TChromium& sender, const ustring& mimeType,
                        const ustring& pluginUrl, bool isMainFrame, const ustring& topOriginUrl,
                        Ref<ICefWebPluginInfo> pluginInfo, cef_plugin_policy_t& pluginPolicy,
                        bool& result);

  // ---- Asynchronous results and tasks ----
  OSTREL_CHROMIUM_EVENT(TNotifyEvent, TChromium& sender);
  OSTREL_CHROMIUM_EVENT(TOnTextResultAvailableEvent, TChromium& sender, const ustring& text);
  OSTREL_CHROMIUM_EVENT(TOnPdfPrintFinishedEvent, TChromium& sender, bool resultOK);
  OSTREL_CHROMIUM_EVENT(TOnPrefsAvailableEvent, TChromium& sender, bool resultOK);
  // `resolvedIps` lives only during the event.
  OSTREL_CHROMIUM_EVENT(TOnResolvedIPsAvailableEvent, TChromium& sender, int result,
                        const std::vector<ustring>& resolvedIps);
  OSTREL_CHROMIUM_EVENT(TOnNavigationVisitorResultAvailableEvent, Ref<ICefNavigationEntry> entry,
                        bool current, int index, int total, bool& result);
  OSTREL_CHROMIUM_EVENT(TOnDownloadImageFinishedEvent, TChromium& sender, const ustring& imageUrl,
                        int httpStatusCode, Ref<ICefImage> image);
  OSTREL_CHROMIUM_EVENT(TOnCookiesDeletedEvent, TChromium& sender, int numDeleted);
  OSTREL_CHROMIUM_EVENT(TOnExecuteTaskOnCefThread, TChromium& sender, uint32_t taskId);

  // ---- Messages of the engine's windows ----
  OSTREL_CHROMIUM_EVENT(TOnCompMsgEvent, TMessage& message, bool& handled);
};

#undef OSTREL_CHROMIUM_EVENT

#endif  // OSTREL_BROWSER_CHROMIUM_EVENT_TYPES_H_
