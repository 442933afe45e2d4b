#include "engine/routing/custom_handlers.h"

// ---- Load ----

void TCustomLoadHandler::OnLoadingStateChange(const CefRefPtr<ICefBrowser>& browser, bool isLoading,
                                              bool canGoBack, bool canGoForward) {
  OSTREL_FORWARD_EVENT(HandleLoadingStateChange, OnLoadingStateChange, browser, isLoading,
                       canGoBack, canGoForward);
}

void TCustomLoadHandler::OnLoadStart(const CefRefPtr<ICefBrowser>& browser,
                                     const CefRefPtr<ICefFrame>& frame,
                                     cef_transition_type_t transitionType) {
  OSTREL_FORWARD_EVENT(HandleLoadStart, OnLoadStart, browser, frame, transitionType);
}

void TCustomLoadHandler::OnLoadEnd(const CefRefPtr<ICefBrowser>& browser,
                                   const CefRefPtr<ICefFrame>& frame, int httpStatusCode) {
  OSTREL_FORWARD_EVENT(HandleLoadEnd, OnLoadEnd, browser, frame, httpStatusCode);
}

void TCustomLoadHandler::OnLoadError(const CefRefPtr<ICefBrowser>& browser,
                                     const CefRefPtr<ICefFrame>& frame, cef_errorcode_t errorCode,
                                     const ustring& errorText, const ustring& failedUrl) {
  OSTREL_FORWARD_EVENT(HandleLoadError, OnLoadError, browser, frame, errorCode, errorText,
                       failedUrl);
}

// ---- Focus ----

void TCustomFocusHandler::OnTakeFocus(const CefRefPtr<ICefBrowser>& browser, bool next) {
  OSTREL_FORWARD_EVENT(HandleTakeFocus, OnTakeFocus, browser, next);
}

bool TCustomFocusHandler::OnSetFocus(const CefRefPtr<ICefBrowser>& browser,
                                     cef_focus_source_t source) {
  OSTREL_FORWARD_EVENT(HandleSetFocus, OnSetFocus, browser, source);
}

void TCustomFocusHandler::OnGotFocus(const CefRefPtr<ICefBrowser>& browser) {
  OSTREL_FORWARD_EVENT(HandleGotFocus, OnGotFocus, browser);
}

// ---- Context menu ----

void TCustomContextMenuHandler::OnBeforeContextMenu(const CefRefPtr<ICefBrowser>& browser,
                                                    const CefRefPtr<ICefFrame>& frame,
                                                    const CefRefPtr<ICefContextMenuParams>& params,
                                                    const CefRefPtr<ICefMenuModel>& model) {
  OSTREL_FORWARD_EVENT(HandleBeforeContextMenu, OnBeforeContextMenu, browser, frame, params, model);
}

bool TCustomContextMenuHandler::RunContextMenu(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const CefRefPtr<ICefContextMenuParams>& params, const CefRefPtr<ICefMenuModel>& model,
    const CefRefPtr<ICefRunContextMenuCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleRunContextMenu, RunContextMenu, browser, frame, params, model,
                       callback);
}

bool TCustomContextMenuHandler::OnContextMenuCommand(const CefRefPtr<ICefBrowser>& browser,
                                                     const CefRefPtr<ICefFrame>& frame,
                                                     const CefRefPtr<ICefContextMenuParams>& params,
                                                     int commandId, cef_event_flags_t eventFlags) {
  OSTREL_FORWARD_EVENT(HandleContextMenuCommand, OnContextMenuCommand, browser, frame, params,
                       commandId, eventFlags);
}

void TCustomContextMenuHandler::OnContextMenuDismissed(const CefRefPtr<ICefBrowser>& browser,
                                                       const CefRefPtr<ICefFrame>& frame) {
  OSTREL_FORWARD_EVENT(HandleContextMenuDismissed, OnContextMenuDismissed, browser, frame);
}

// ---- File dialog ----

bool TCustomDialogHandler::OnFileDialog(const CefRefPtr<ICefBrowser>& browser,
                                        cef_file_dialog_mode_t mode, const ustring& title,
                                        const ustring& defaultFilePath,
                                        const std::vector<ustring>& acceptFilters,
                                        int selectedAcceptFilter,
                                        const CefRefPtr<ICefFileDialogCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleFileDialog, OnFileDialog, browser, mode, title, defaultFilePath,
                       acceptFilters, selectedAcceptFilter, callback);
}

// ---- Keyboard ----

bool TCustomKeyboardHandler::OnPreKeyEvent(const CefRefPtr<ICefBrowser>& browser,
                                           const cef_key_event_t* event, MSG* osEvent,
                                           bool& isKeyboardShortcut) {
  OSTREL_FORWARD_EVENT(HandlePreKeyEvent, OnPreKeyEvent, browser, event, osEvent,
                       isKeyboardShortcut);
}

bool TCustomKeyboardHandler::OnKeyEvent(const CefRefPtr<ICefBrowser>& browser,
                                        const cef_key_event_t* event, MSG* osEvent) {
  OSTREL_FORWARD_EVENT(HandleKeyEvent, OnKeyEvent, browser, event, osEvent);
}

// ---- Display ----

void TCustomDisplayHandler::OnAddressChange(const CefRefPtr<ICefBrowser>& browser,
                                            const CefRefPtr<ICefFrame>& frame, const ustring& url) {
  OSTREL_FORWARD_EVENT(HandleAddressChange, OnAddressChange, browser, frame, url);
}

void TCustomDisplayHandler::OnTitleChange(const CefRefPtr<ICefBrowser>& browser,
                                          const ustring& title) {
  OSTREL_FORWARD_EVENT(HandleTitleChange, OnTitleChange, browser, title);
}

void TCustomDisplayHandler::OnFaviconUrlChange(const CefRefPtr<ICefBrowser>& browser,
                                               const std::vector<ustring>& iconUrls) {
  OSTREL_FORWARD_EVENT(HandleFavIconUrlChange, OnFaviconUrlChange, browser, iconUrls);
}

void TCustomDisplayHandler::OnFullscreenModeChange(const CefRefPtr<ICefBrowser>& browser,
                                                   bool fullscreen) {
  OSTREL_FORWARD_EVENT(HandleFullScreenModeChange, OnFullscreenModeChange, browser, fullscreen);
}

bool TCustomDisplayHandler::OnTooltip(const CefRefPtr<ICefBrowser>& browser, ustring& text) {
  OSTREL_FORWARD_EVENT(HandleTooltip, OnTooltip, browser, text);
}

void TCustomDisplayHandler::OnStatusMessage(const CefRefPtr<ICefBrowser>& browser,
                                            const ustring& value) {
  OSTREL_FORWARD_EVENT(HandleStatusMessage, OnStatusMessage, browser, value);
}

bool TCustomDisplayHandler::OnConsoleMessage(const CefRefPtr<ICefBrowser>& browser,
                                             cef_log_severity_t level, const ustring& message,
                                             const ustring& source, int line) {
  OSTREL_FORWARD_EVENT(HandleConsoleMessage, OnConsoleMessage, browser, level, message, source,
                       line);
}

bool TCustomDisplayHandler::OnAutoResize(const CefRefPtr<ICefBrowser>& browser,
                                         const cef_size_t* newSize) {
  OSTREL_FORWARD_EVENT(HandleAutoResize, OnAutoResize, browser, newSize);
}

void TCustomDisplayHandler::OnLoadingProgressChange(const CefRefPtr<ICefBrowser>& browser,
                                                    double progress) {
  OSTREL_FORWARD_EVENT(HandleLoadingProgressChange, OnLoadingProgressChange, browser, progress);
}

// ---- Download ----

void TCustomDownloadHandler::OnBeforeDownload(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefDownloadItem>& downloadItem,
    const ustring& suggestedName, const CefRefPtr<ICefBeforeDownloadCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleBeforeDownload, OnBeforeDownload, browser, downloadItem, suggestedName,
                       callback);
}

void TCustomDownloadHandler::OnDownloadUpdated(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefDownloadItem>& downloadItem,
    const CefRefPtr<ICefDownloadItemCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleDownloadUpdated, OnDownloadUpdated, browser, downloadItem, callback);
}

// ---- JavaScript dialogs ----

bool TCustomJsDialogHandler::OnJsdialog(const CefRefPtr<ICefBrowser>& browser,
                                        const ustring& originUrl, cef_jsdialog_type_t dialogType,
                                        const ustring& messageText,
                                        const ustring& defaultPromptText,
                                        const CefRefPtr<ICefJsDialogCallback>& callback,
                                        bool& suppressMessage) {
  OSTREL_FORWARD_EVENT(HandleJsdialog, OnJsdialog, browser, originUrl, dialogType, messageText,
                       defaultPromptText, callback, suppressMessage);
}

bool TCustomJsDialogHandler::OnBeforeUnloadDialog(const CefRefPtr<ICefBrowser>& browser,
                                                  const ustring& messageText, bool isReload,
                                                  const CefRefPtr<ICefJsDialogCallback>& callback) {
  OSTREL_FORWARD_EVENT(HandleBeforeUnloadDialog, OnBeforeUnloadDialog, browser, messageText,
                       isReload, callback);
}

void TCustomJsDialogHandler::OnResetDialogState(const CefRefPtr<ICefBrowser>& browser) {
  OSTREL_FORWARD_EVENT(HandleResetDialogState, OnResetDialogState, browser);
}

void TCustomJsDialogHandler::OnDialogClosed(const CefRefPtr<ICefBrowser>& browser) {
  OSTREL_FORWARD_EVENT(HandleDialogClosed, OnDialogClosed, browser);
}

// ---- Life span ----

bool TCustomLifeSpanHandler::OnBeforePopup(
    const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
    const ustring& targetUrl, const ustring& targetFrameName,
    cef_window_open_disposition_t targetDisposition, bool userGesture,
    const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
    CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
    CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJavascriptAccess) {
  OSTREL_FORWARD_EVENT(HandleBeforePopup, OnBeforePopup, browser, frame, targetUrl, targetFrameName,
                       targetDisposition, userGesture, popupFeatures, windowInfo, client, settings,
                       extraInfo, noJavascriptAccess);
}

void TCustomLifeSpanHandler::OnAfterCreated(const CefRefPtr<ICefBrowser>& browser) {
  OSTREL_FORWARD_EVENT(HandleAfterCreated, OnAfterCreated, browser);
}

bool TCustomLifeSpanHandler::DoClose(const CefRefPtr<ICefBrowser>& browser) {
  OSTREL_FORWARD_EVENT(HandleClose, DoClose, browser);
}

void TCustomLifeSpanHandler::OnBeforeClose(const CefRefPtr<ICefBrowser>& browser) {
  OSTREL_FORWARD_EVENT(HandleBeforeClose, OnBeforeClose, browser);
}

// ---- Render (windowless browsers) ----

CefRefPtr<ICefBaseRefCounted> TCustomRenderHandler::GetAccessibilityHandler() {
  OSTREL_FORWARD_EVENT(HandleGetAccessibilityHandler, GetAccessibilityHandler);
}

bool TCustomRenderHandler::GetRootScreenRect(const CefRefPtr<ICefBrowser>& browser,
                                             cef_rect_t* rect) {
  OSTREL_FORWARD_EVENT(HandleGetRootScreenRect, GetRootScreenRect, browser, rect);
}

void TCustomRenderHandler::GetViewRect(const CefRefPtr<ICefBrowser>& browser, cef_rect_t* rect) {
  OSTREL_FORWARD_EVENT(HandleGetViewRect, GetViewRect, browser, rect);
}

bool TCustomRenderHandler::GetScreenPoint(const CefRefPtr<ICefBrowser>& browser, int viewX,
                                          int viewY, int& screenX, int& screenY) {
  OSTREL_FORWARD_EVENT(HandleGetScreenPoint, GetScreenPoint, browser, viewX, viewY, screenX,
                       screenY);
}

bool TCustomRenderHandler::GetScreenInfo(const CefRefPtr<ICefBrowser>& browser,
                                         cef_screen_info_t* screenInfo) {
  OSTREL_FORWARD_EVENT(HandleGetScreenInfo, GetScreenInfo, browser, screenInfo);
}

void TCustomRenderHandler::OnPopupShow(const CefRefPtr<ICefBrowser>& browser, bool show) {
  OSTREL_FORWARD_EVENT(HandlePopupShow, OnPopupShow, browser, show);
}

void TCustomRenderHandler::OnPopupSize(const CefRefPtr<ICefBrowser>& browser,
                                       const cef_rect_t* rect) {
  OSTREL_FORWARD_EVENT(HandlePopupSize, OnPopupSize, browser, rect);
}

void TCustomRenderHandler::OnPaint(const CefRefPtr<ICefBrowser>& browser,
                                   cef_paint_element_type_t type, size_t dirtyRectsCount,
                                   const cef_rect_t* dirtyRects, const void* buffer, int width,
                                   int height) {
  OSTREL_FORWARD_EVENT(HandlePaint, OnPaint, browser, type, dirtyRectsCount, dirtyRects, buffer,
                       width, height);
}

void TCustomRenderHandler::OnAcceleratedPaint(const CefRefPtr<ICefBrowser>& browser,
                                              cef_paint_element_type_t type, size_t dirtyRectsCount,
                                              const cef_rect_t* dirtyRects, void* sharedHandle) {
  OSTREL_FORWARD_EVENT(HandleAcceleratedPaint, OnAcceleratedPaint, browser, type, dirtyRectsCount,
                       dirtyRects, sharedHandle);
}

void TCustomRenderHandler::OnCursorChange(const CefRefPtr<ICefBrowser>& browser, HCURSOR cursor,
                                          cef_cursor_type_t type,
                                          const cef_cursor_info_t* customCursorInfo) {
  OSTREL_FORWARD_EVENT(HandleCursorChange, OnCursorChange, browser, cursor, type, customCursorInfo);
}

bool TCustomRenderHandler::StartDragging(const CefRefPtr<ICefBrowser>& browser,
                                         const CefRefPtr<ICefDragData>& dragData,
                                         cef_drag_operations_mask_t allowedOps, int x, int y) {
  OSTREL_FORWARD_EVENT(HandleStartDragging, StartDragging, browser, dragData, allowedOps, x, y);
}

void TCustomRenderHandler::UpdateDragCursor(const CefRefPtr<ICefBrowser>& browser,
                                            cef_drag_operations_mask_t operation) {
  OSTREL_FORWARD_EVENT(HandleUpdateDragCursor, UpdateDragCursor, browser, operation);
}

void TCustomRenderHandler::OnScrollOffsetChanged(const CefRefPtr<ICefBrowser>& browser, double x,
                                                 double y) {
  OSTREL_FORWARD_EVENT(HandleScrollOffsetChanged, OnScrollOffsetChanged, browser, x, y);
}

void TCustomRenderHandler::OnImeCompositionRangeChanged(const CefRefPtr<ICefBrowser>& browser,
                                                        const cef_range_t* selectedRange,
                                                        size_t characterBoundsCount,
                                                        const cef_rect_t* characterBounds) {
  OSTREL_FORWARD_EVENT(HandleIMECompositionRangeChanged, OnImeCompositionRangeChanged, browser,
                       selectedRange, characterBoundsCount, characterBounds);
}

void TCustomRenderHandler::OnTextSelectionChanged(const CefRefPtr<ICefBrowser>& browser,
                                                  const ustring& selectedText,
                                                  const cef_range_t* selectedRange) {
  OSTREL_FORWARD_EVENT(HandleTextSelectionChanged, OnTextSelectionChanged, browser, selectedText,
                       selectedRange);
}

void TCustomRenderHandler::OnVirtualKeyboardRequested(const CefRefPtr<ICefBrowser>& browser,
                                                      cef_text_input_mode_t inputMode) {
  OSTREL_FORWARD_EVENT(HandleVirtualKeyboardRequested, OnVirtualKeyboardRequested, browser,
                       inputMode);
}

// ---- Drag ----

bool TCustomDragHandler::OnDragEnter(const CefRefPtr<ICefBrowser>& browser,
                                     const CefRefPtr<ICefDragData>& dragData,
                                     cef_drag_operations_mask_t mask) {
  OSTREL_FORWARD_EVENT(HandleDragEnter, OnDragEnter, browser, dragData, mask);
}

void TCustomDragHandler::OnDraggableRegionsChanged(const CefRefPtr<ICefBrowser>& browser,
                                                   const CefRefPtr<ICefFrame>& frame,
                                                   size_t regionsCount,
                                                   const cef_draggable_region_t* regions) {
  OSTREL_FORWARD_EVENT(HandleDraggableRegionsChanged, OnDraggableRegionsChanged, browser, frame,
                       regionsCount, regions);
}

// ---- Find ----

void TCustomFindHandler::OnFindResult(const CefRefPtr<ICefBrowser>& browser, int identifier,
                                      int count, const cef_rect_t* selectionRect,
                                      int activeMatchOrdinal, bool finalUpdate) {
  OSTREL_FORWARD_EVENT(HandleFindResult, OnFindResult, browser, identifier, count, selectionRect,
                       activeMatchOrdinal, finalUpdate);
}
