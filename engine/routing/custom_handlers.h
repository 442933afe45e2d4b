#ifndef OSTREL_ENGINE_ROUTING_CUSTOM_HANDLERS_H_
#define OSTREL_ENGINE_ROUTING_CUSTOM_HANDLERS_H_

// The handler objects a browser control's client hands to the engine. Each passes the engine's
// callbacks, already converted by its owned base, to the browser control through
// IChromiumEvents and returns the control's answer. Once detached (RemoveReferences) they answer
// as their owned base does, because the engine may hold them longer than the control lives.
// The request-side handlers are in custom_request_handlers.h.

#include <atomic>
#include <cstddef>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/handlers/cef_context_menu_handler_own.h"
#include "engine/handlers/cef_dialog_handler_own.h"
#include "engine/handlers/cef_display_handler_own.h"
#include "engine/handlers/cef_download_handler_own.h"
#include "engine/handlers/cef_drag_handler_own.h"
#include "engine/handlers/cef_find_handler_own.h"
#include "engine/handlers/cef_focus_handler_own.h"
#include "engine/handlers/cef_jsdialog_handler_own.h"
#include "engine/handlers/cef_keyboard_handler_own.h"
#include "engine/handlers/cef_life_span_handler_own.h"
#include "engine/handlers/cef_load_handler_own.h"
#include "engine/handlers/cef_render_handler_own.h"
#include "engine/routing/chromium_events.h"

// What every handler adds to its owned base: the browser control it reports to. The pointer is
// not counted (the control is not governed by references) and is cleared by RemoveReferences,
// possibly while an engine thread is inside a callback, hence atomic.
template <class OwnBase>
class TCustomHandler : public OwnBase {
 public:
  void RemoveReferences() override { FEvents.store(nullptr); }

 protected:
  using Own = OwnBase;

  explicit TCustomHandler(IChromiumEvents* events) noexcept : FEvents(events) {}
  ~TCustomHandler() override = default;

  std::atomic<IChromiumEvents*> FEvents;
};

// Body of a forwarding operation: the control's `Operation` while attached, otherwise the owned
// base's `Callback` (its neutral answer). Exceptions of the control pass through: the owned
// base's engine callback ends them.
#define OSTREL_FORWARD_EVENT(Operation, Callback, ...)                                       \
  if (IChromiumEvents* events = this->FEvents.load()) return events->Operation(__VA_ARGS__); \
  return Own::Callback(__VA_ARGS__)

class TCustomLoadHandler final : public TCustomHandler<TCefLoadHandlerOwn> {
 public:
  explicit TCustomLoadHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  void OnLoadingStateChange(const CefRefPtr<ICefBrowser>& browser, bool isLoading, bool canGoBack,
                            bool canGoForward) override;
  void OnLoadStart(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                   cef_transition_type_t transitionType) override;
  void OnLoadEnd(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                 int httpStatusCode) override;
  void OnLoadError(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                   cef_errorcode_t errorCode, const ustring& errorText,
                   const ustring& failedUrl) override;

 private:
  ~TCustomLoadHandler() override = default;
};

class TCustomFocusHandler final : public TCustomHandler<TCefFocusHandlerOwn> {
 public:
  explicit TCustomFocusHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  void OnTakeFocus(const CefRefPtr<ICefBrowser>& browser, bool next) override;
  bool OnSetFocus(const CefRefPtr<ICefBrowser>& browser, cef_focus_source_t source) override;
  void OnGotFocus(const CefRefPtr<ICefBrowser>& browser) override;

 private:
  ~TCustomFocusHandler() override = default;
};

class TCustomContextMenuHandler final : public TCustomHandler<TCefContextMenuHandlerOwn> {
 public:
  explicit TCustomContextMenuHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  void OnBeforeContextMenu(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                           const CefRefPtr<ICefContextMenuParams>& params,
                           const CefRefPtr<ICefMenuModel>& model) override;
  bool RunContextMenu(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                      const CefRefPtr<ICefContextMenuParams>& params,
                      const CefRefPtr<ICefMenuModel>& model,
                      const CefRefPtr<ICefRunContextMenuCallback>& callback) override;
  bool OnContextMenuCommand(const CefRefPtr<ICefBrowser>& browser,
                            const CefRefPtr<ICefFrame>& frame,
                            const CefRefPtr<ICefContextMenuParams>& params, int commandId,
                            cef_event_flags_t eventFlags) override;
  void OnContextMenuDismissed(const CefRefPtr<ICefBrowser>& browser,
                              const CefRefPtr<ICefFrame>& frame) override;

 private:
  ~TCustomContextMenuHandler() override = default;
};

class TCustomDialogHandler final : public TCustomHandler<TCefDialogHandlerOwn> {
 public:
  explicit TCustomDialogHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  bool OnFileDialog(const CefRefPtr<ICefBrowser>& browser, cef_file_dialog_mode_t mode,
                    const ustring& title, const ustring& defaultFilePath,
                    const std::vector<ustring>& acceptFilters, int selectedAcceptFilter,
                    const CefRefPtr<ICefFileDialogCallback>& callback) override;

 private:
  ~TCustomDialogHandler() override = default;
};

class TCustomKeyboardHandler final : public TCustomHandler<TCefKeyboardHandlerOwn> {
 public:
  explicit TCustomKeyboardHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  bool OnPreKeyEvent(const CefRefPtr<ICefBrowser>& browser, const cef_key_event_t* event,
                     MSG* osEvent, bool& isKeyboardShortcut) override;
  bool OnKeyEvent(const CefRefPtr<ICefBrowser>& browser, const cef_key_event_t* event,
                  MSG* osEvent) override;

 private:
  ~TCustomKeyboardHandler() override = default;
};

class TCustomDisplayHandler final : public TCustomHandler<TCefDisplayHandlerOwn> {
 public:
  explicit TCustomDisplayHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  void OnAddressChange(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                       const ustring& url) override;
  void OnTitleChange(const CefRefPtr<ICefBrowser>& browser, const ustring& title) override;
  void OnFaviconUrlChange(const CefRefPtr<ICefBrowser>& browser,
                          const std::vector<ustring>& iconUrls) override;
  void OnFullscreenModeChange(const CefRefPtr<ICefBrowser>& browser, bool fullscreen) override;
  bool OnTooltip(const CefRefPtr<ICefBrowser>& browser, ustring& text) override;
  void OnStatusMessage(const CefRefPtr<ICefBrowser>& browser, const ustring& value) override;
  bool OnConsoleMessage(const CefRefPtr<ICefBrowser>& browser, cef_log_severity_t level,
                        const ustring& message, const ustring& source, int line) override;
  bool OnAutoResize(const CefRefPtr<ICefBrowser>& browser, const cef_size_t* newSize) override;
  void OnLoadingProgressChange(const CefRefPtr<ICefBrowser>& browser, double progress) override;

 private:
  ~TCustomDisplayHandler() override = default;
};

class TCustomDownloadHandler final : public TCustomHandler<TCefDownloadHandlerOwn> {
 public:
  explicit TCustomDownloadHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  void OnBeforeDownload(const CefRefPtr<ICefBrowser>& browser,
                        const CefRefPtr<ICefDownloadItem>& downloadItem,
                        const ustring& suggestedName,
                        const CefRefPtr<ICefBeforeDownloadCallback>& callback) override;
  void OnDownloadUpdated(const CefRefPtr<ICefBrowser>& browser,
                         const CefRefPtr<ICefDownloadItem>& downloadItem,
                         const CefRefPtr<ICefDownloadItemCallback>& callback) override;

 private:
  ~TCustomDownloadHandler() override = default;
};

class TCustomJsDialogHandler final : public TCustomHandler<TCefJsDialogHandlerOwn> {
 public:
  explicit TCustomJsDialogHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  bool OnJsdialog(const CefRefPtr<ICefBrowser>& browser, const ustring& originUrl,
                  cef_jsdialog_type_t dialogType, const ustring& messageText,
                  const ustring& defaultPromptText, const CefRefPtr<ICefJsDialogCallback>& callback,
                  bool& suppressMessage) override;
  bool OnBeforeUnloadDialog(const CefRefPtr<ICefBrowser>& browser, const ustring& messageText,
                            bool isReload,
                            const CefRefPtr<ICefJsDialogCallback>& callback) override;
  void OnResetDialogState(const CefRefPtr<ICefBrowser>& browser) override;
  void OnDialogClosed(const CefRefPtr<ICefBrowser>& browser) override;

 private:
  ~TCustomJsDialogHandler() override = default;
};

class TCustomLifeSpanHandler final : public TCustomHandler<TCefLifeSpanHandlerOwn> {
 public:
  explicit TCustomLifeSpanHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  bool OnBeforePopup(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                     const ustring& targetUrl, const ustring& targetFrameName,
                     cef_window_open_disposition_t targetDisposition, bool userGesture,
                     const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
                     CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
                     CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJavascriptAccess) override;
  void OnAfterCreated(const CefRefPtr<ICefBrowser>& browser) override;
  bool DoClose(const CefRefPtr<ICefBrowser>& browser) override;
  void OnBeforeClose(const CefRefPtr<ICefBrowser>& browser) override;

 private:
  ~TCustomLifeSpanHandler() override = default;
};

// Only windowless browsers get one.
class TCustomRenderHandler final : public TCustomHandler<TCefRenderHandlerOwn> {
 public:
  explicit TCustomRenderHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  CefRefPtr<ICefBaseRefCounted> GetAccessibilityHandler() override;
  bool GetRootScreenRect(const CefRefPtr<ICefBrowser>& browser, cef_rect_t* rect) override;
  void GetViewRect(const CefRefPtr<ICefBrowser>& browser, cef_rect_t* rect) override;
  bool GetScreenPoint(const CefRefPtr<ICefBrowser>& browser, int viewX, int viewY, int& screenX,
                      int& screenY) override;
  bool GetScreenInfo(const CefRefPtr<ICefBrowser>& browser, cef_screen_info_t* screenInfo) override;
  void OnPopupShow(const CefRefPtr<ICefBrowser>& browser, bool show) override;
  void OnPopupSize(const CefRefPtr<ICefBrowser>& browser, const cef_rect_t* rect) override;
  void OnPaint(const CefRefPtr<ICefBrowser>& browser, cef_paint_element_type_t type,
               size_t dirtyRectsCount, const cef_rect_t* dirtyRects, const void* buffer, int width,
               int height) override;
  void OnAcceleratedPaint(const CefRefPtr<ICefBrowser>& browser, cef_paint_element_type_t type,
                          size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
                          void* sharedHandle) override;
  void OnCursorChange(const CefRefPtr<ICefBrowser>& browser, HCURSOR cursor, cef_cursor_type_t type,
                      const cef_cursor_info_t* customCursorInfo) override;
  bool StartDragging(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefDragData>& dragData,
                     cef_drag_operations_mask_t allowedOps, int x, int y) override;
  void UpdateDragCursor(const CefRefPtr<ICefBrowser>& browser,
                        cef_drag_operations_mask_t operation) override;
  void OnScrollOffsetChanged(const CefRefPtr<ICefBrowser>& browser, double x, double y) override;
  void OnImeCompositionRangeChanged(const CefRefPtr<ICefBrowser>& browser,
                                    const cef_range_t* selectedRange, size_t characterBoundsCount,
                                    const cef_rect_t* characterBounds) override;
  void OnTextSelectionChanged(const CefRefPtr<ICefBrowser>& browser, const ustring& selectedText,
                              const cef_range_t* selectedRange) override;
  void OnVirtualKeyboardRequested(const CefRefPtr<ICefBrowser>& browser,
                                  cef_text_input_mode_t inputMode) override;

 private:
  ~TCustomRenderHandler() override = default;
};

class TCustomDragHandler final : public TCustomHandler<TCefDragHandlerOwn> {
 public:
  explicit TCustomDragHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  bool OnDragEnter(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefDragData>& dragData,
                   cef_drag_operations_mask_t mask) override;
  void OnDraggableRegionsChanged(const CefRefPtr<ICefBrowser>& browser,
                                 const CefRefPtr<ICefFrame>& frame, size_t regionsCount,
                                 const cef_draggable_region_t* regions) override;

 private:
  ~TCustomDragHandler() override = default;
};

class TCustomFindHandler final : public TCustomHandler<TCefFindHandlerOwn> {
 public:
  explicit TCustomFindHandler(IChromiumEvents* events) noexcept : TCustomHandler(events) {}

  void OnFindResult(const CefRefPtr<ICefBrowser>& browser, int identifier, int count,
                    const cef_rect_t* selectionRect, int activeMatchOrdinal,
                    bool finalUpdate) override;

 private:
  ~TCustomFindHandler() override = default;
};

#endif  // OSTREL_ENGINE_ROUTING_CUSTOM_HANDLERS_H_
