#ifndef OSTREL_ENGINE_ROUTING_CHROMIUM_EVENTS_H_
#define OSTREL_ENGINE_ROUTING_CHROMIUM_EVENTS_H_

// How the handler objects, tasks and asynchronous callbacks of one browser control report to it.
// The browser control implements every operation; handler objects keep an uncounted pointer to
// it, so the control's life is not governed by these calls. Each operation takes the engine
// callback's arguments already converted and returns the engine callback's result. Operations
// run on the engine thread that delivered the notification.
//
// The order of the operations is fixed: handler objects and the control are written against it.

#include <cstdint>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefFrame;
class ICefProcessMessage;
class ICefContextMenuParams;
class ICefMenuModel;
class ICefRunContextMenuCallback;
class ICefDownloadItem;
class ICefBeforeDownloadCallback;
class ICefDownloadItemCallback;
class ICefJsDialogCallback;
class ICefDictionaryValue;
class ICefRequest;
class ICefResponse;
class ICefRequestCallback;
class ICefAuthCallback;
class ICefSslInfo;
class ICefX509Certificate;
class ICefSelectClientCertificateCallback;
class ICefResourceRequestHandler;
class ICefFileDialogCallback;
class ICefDragData;
class ICefRequestContext;
class ICefWebPluginInfo;
class ICefNavigationEntry;
class ICefImage;

class IChromiumEvents {
 public:
  IChromiumEvents(const IChromiumEvents&) = delete;
  IChromiumEvents& operator=(const IChromiumEvents&) = delete;

  virtual void FillBrowserSettings(cef_browser_settings_t* settings) = 0;

  // Client
  virtual bool HandleProcessMessageReceived(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                            cef_process_id_t sourceProcess,
                                            Ref<ICefProcessMessage> message) = 0;

  // Load handler
  virtual void HandleLoadingStateChange(Ref<ICefBrowser> browser, bool isLoading, bool canGoBack,
                                        bool canGoForward) = 0;
  virtual void HandleLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                               cef_transition_type_t transitionType) = 0;
  virtual void HandleLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                             int httpStatusCode) = 0;
  virtual void HandleLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                               cef_errorcode_t errorCode, const ustring& errorText,
                               const ustring& failedUrl) = 0;

  // Focus handler
  virtual void HandleTakeFocus(Ref<ICefBrowser> browser, bool next) = 0;
  virtual bool HandleSetFocus(Ref<ICefBrowser> browser, cef_focus_source_t source) = 0;
  virtual void HandleGotFocus(Ref<ICefBrowser> browser) = 0;

  // Context menu handler
  virtual void HandleBeforeContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                       Ref<ICefContextMenuParams> params,
                                       Ref<ICefMenuModel> model) = 0;
  virtual bool HandleRunContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                    Ref<ICefContextMenuParams> params, Ref<ICefMenuModel> model,
                                    Ref<ICefRunContextMenuCallback> callback) = 0;
  virtual bool HandleContextMenuCommand(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                        Ref<ICefContextMenuParams> params, int commandId,
                                        cef_event_flags_t eventFlags) = 0;
  virtual void HandleContextMenuDismissed(Ref<ICefBrowser> browser, Ref<ICefFrame> frame) = 0;

  // Keyboard handler
  virtual bool HandlePreKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event,
                                 MSG* osEvent, bool& isKeyboardShortcut) = 0;
  virtual bool HandleKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event,
                              MSG* osEvent) = 0;

  // Display handler
  virtual void HandleAddressChange(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                   const ustring& url) = 0;
  virtual void HandleTitleChange(Ref<ICefBrowser> browser, const ustring& title) = 0;
  virtual void HandleFavIconUrlChange(Ref<ICefBrowser> browser,
                                      const std::vector<ustring>& iconUrls) = 0;
  virtual void HandleFullScreenModeChange(Ref<ICefBrowser> browser, bool fullscreen) = 0;
  virtual bool HandleTooltip(Ref<ICefBrowser> browser, ustring& text) = 0;
  virtual void HandleStatusMessage(Ref<ICefBrowser> browser, const ustring& value) = 0;
  virtual bool HandleConsoleMessage(Ref<ICefBrowser> browser, cef_log_severity_t level,
                                    const ustring& message, const ustring& source, int line) = 0;
  virtual bool HandleAutoResize(Ref<ICefBrowser> browser, const cef_size_t* newSize) = 0;
  virtual void HandleLoadingProgressChange(Ref<ICefBrowser> browser, double progress) = 0;

  // Download handler
  virtual void HandleBeforeDownload(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                                    const ustring& suggestedName,
                                    Ref<ICefBeforeDownloadCallback> callback) = 0;
  virtual void HandleDownloadUpdated(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                                     Ref<ICefDownloadItemCallback> callback) = 0;

  // JavaScript dialog handler
  virtual bool HandleJsdialog(Ref<ICefBrowser> browser, const ustring& originUrl,
                              cef_jsdialog_type_t dialogType, const ustring& messageText,
                              const ustring& defaultPromptText, Ref<ICefJsDialogCallback> callback,
                              bool& suppressMessage) = 0;
  virtual bool HandleBeforeUnloadDialog(Ref<ICefBrowser> browser, const ustring& messageText,
                                        bool isReload, Ref<ICefJsDialogCallback> callback) = 0;
  virtual void HandleResetDialogState(Ref<ICefBrowser> browser) = 0;
  virtual void HandleDialogClosed(Ref<ICefBrowser> browser) = 0;

  // Life span handler
  virtual bool HandleBeforePopup(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, const ustring& targetUrl,
      const ustring& targetFrameName, cef_window_open_disposition_t targetDisposition,
      bool userGesture, const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
      CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
      CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJavascriptAccess) = 0;
  virtual void HandleAfterCreated(Ref<ICefBrowser> browser) = 0;
  virtual void HandleBeforeClose(Ref<ICefBrowser> browser) = 0;
  // The engine's do-close answer: true keeps the engine from closing the window now.
  virtual bool HandleClose(Ref<ICefBrowser> browser) = 0;

  // Request handler
  virtual bool HandleBeforeBrowse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                  Ref<ICefRequest> request, bool userGesture, bool isRedirect) = 0;
  virtual bool HandleOpenUrlFromTab(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                    const ustring& targetUrl,
                                    cef_window_open_disposition_t targetDisposition,
                                    bool userGesture) = 0;
  // `useInternalHandler` arrives true; left true, the request handler answers with its own
  // resource request handler, cleared, with `handler`.
  virtual void HandleGetResourceRequestHandler(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                               Ref<ICefRequest> request, bool isNavigation,
                                               bool isDownload, const ustring& requestInitiator,
                                               bool& disableDefaultHandling,
                                               CefRefPtr<ICefResourceRequestHandler>& handler,
                                               bool& useInternalHandler) = 0;
  virtual bool HandleGetAuthCredentials(Ref<ICefBrowser> browser, const ustring& originUrl,
                                        bool isProxy, const ustring& host, int port,
                                        const ustring& realm, const ustring& scheme,
                                        Ref<ICefAuthCallback> callback) = 0;
  virtual bool HandleQuotaRequest(Ref<ICefBrowser> browser, const ustring& originUrl,
                                  int64_t newSize, Ref<ICefRequestCallback> callback) = 0;
  virtual bool HandleCertificateError(Ref<ICefBrowser> browser, cef_errorcode_t certError,
                                      const ustring& requestUrl, Ref<ICefSslInfo> sslInfo,
                                      Ref<ICefRequestCallback> callback) = 0;
  virtual bool HandleSelectClientCertificate(
      Ref<ICefBrowser> browser, bool isProxy, const ustring& host, int port,
      const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
      Ref<ICefSelectClientCertificateCallback> callback) = 0;
  virtual void HandlePluginCrashed(Ref<ICefBrowser> browser, const ustring& pluginPath) = 0;
  virtual void HandleRenderViewReady(Ref<ICefBrowser> browser) = 0;
  virtual void HandleRenderProcessTerminated(Ref<ICefBrowser> browser,
                                             cef_termination_status_t status) = 0;

  // Resource request handler
  virtual cef_return_value_t HandleBeforeResourceLoad(Ref<ICefBrowser> browser,
                                                      Ref<ICefFrame> frame,
                                                      Ref<ICefRequest> request,
                                                      Ref<ICefRequestCallback> callback) = 0;
  virtual CefRefPtr<ICefBaseRefCounted> HandleGetResourceHandler(Ref<ICefBrowser> browser,
                                                                 Ref<ICefFrame> frame,
                                                                 Ref<ICefRequest> request) = 0;
  virtual void HandleResourceRedirect(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                      Ref<ICefRequest> request, Ref<ICefResponse> response,
                                      ustring& newUrl) = 0;
  virtual bool HandleResourceResponse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                      Ref<ICefRequest> request, Ref<ICefResponse> response) = 0;
  virtual CefRefPtr<ICefBaseRefCounted> HandleGetResourceResponseFilter(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
      Ref<ICefResponse> response) = 0;
  virtual void HandleResourceLoadComplete(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                          Ref<ICefRequest> request, Ref<ICefResponse> response,
                                          cef_urlrequest_status_t status,
                                          int64_t receivedContentLength) = 0;
  virtual void HandleProtocolExecution(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                       Ref<ICefRequest> request, bool& allowOsExecution) = 0;

  // Cookie access filter
  virtual bool HandleCanSendCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                   Ref<ICefRequest> request, const cef_cookie_t* cookie) = 0;
  virtual bool HandleCanSaveCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                   Ref<ICefRequest> request, Ref<ICefResponse> response,
                                   const cef_cookie_t* cookie) = 0;

  // Dialog handler
  virtual bool HandleFileDialog(Ref<ICefBrowser> browser, cef_file_dialog_mode_t mode,
                                const ustring& title, const ustring& defaultFilePath,
                                const std::vector<ustring>& acceptFilters, int selectedAcceptFilter,
                                Ref<ICefFileDialogCallback> callback) = 0;

  // Render handler (windowless browsers only)
  virtual CefRefPtr<ICefBaseRefCounted> HandleGetAccessibilityHandler() = 0;
  virtual bool HandleGetRootScreenRect(Ref<ICefBrowser> browser, cef_rect_t* rect) = 0;
  virtual void HandleGetViewRect(Ref<ICefBrowser> browser, cef_rect_t* rect) = 0;
  virtual bool HandleGetScreenPoint(Ref<ICefBrowser> browser, int viewX, int viewY, int& screenX,
                                    int& screenY) = 0;
  virtual bool HandleGetScreenInfo(Ref<ICefBrowser> browser, cef_screen_info_t* screenInfo) = 0;
  virtual void HandlePopupShow(Ref<ICefBrowser> browser, bool show) = 0;
  virtual void HandlePopupSize(Ref<ICefBrowser> browser, const cef_rect_t* rect) = 0;
  virtual void HandlePaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type,
                           size_t dirtyRectsCount, const cef_rect_t* dirtyRects, const void* buffer,
                           int width, int height) = 0;
  virtual void HandleAcceleratedPaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type,
                                      size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
                                      void* sharedHandle) = 0;
  virtual void HandleCursorChange(Ref<ICefBrowser> browser, HCURSOR cursor, cef_cursor_type_t type,
                                  const cef_cursor_info_t* customCursorInfo) = 0;
  virtual bool HandleStartDragging(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                                   cef_drag_operations_mask_t allowedOps, int x, int y) = 0;
  virtual void HandleUpdateDragCursor(Ref<ICefBrowser> browser,
                                      cef_drag_operations_mask_t operation) = 0;
  virtual void HandleScrollOffsetChanged(Ref<ICefBrowser> browser, double x, double y) = 0;
  virtual void HandleIMECompositionRangeChanged(Ref<ICefBrowser> browser,
                                                const cef_range_t* selectedRange,
                                                size_t characterBoundsCount,
                                                const cef_rect_t* characterBounds) = 0;
  virtual void HandleTextSelectionChanged(Ref<ICefBrowser> browser, const ustring& selectedText,
                                          const cef_range_t* selectedRange) = 0;
  virtual void HandleVirtualKeyboardRequested(Ref<ICefBrowser> browser,
                                              cef_text_input_mode_t inputMode) = 0;

  // Drag handler
  virtual bool HandleDragEnter(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                               cef_drag_operations_mask_t mask) = 0;
  virtual void HandleDraggableRegionsChanged(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                             size_t regionsCount,
                                             const cef_draggable_region_t* regions) = 0;

  // Find handler
  virtual void HandleFindResult(Ref<ICefBrowser> browser, int identifier, int count,
                                const cef_rect_t* selectionRect, int activeMatchOrdinal,
                                bool finalUpdate) = 0;

  // Request context handler
  virtual void HandleRequestContextInitialized(Ref<ICefRequestContext> requestContext) = 0;
  // True: the policy was changed.
  virtual bool HandleBeforePluginLoad(const ustring& mimeType, const ustring& pluginUrl,
                                      bool isMainFrame, const ustring& topOriginUrl,
                                      Ref<ICefWebPluginInfo> pluginInfo,
                                      cef_plugin_policy_t& pluginPolicy) = 0;
  virtual void HandleContextGetResourceRequestHandler(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request, bool isNavigation,
      bool isDownload, const ustring& requestInitiator, bool& disableDefaultHandling,
      CefRefPtr<ICefResourceRequestHandler>& handler) = 0;

  // Asynchronous results and tasks
  virtual void HandleCookiesDeleted(int numDeleted) = 0;
  virtual void HandlePdfPrintFinished(const ustring& path, bool ok) = 0;
  virtual void HandleTextResultAvailable(const ustring& text) = 0;
  virtual void ApplyPreferences(Ref<ICefBrowser> browser) = 0;
  virtual void RunUpdatePreferencesTask() = 0;
  virtual bool Internal_SavePreferences() = 0;
  virtual void HandleResolvedHostAvailable(cef_errorcode_t result,
                                           const std::vector<ustring>& resolvedIps) = 0;
  // True continues the visit.
  virtual bool HandleNavigationVisitorResult(Ref<ICefNavigationEntry> entry, bool current,
                                             int index, int total) = 0;
  virtual void HandleDownloadImageFinished(const ustring& imageUrl, int httpStatusCode,
                                           Ref<ICefImage> image) = 0;
  virtual void HandleCookiesFlushed() = 0;
  virtual void HandleCertificateExceptionsCleared() = 0;
  virtual void HandleHttpAuthCredentialsCleared() = 0;
  virtual void HandleAllConnectionsClosed() = 0;
  virtual void HandleExecuteTaskOnCefThread(uint32_t taskId) = 0;

  // Which handler objects the client creates; asked only while they are being created.
  virtual bool WantsLoadHandler() = 0;
  virtual bool WantsFocusHandler() = 0;
  virtual bool WantsContextMenuHandler() = 0;
  virtual bool WantsDialogHandler() = 0;
  virtual bool WantsKeyboardHandler() = 0;
  virtual bool WantsDisplayHandler() = 0;
  virtual bool WantsDownloadHandler() = 0;
  virtual bool WantsJsDialogHandler() = 0;
  virtual bool WantsLifeSpanHandler() = 0;
  virtual bool WantsRenderHandler() = 0;
  virtual bool WantsRequestHandler() = 0;
  virtual bool WantsDragHandler() = 0;
  virtual bool WantsFindHandler() = 0;
  virtual bool WantsResourceRequestHandler() = 0;
  virtual bool WantsCookieAccessFilter() = 0;

 protected:
  IChromiumEvents() = default;
  ~IChromiumEvents() = default;
};

#endif  // OSTREL_ENGINE_ROUTING_CHROMIUM_EVENTS_H_
