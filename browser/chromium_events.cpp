// The browser control's side of IChromiumEvents: each notification becomes its published event.
// An unassigned event leaves the engine's default answer. Nothing here catches what an event
// handler throws (handlers take care of their own exceptions).

#include "browser/chromium.h"
#include "browser/chromium_raise.h"

using chromium_raise::Ask;
using chromium_raise::Raise;

bool TChromium::HandleProcessMessageReceived(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                             cef_process_id_t sourceProcess,
                                             Ref<ICefProcessMessage> message) {
  return Ask(false, OnProcessMessageReceived, *this, browser, frame, sourceProcess, message);
}

// ---- Load, focus ----

void TChromium::HandleLoadingStateChange(Ref<ICefBrowser> browser, bool isLoading, bool canGoBack,
                                         bool canGoForward) {
  Raise(OnLoadingStateChange, *this, browser, isLoading, canGoBack, canGoForward);
}

void TChromium::HandleLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                cef_transition_type_t transitionType) {
  Raise(OnLoadStart, *this, browser, frame, transitionType);
}

void TChromium::HandleLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, int httpStatusCode) {
  Raise(OnLoadEnd, *this, browser, frame, httpStatusCode);
}

void TChromium::HandleLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                cef_errorcode_t errorCode, const ustring& errorText,
                                const ustring& failedUrl) {
  Raise(OnLoadError, *this, browser, frame, static_cast<int>(errorCode), errorText, failedUrl);
}

void TChromium::HandleTakeFocus(Ref<ICefBrowser> browser, bool next) {
  Raise(OnTakeFocus, *this, browser, next);
}

bool TChromium::HandleSetFocus(Ref<ICefBrowser> browser, cef_focus_source_t source) {
  return Ask(false, OnSetFocus, *this, browser, source);
}

void TChromium::HandleGotFocus(Ref<ICefBrowser> browser) { Raise(OnGotFocus, *this, browser); }

// ---- Context menu, keyboard ----

void TChromium::HandleBeforeContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                        Ref<ICefContextMenuParams> params,
                                        Ref<ICefMenuModel> model) {
  Raise(OnBeforeContextMenu, *this, browser, frame, params, model);
}

bool TChromium::HandleRunContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                     Ref<ICefContextMenuParams> params, Ref<ICefMenuModel> model,
                                     Ref<ICefRunContextMenuCallback> callback) {
  return Ask(false, OnRunContextMenu, *this, browser, frame, params, model, callback);
}

bool TChromium::HandleContextMenuCommand(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                         Ref<ICefContextMenuParams> params, int commandId,
                                         cef_event_flags_t eventFlags) {
  return Ask(false, OnContextMenuCommand, *this, browser, frame, params, commandId, eventFlags);
}

void TChromium::HandleContextMenuDismissed(Ref<ICefBrowser> browser, Ref<ICefFrame> frame) {
  Raise(OnContextMenuDismissed, *this, browser, frame);
}

bool TChromium::HandlePreKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event,
                                  MSG* osEvent, bool& isKeyboardShortcut) {
  bool result = false;
  Raise(OnPreKeyEvent, *this, browser, event, osEvent, isKeyboardShortcut, result);
  return result;
}

bool TChromium::HandleKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event,
                               MSG* osEvent) {
  return Ask(false, OnKeyEvent, *this, browser, event, osEvent);
}

// ---- Display ----

void TChromium::HandleAddressChange(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                    const ustring& url) {
  Raise(OnAddressChange, *this, browser, frame, url);
}

void TChromium::HandleTitleChange(Ref<ICefBrowser> browser, const ustring& title) {
  Raise(OnTitleChange, *this, browser, title);
}

void TChromium::HandleFavIconUrlChange(Ref<ICefBrowser> browser,
                                       const std::vector<ustring>& iconUrls) {
  Raise(OnFavIconUrlChange, *this, browser, iconUrls);
}

void TChromium::HandleFullScreenModeChange(Ref<ICefBrowser> browser, bool fullscreen) {
  Raise(OnFullScreenModeChange, *this, browser, fullscreen);
}

bool TChromium::HandleTooltip(Ref<ICefBrowser> browser, ustring& text) {
  return Ask(false, OnTooltip, *this, browser, text);
}

void TChromium::HandleStatusMessage(Ref<ICefBrowser> browser, const ustring& value) {
  Raise(OnStatusMessage, *this, browser, value);
}

bool TChromium::HandleConsoleMessage(Ref<ICefBrowser> browser, cef_log_severity_t level,
                                     const ustring& message, const ustring& source, int line) {
  return Ask(false, OnConsoleMessage, *this, browser, level, message, source, line);
}

bool TChromium::HandleAutoResize(Ref<ICefBrowser> browser, const cef_size_t* newSize) {
  return Ask(false, OnAutoResize, *this, browser, newSize);
}

void TChromium::HandleLoadingProgressChange(Ref<ICefBrowser> browser, double progress) {
  Raise(OnLoadingProgressChange, *this, browser, progress);
}

// ---- Downloads, JavaScript dialogs, file dialogs ----

void TChromium::HandleBeforeDownload(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                                     const ustring& suggestedName,
                                     Ref<ICefBeforeDownloadCallback> callback) {
  Raise(OnBeforeDownload, *this, browser, downloadItem, suggestedName, callback);
}

void TChromium::HandleDownloadUpdated(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                                      Ref<ICefDownloadItemCallback> callback) {
  Raise(OnDownloadUpdated, *this, browser, downloadItem, callback);
}

bool TChromium::HandleJsdialog(Ref<ICefBrowser> browser, const ustring& originUrl,
                               cef_jsdialog_type_t dialogType, const ustring& messageText,
                               const ustring& defaultPromptText, Ref<ICefJsDialogCallback> callback,
                               bool& suppressMessage) {
  // No dialog of a browser being created or closed reaches the user.
  suppressMessage = !Initialized();
  if (suppressMessage) return false;
  bool result = false;
  Raise(OnJsdialog, *this, browser, originUrl, dialogType, messageText, defaultPromptText, callback,
        suppressMessage, result);
  return result;
}

bool TChromium::HandleBeforeUnloadDialog(Ref<ICefBrowser> browser, const ustring& messageText,
                                         bool isReload, Ref<ICefJsDialogCallback> callback) {
  return Ask(false, OnBeforeUnloadDialog, *this, browser, messageText, isReload, callback);
}

void TChromium::HandleResetDialogState(Ref<ICefBrowser> browser) {
  Raise(OnResetDialogState, *this, browser);
}

void TChromium::HandleDialogClosed(Ref<ICefBrowser> browser) {
  Raise(OnDialogClosed, *this, browser);
}

bool TChromium::HandleFileDialog(Ref<ICefBrowser> browser, cef_file_dialog_mode_t mode,
                                 const ustring& title, const ustring& defaultFilePath,
                                 const std::vector<ustring>& acceptFilters,
                                 int selectedAcceptFilter, Ref<ICefFileDialogCallback> callback) {
  return Ask(false, OnFileDialog, *this, browser, mode, title, defaultFilePath, acceptFilters,
             selectedAcceptFilter, callback);
}

// ---- Pop-ups (the rest of the life span is in chromium.cpp) ----

bool TChromium::HandleBeforePopup(
    Ref<ICefBrowser> browser, Ref<ICefFrame> frame, const ustring& targetUrl,
    const ustring& targetFrameName, cef_window_open_disposition_t targetDisposition,
    bool userGesture, const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
    CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
    CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJavascriptAccess) {
  return Ask(false, OnBeforePopup, *this, browser, frame, targetUrl, targetFrameName,
             targetDisposition, userGesture, popupFeatures, windowInfo, client, settings, extraInfo,
             noJavascriptAccess);
}

// ---- Requests ----

bool TChromium::HandleBeforeBrowse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                   Ref<ICefRequest> request, bool userGesture, bool isRedirect) {
  if (FUpdatePreferences) ApplyPreferences(browser);
  return Ask(false, OnBeforeBrowse, *this, browser, frame, request, userGesture, isRedirect);
}

bool TChromium::HandleOpenUrlFromTab(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                     const ustring& targetUrl,
                                     cef_window_open_disposition_t targetDisposition,
                                     bool userGesture) {
  return Ask(false, OnOpenUrlFromTab, *this, browser, frame, targetUrl, targetDisposition,
             userGesture);
}

void TChromium::HandleGetResourceRequestHandler(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                Ref<ICefRequest> request, bool isNavigation,
                                                bool isDownload, const ustring& requestInitiator,
                                                bool& disableDefaultHandling,
                                                CefRefPtr<ICefResourceRequestHandler>& handler,
                                                bool& useInternalHandler) {
  Raise(OnGetResourceRequestHandler, *this, browser, frame, request, isNavigation, isDownload,
        requestInitiator, disableDefaultHandling, handler, useInternalHandler);
}

bool TChromium::HandleGetAuthCredentials(Ref<ICefBrowser> browser, const ustring& originUrl,
                                         bool isProxy, const ustring& host, int port,
                                         const ustring& realm, const ustring& scheme,
                                         Ref<ICefAuthCallback> callback) {
  // Proxies are the control's business, not the page's: their challenges raise no event.
  if (isProxy) return AnswerProxyChallenge(callback);
  return Ask(false, OnGetAuthCredentials, *this, browser, originUrl, isProxy, host, port, realm,
             scheme, callback);
}

bool TChromium::HandleQuotaRequest(Ref<ICefBrowser> browser, const ustring& originUrl,
                                   int64_t newSize, Ref<ICefRequestCallback> callback) {
  return Ask(false, OnQuotaRequest, *this, browser, originUrl, newSize, callback);
}

bool TChromium::HandleCertificateError(Ref<ICefBrowser> browser, cef_errorcode_t certError,
                                       const ustring& requestUrl, Ref<ICefSslInfo> sslInfo,
                                       Ref<ICefRequestCallback> callback) {
  return Ask(false, OnCertificateError, *this, browser, static_cast<int>(certError), requestUrl,
             sslInfo, callback);
}

bool TChromium::HandleSelectClientCertificate(
    Ref<ICefBrowser> browser, bool isProxy, const ustring& host, int port,
    const std::vector<CefRefPtr<ICefX509Certificate>>& certificates,
    Ref<ICefSelectClientCertificateCallback> callback) {
  return Ask(false, OnSelectClientCertificate, *this, browser, isProxy, host, port, certificates,
             callback);
}

void TChromium::HandlePluginCrashed(Ref<ICefBrowser> browser, const ustring& pluginPath) {
  Raise(OnPluginCrashed, *this, browser, pluginPath);
}

void TChromium::HandleRenderViewReady(Ref<ICefBrowser> browser) {
  HookEngineWindows(browser);
  Raise(OnRenderViewReady, *this, browser);
}

void TChromium::HandleRenderProcessTerminated(Ref<ICefBrowser> browser,
                                              cef_termination_status_t status) {
  Raise(OnRenderProcessTerminated, *this, browser, status);
}

// ---- Resource requests, cookies ----

cef_return_value_t TChromium::HandleBeforeResourceLoad(Ref<ICefBrowser> browser,
                                                       Ref<ICefFrame> frame,
                                                       Ref<ICefRequest> request,
                                                       Ref<ICefRequestCallback> callback) {
  PrepareRequest(request);
  return Ask(RV_CONTINUE, OnBeforeResourceLoad, *this, browser, frame, request, callback);
}

CefRefPtr<ICefBaseRefCounted> TChromium::HandleGetResourceHandler(Ref<ICefBrowser> browser,
                                                                  Ref<ICefFrame> frame,
                                                                  Ref<ICefRequest> request) {
  return Ask(CefRefPtr<ICefBaseRefCounted>(), OnGetResourceHandler, *this, browser, frame, request);
}

void TChromium::HandleResourceRedirect(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                       Ref<ICefRequest> request, Ref<ICefResponse> response,
                                       ustring& newUrl) {
  Raise(OnResourceRedirect, *this, browser, frame, request, response, newUrl);
}

bool TChromium::HandleResourceResponse(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                       Ref<ICefRequest> request, Ref<ICefResponse> response) {
  return Ask(false, OnResourceResponse, *this, browser, frame, request, response);
}

CefRefPtr<ICefBaseRefCounted> TChromium::HandleGetResourceResponseFilter(
    Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request,
    Ref<ICefResponse> response) {
  return Ask(CefRefPtr<ICefBaseRefCounted>(), OnGetResourceResponseFilter, *this, browser, frame,
             request, response);
}

void TChromium::HandleResourceLoadComplete(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                           Ref<ICefRequest> request, Ref<ICefResponse> response,
                                           cef_urlrequest_status_t status,
                                           int64_t receivedContentLength) {
  Raise(OnResourceLoadComplete, *this, browser, frame, request, response, status,
        receivedContentLength);
}

void TChromium::HandleProtocolExecution(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                        Ref<ICefRequest> request, bool& allowOsExecution) {
  Raise(OnProtocolExecution, *this, browser, frame, request, allowOsExecution);
}

bool TChromium::HandleCanSendCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                    Ref<ICefRequest> request, const cef_cookie_t* cookie) {
  return Ask(true, OnCanSendCookie, *this, browser, frame, request, cookie);
}

bool TChromium::HandleCanSaveCookie(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                    Ref<ICefRequest> request, Ref<ICefResponse> response,
                                    const cef_cookie_t* cookie) {
  return Ask(true, OnCanSaveCookie, *this, browser, frame, request, response, cookie);
}

// ---- Request context ----

void TChromium::HandleRequestContextInitialized(Ref<ICefRequestContext> requestContext) {
  Raise(OnRequestContextInitialized, *this, requestContext);
}

bool TChromium::HandleBeforePluginLoad(const ustring& mimeType, const ustring& pluginUrl,
                                       bool isMainFrame, const ustring& topOriginUrl,
                                       Ref<ICefWebPluginInfo> pluginInfo,
                                       cef_plugin_policy_t& pluginPolicy) {
  return Ask(false, OnBeforePluginLoad, *this, mimeType, pluginUrl, isMainFrame, topOriginUrl,
             pluginInfo, pluginPolicy);
}

void TChromium::HandleContextGetResourceRequestHandler(Ref<ICefBrowser>, Ref<ICefFrame>,
                                                       Ref<ICefRequest>, bool, bool, const ustring&,
                                                       bool&,
                                                       CefRefPtr<ICefResourceRequestHandler>&) {
  // The browser's own request handler answers for its requests; the context adds nothing.
}
