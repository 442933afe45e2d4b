// The browser control's notifications of windowless rendering, drag, find, the asynchronous
// results and tasks, which handler objects it wants, and the engine windows it hooks.

#include "browser/chromium.h"
#include "browser/chromium_raise.h"
#include "engine/refs/cef_browser_host_ref.h"

using chromium_raise::Ask;
using chromium_raise::Raise;

// ---- Windowless rendering ----

CefRefPtr<ICefBaseRefCounted> TChromium::HandleGetAccessibilityHandler() {
  return Ask(CefRefPtr<ICefBaseRefCounted>(), OnGetAccessibilityHandler, *this);
}

bool TChromium::HandleGetRootScreenRect(Ref<ICefBrowser> browser, cef_rect_t* rect) {
  return Ask(false, OnGetRootScreenRect, *this, browser, rect);
}

void TChromium::HandleGetViewRect(Ref<ICefBrowser> browser, cef_rect_t* rect) {
  Raise(OnGetViewRect, *this, browser, rect);
}

bool TChromium::HandleGetScreenPoint(Ref<ICefBrowser> browser, int viewX, int viewY, int& screenX,
                                     int& screenY) {
  return Ask(false, OnGetScreenPoint, *this, browser, viewX, viewY, screenX, screenY);
}

bool TChromium::HandleGetScreenInfo(Ref<ICefBrowser> browser, cef_screen_info_t* screenInfo) {
  return Ask(false, OnGetScreenInfo, *this, browser, screenInfo);
}

void TChromium::HandlePopupShow(Ref<ICefBrowser> browser, bool show) {
  Raise(OnPopupShow, *this, browser, show);
}

void TChromium::HandlePopupSize(Ref<ICefBrowser> browser, const cef_rect_t* rect) {
  Raise(OnPopupSize, *this, browser, rect);
}

void TChromium::HandlePaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type,
                            size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
                            const void* buffer, int width, int height) {
  Raise(OnPaint, *this, browser, type, dirtyRectsCount, dirtyRects, buffer, width, height);
}

void TChromium::HandleAcceleratedPaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type,
                                       size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
                                       void* sharedHandle) {
  Raise(OnAcceleratedPaint, *this, browser, type, dirtyRectsCount, dirtyRects, sharedHandle);
}

void TChromium::HandleCursorChange(Ref<ICefBrowser> browser, HCURSOR cursor, cef_cursor_type_t type,
                                   const cef_cursor_info_t* customCursorInfo) {
  Raise(OnCursorChange, *this, browser, cursor, type, customCursorInfo);
}

// Dragging out of a windowless browser would need the system's drag-and-drop loop, which this
// program does not run: the events alone decide.
bool TChromium::HandleStartDragging(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                                    cef_drag_operations_mask_t allowedOps, int x, int y) {
  return Ask(false, OnStartDragging, *this, browser, dragData, allowedOps, x, y);
}

void TChromium::HandleUpdateDragCursor(Ref<ICefBrowser> browser,
                                       cef_drag_operations_mask_t operation) {
  Raise(OnUpdateDragCursor, *this, browser, operation);
}

void TChromium::HandleScrollOffsetChanged(Ref<ICefBrowser> browser, double x, double y) {
  Raise(OnScrollOffsetChanged, *this, browser, x, y);
}

void TChromium::HandleIMECompositionRangeChanged(Ref<ICefBrowser> browser,
                                                 const cef_range_t* selectedRange,
                                                 size_t characterBoundsCount,
                                                 const cef_rect_t* characterBounds) {
  Raise(OnIMECompositionRangeChanged, *this, browser, selectedRange, characterBoundsCount,
        characterBounds);
}

void TChromium::HandleTextSelectionChanged(Ref<ICefBrowser> browser, const ustring& selectedText,
                                           const cef_range_t* selectedRange) {
  Raise(OnTextSelectionChanged, *this, browser, selectedText, selectedRange);
}

void TChromium::HandleVirtualKeyboardRequested(Ref<ICefBrowser> browser,
                                               cef_text_input_mode_t inputMode) {
  Raise(OnVirtualKeyboardRequested, *this, browser, inputMode);
}

// ---- Drag, find ----

bool TChromium::HandleDragEnter(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                                cef_drag_operations_mask_t mask) {
  return Ask(false, OnDragEnter, *this, browser, dragData, mask);
}

void TChromium::HandleDraggableRegionsChanged(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                              size_t regionsCount,
                                              const cef_draggable_region_t* regions) {
  Raise(OnDraggableRegionsChanged, *this, browser, frame, regionsCount, regions);
}

void TChromium::HandleFindResult(Ref<ICefBrowser> browser, int identifier, int count,
                                 const cef_rect_t* selectionRect, int activeMatchOrdinal,
                                 bool finalUpdate) {
  Raise(OnFindResult, *this, browser, identifier, count, selectionRect, activeMatchOrdinal,
        finalUpdate);
}

// ---- Asynchronous results and tasks ----

void TChromium::HandleCookiesDeleted(int numDeleted) { Raise(OnCookiesDeleted, *this, numDeleted); }

void TChromium::HandlePdfPrintFinished(const ustring&, bool ok) {
  Raise(OnPdfPrintFinished, *this, ok);
}

void TChromium::HandleTextResultAvailable(const ustring& text) {
  Raise(OnTextResultAvailable, *this, text);
}

void TChromium::HandleResolvedHostAvailable(cef_errorcode_t result,
                                            const std::vector<ustring>& resolvedIps) {
  Raise(OnResolvedHostAvailable, *this, static_cast<int>(result), resolvedIps);
}

bool TChromium::HandleNavigationVisitorResult(Ref<ICefNavigationEntry> entry, bool current,
                                              int index, int total) {
  return Ask(false, OnNavigationVisitorResultAvailable, entry, current, index, total);
}

void TChromium::HandleDownloadImageFinished(const ustring& imageUrl, int httpStatusCode,
                                            Ref<ICefImage> image) {
  Raise(OnDownloadImageFinished, *this, imageUrl, httpStatusCode, image);
}

void TChromium::HandleCookiesFlushed() { Raise(OnCookiesFlushed, *this); }

void TChromium::HandleCertificateExceptionsCleared() {
  Raise(OnCertificateExceptionsCleared, *this);
}

void TChromium::HandleHttpAuthCredentialsCleared() { Raise(OnHttpAuthCredentialsCleared, *this); }

void TChromium::HandleAllConnectionsClosed() { Raise(OnAllConnectionsClosed, *this); }

void TChromium::HandleExecuteTaskOnCefThread(uint32_t taskId) {
  Raise(OnExecuteTaskOnCefThread, *this, taskId);
}

// ---- Engine windows ----

void TChromium::HookEngineWindows(Ref<ICefBrowser> browser) {
  if (browser == nullptr || browser->GetIdentifier() != BrowserId()) return;
  const CefRefPtr<ICefBrowserHost> host = browser->GetHost();
  if (host == nullptr) return;
  const TEngineWindows windows = FindEngineWindows(host->GetWindowHandle());
  FBrowserCompHook.SetHandle(windows.browser);
  FWidgetCompHook.SetHandle(windows.widget);
  FRenderCompHook.SetHandle(windows.render);
  for (TEngineWindowHook* hook : {&FBrowserCompHook, &FWidgetCompHook, &FRenderCompHook}) {
    hook->Install();
  }
}

void TChromium::UnhookEngineWindows() {
  for (TEngineWindowHook* hook : {&FBrowserCompHook, &FWidgetCompHook, &FRenderCompHook}) {
    hook->Remove();
  }
}

// ---- Which handler objects the client creates ----

bool TChromium::WantsLoadHandler() {
  return OnLoadStart || OnLoadEnd || OnLoadError || OnLoadingStateChange;
}

bool TChromium::WantsFocusHandler() { return OnTakeFocus || OnSetFocus || OnGotFocus; }

bool TChromium::WantsContextMenuHandler() {
  return OnBeforeContextMenu || OnRunContextMenu || OnContextMenuCommand || OnContextMenuDismissed;
}

bool TChromium::WantsDialogHandler() { return static_cast<bool>(OnFileDialog); }

bool TChromium::WantsKeyboardHandler() { return OnPreKeyEvent || OnKeyEvent; }

bool TChromium::WantsDisplayHandler() {
  return OnAddressChange || OnTitleChange || OnFavIconUrlChange || OnFullScreenModeChange ||
         OnTooltip || OnStatusMessage || OnConsoleMessage || OnAutoResize ||
         OnLoadingProgressChange;
}

bool TChromium::WantsDownloadHandler() { return OnBeforeDownload || OnDownloadUpdated; }

bool TChromium::WantsJsDialogHandler() {
  return OnJsdialog || OnBeforeUnloadDialog || OnResetDialogState || OnDialogClosed;
}

bool TChromium::WantsLifeSpanHandler() { return true; }

bool TChromium::WantsRenderHandler() { return FIsOSR; }

bool TChromium::WantsRequestHandler() { return true; }

bool TChromium::WantsDragHandler() { return OnDragEnter || OnDraggableRegionsChanged; }

bool TChromium::WantsFindHandler() { return static_cast<bool>(OnFindResult); }

bool TChromium::WantsResourceRequestHandler() {
  return OnBeforeResourceLoad || OnGetResourceHandler || OnResourceRedirect || OnResourceResponse ||
         OnGetResourceResponseFilter || OnResourceLoadComplete || OnProtocolExecution ||
         WantsCookieAccessFilter();
}

bool TChromium::WantsCookieAccessFilter() { return OnCanSendCookie || OnCanSaveCookie; }
