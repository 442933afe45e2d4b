#ifndef OSTREL_ENGINE_ROUTING_CUSTOM_HANDLERS_H_
#define OSTREL_ENGINE_ROUTING_CUSTOM_HANDLERS_H_

// The handler objects a browser control's client hands to the engine. Each passes the engine's
// callbacks, already converted by its owned base, to the browser control through
// IChromiumEvents and returns the control's answer. Once detached (RemoveReferences) they answer
// as their owned base does, because the engine may hold them longer than the control lives.
// The request-side handlers are in custom_request_handlers.h.

#include <cstddef>
#include <utility>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/call_counter.h"
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

// The link all handler objects of one client share with the browser control they report to. The
// control is not governed by references, so the link holds it uncounted; RemoveReferences
// detaches it, possibly while engine threads are inside callbacks, and the control waits for
// those (TCallTarget::WaitForCalls) before it goes away.
using TChromiumEventsLink = TCallTarget<IChromiumEvents>;

// What every handler adds to its owned base: the link to the control.
template <class OwnBase>
class TCustomHandler : public OwnBase {
 public:
  // A handler with a link of its own, or one sharing its client's.
  explicit TCustomHandler(IChromiumEvents* events)
      : FEvents(MakeRefCounted<TChromiumEventsLink>(events)) {}
  explicit TCustomHandler(CefRefPtr<TChromiumEventsLink> events) noexcept
      : FEvents(std::move(events)) {}

  void RemoveReferences() override { FEvents->Detach(); }
  Ref<TChromiumEventsLink> EventsLink() const noexcept { return FEvents; }

 protected:
  using Own = OwnBase;

  ~TCustomHandler() override = default;

  const CefRefPtr<TChromiumEventsLink> FEvents;
};

// Body of a forwarding operation: the control's `Operation` while attached, otherwise the owned
// base's `Callback` (its neutral answer). Exceptions of the control pass through: the engine
// callback stops them.
#define OSTREL_FORWARD_EVENT(Operation, Callback, ...)                        \
  return this->FEvents->Forward(                                              \
      [&](IChromiumEvents& events) { return events.Operation(__VA_ARGS__); }, \
      [&] { return Own::Callback(__VA_ARGS__); })

class TCustomLoadHandler final : public TCustomHandler<TCefLoadHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  void OnLoadingStateChange(Ref<ICefBrowser> browser, bool isLoading, bool canGoBack,
                            bool canGoForward) override {
    OSTREL_FORWARD_EVENT(HandleLoadingStateChange, OnLoadingStateChange, browser, isLoading,
                         canGoBack, canGoForward);
  }
  void OnLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                   cef_transition_type_t transitionType) override {
    OSTREL_FORWARD_EVENT(HandleLoadStart, OnLoadStart, browser, frame, transitionType);
  }
  void OnLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, int httpStatusCode) override {
    OSTREL_FORWARD_EVENT(HandleLoadEnd, OnLoadEnd, browser, frame, httpStatusCode);
  }
  void OnLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, cef_errorcode_t errorCode,
                   const ustring& errorText, const ustring& failedUrl) override {
    OSTREL_FORWARD_EVENT(HandleLoadError, OnLoadError, browser, frame, errorCode, errorText,
                         failedUrl);
  }

 private:
  ~TCustomLoadHandler() override = default;
};

class TCustomFocusHandler final : public TCustomHandler<TCefFocusHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  void OnTakeFocus(Ref<ICefBrowser> browser, bool next) override {
    OSTREL_FORWARD_EVENT(HandleTakeFocus, OnTakeFocus, browser, next);
  }
  bool OnSetFocus(Ref<ICefBrowser> browser, cef_focus_source_t source) override {
    OSTREL_FORWARD_EVENT(HandleSetFocus, OnSetFocus, browser, source);
  }
  void OnGotFocus(Ref<ICefBrowser> browser) override {
    OSTREL_FORWARD_EVENT(HandleGotFocus, OnGotFocus, browser);
  }

 private:
  ~TCustomFocusHandler() override = default;
};

class TCustomContextMenuHandler final : public TCustomHandler<TCefContextMenuHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  void OnBeforeContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                           Ref<ICefContextMenuParams> params, Ref<ICefMenuModel> model) override {
    OSTREL_FORWARD_EVENT(HandleBeforeContextMenu, OnBeforeContextMenu, browser, frame, params,
                         model);
  }
  bool RunContextMenu(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                      Ref<ICefContextMenuParams> params, Ref<ICefMenuModel> model,
                      Ref<ICefRunContextMenuCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleRunContextMenu, RunContextMenu, browser, frame, params, model,
                         callback);
  }
  bool OnContextMenuCommand(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                            Ref<ICefContextMenuParams> params, int commandId,
                            cef_event_flags_t eventFlags) override {
    OSTREL_FORWARD_EVENT(HandleContextMenuCommand, OnContextMenuCommand, browser, frame, params,
                         commandId, eventFlags);
  }
  void OnContextMenuDismissed(Ref<ICefBrowser> browser, Ref<ICefFrame> frame) override {
    OSTREL_FORWARD_EVENT(HandleContextMenuDismissed, OnContextMenuDismissed, browser, frame);
  }

 private:
  ~TCustomContextMenuHandler() override = default;
};

class TCustomDialogHandler final : public TCustomHandler<TCefDialogHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  bool OnFileDialog(Ref<ICefBrowser> browser, cef_file_dialog_mode_t mode, const ustring& title,
                    const ustring& defaultFilePath, const std::vector<ustring>& acceptFilters,
                    int selectedAcceptFilter, Ref<ICefFileDialogCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleFileDialog, OnFileDialog, browser, mode, title, defaultFilePath,
                         acceptFilters, selectedAcceptFilter, callback);
  }

 private:
  ~TCustomDialogHandler() override = default;
};

class TCustomKeyboardHandler final : public TCustomHandler<TCefKeyboardHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  bool OnPreKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event, MSG* osEvent,
                     bool& isKeyboardShortcut) override {
    OSTREL_FORWARD_EVENT(HandlePreKeyEvent, OnPreKeyEvent, browser, event, osEvent,
                         isKeyboardShortcut);
  }
  bool OnKeyEvent(Ref<ICefBrowser> browser, const cef_key_event_t* event, MSG* osEvent) override {
    OSTREL_FORWARD_EVENT(HandleKeyEvent, OnKeyEvent, browser, event, osEvent);
  }

 private:
  ~TCustomKeyboardHandler() override = default;
};

class TCustomDisplayHandler final : public TCustomHandler<TCefDisplayHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  void OnAddressChange(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                       const ustring& url) override {
    OSTREL_FORWARD_EVENT(HandleAddressChange, OnAddressChange, browser, frame, url);
  }
  void OnTitleChange(Ref<ICefBrowser> browser, const ustring& title) override {
    OSTREL_FORWARD_EVENT(HandleTitleChange, OnTitleChange, browser, title);
  }
  void OnFaviconUrlChange(Ref<ICefBrowser> browser, const std::vector<ustring>& iconUrls) override {
    OSTREL_FORWARD_EVENT(HandleFavIconUrlChange, OnFaviconUrlChange, browser, iconUrls);
  }
  void OnFullscreenModeChange(Ref<ICefBrowser> browser, bool fullscreen) override {
    OSTREL_FORWARD_EVENT(HandleFullScreenModeChange, OnFullscreenModeChange, browser, fullscreen);
  }
  bool OnTooltip(Ref<ICefBrowser> browser, ustring& text) override {
    OSTREL_FORWARD_EVENT(HandleTooltip, OnTooltip, browser, text);
  }
  void OnStatusMessage(Ref<ICefBrowser> browser, const ustring& value) override {
    OSTREL_FORWARD_EVENT(HandleStatusMessage, OnStatusMessage, browser, value);
  }
  bool OnConsoleMessage(Ref<ICefBrowser> browser, cef_log_severity_t level, const ustring& message,
                        const ustring& source, int line) override {
    OSTREL_FORWARD_EVENT(HandleConsoleMessage, OnConsoleMessage, browser, level, message, source,
                         line);
  }
  bool OnAutoResize(Ref<ICefBrowser> browser, const cef_size_t* newSize) override {
    OSTREL_FORWARD_EVENT(HandleAutoResize, OnAutoResize, browser, newSize);
  }
  void OnLoadingProgressChange(Ref<ICefBrowser> browser, double progress) override {
    OSTREL_FORWARD_EVENT(HandleLoadingProgressChange, OnLoadingProgressChange, browser, progress);
  }

 private:
  ~TCustomDisplayHandler() override = default;
};

class TCustomDownloadHandler final : public TCustomHandler<TCefDownloadHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  void OnBeforeDownload(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                        const ustring& suggestedName,
                        Ref<ICefBeforeDownloadCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleBeforeDownload, OnBeforeDownload, browser, downloadItem,
                         suggestedName, callback);
  }
  void OnDownloadUpdated(Ref<ICefBrowser> browser, Ref<ICefDownloadItem> downloadItem,
                         Ref<ICefDownloadItemCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleDownloadUpdated, OnDownloadUpdated, browser, downloadItem, callback);
  }

 private:
  ~TCustomDownloadHandler() override = default;
};

class TCustomJsDialogHandler final : public TCustomHandler<TCefJsDialogHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  bool OnJsdialog(Ref<ICefBrowser> browser, const ustring& originUrl,
                  cef_jsdialog_type_t dialogType, const ustring& messageText,
                  const ustring& defaultPromptText, Ref<ICefJsDialogCallback> callback,
                  bool& suppressMessage) override {
    OSTREL_FORWARD_EVENT(HandleJsdialog, OnJsdialog, browser, originUrl, dialogType, messageText,
                         defaultPromptText, callback, suppressMessage);
  }
  bool OnBeforeUnloadDialog(Ref<ICefBrowser> browser, const ustring& messageText, bool isReload,
                            Ref<ICefJsDialogCallback> callback) override {
    OSTREL_FORWARD_EVENT(HandleBeforeUnloadDialog, OnBeforeUnloadDialog, browser, messageText,
                         isReload, callback);
  }
  void OnResetDialogState(Ref<ICefBrowser> browser) override {
    OSTREL_FORWARD_EVENT(HandleResetDialogState, OnResetDialogState, browser);
  }
  void OnDialogClosed(Ref<ICefBrowser> browser) override {
    OSTREL_FORWARD_EVENT(HandleDialogClosed, OnDialogClosed, browser);
  }

 private:
  ~TCustomJsDialogHandler() override = default;
};

class TCustomLifeSpanHandler final : public TCustomHandler<TCefLifeSpanHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  bool OnBeforePopup(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, const ustring& targetUrl,
                     const ustring& targetFrameName,
                     cef_window_open_disposition_t targetDisposition, bool userGesture,
                     const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
                     CefRefPtr<ICefBaseRefCounted>& client, cef_browser_settings_t* settings,
                     CefRefPtr<ICefDictionaryValue>& extraInfo, bool& noJavascriptAccess) override {
    OSTREL_FORWARD_EVENT(HandleBeforePopup, OnBeforePopup, browser, frame, targetUrl,
                         targetFrameName, targetDisposition, userGesture, popupFeatures, windowInfo,
                         client, settings, extraInfo, noJavascriptAccess);
  }
  void OnAfterCreated(Ref<ICefBrowser> browser) override {
    OSTREL_FORWARD_EVENT(HandleAfterCreated, OnAfterCreated, browser);
  }
  bool DoClose(Ref<ICefBrowser> browser) override {
    OSTREL_FORWARD_EVENT(HandleClose, DoClose, browser);
  }
  void OnBeforeClose(Ref<ICefBrowser> browser) override {
    OSTREL_FORWARD_EVENT(HandleBeforeClose, OnBeforeClose, browser);
  }

 private:
  ~TCustomLifeSpanHandler() override = default;
};

// Only windowless browsers get one.
class TCustomRenderHandler final : public TCustomHandler<TCefRenderHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  CefRefPtr<ICefBaseRefCounted> GetAccessibilityHandler() override {
    OSTREL_FORWARD_EVENT(HandleGetAccessibilityHandler, GetAccessibilityHandler);
  }
  bool GetRootScreenRect(Ref<ICefBrowser> browser, cef_rect_t* rect) override {
    OSTREL_FORWARD_EVENT(HandleGetRootScreenRect, GetRootScreenRect, browser, rect);
  }
  void GetViewRect(Ref<ICefBrowser> browser, cef_rect_t* rect) override {
    OSTREL_FORWARD_EVENT(HandleGetViewRect, GetViewRect, browser, rect);
  }
  bool GetScreenPoint(Ref<ICefBrowser> browser, int viewX, int viewY, int& screenX,
                      int& screenY) override {
    OSTREL_FORWARD_EVENT(HandleGetScreenPoint, GetScreenPoint, browser, viewX, viewY, screenX,
                         screenY);
  }
  bool GetScreenInfo(Ref<ICefBrowser> browser, cef_screen_info_t* screenInfo) override {
    OSTREL_FORWARD_EVENT(HandleGetScreenInfo, GetScreenInfo, browser, screenInfo);
  }
  void OnPopupShow(Ref<ICefBrowser> browser, bool show) override {
    OSTREL_FORWARD_EVENT(HandlePopupShow, OnPopupShow, browser, show);
  }
  void OnPopupSize(Ref<ICefBrowser> browser, const cef_rect_t* rect) override {
    OSTREL_FORWARD_EVENT(HandlePopupSize, OnPopupSize, browser, rect);
  }
  void OnPaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type, size_t dirtyRectsCount,
               const cef_rect_t* dirtyRects, const void* buffer, int width, int height) override {
    OSTREL_FORWARD_EVENT(HandlePaint, OnPaint, browser, type, dirtyRectsCount, dirtyRects, buffer,
                         width, height);
  }
  void OnAcceleratedPaint(Ref<ICefBrowser> browser, cef_paint_element_type_t type,
                          size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
                          void* sharedHandle) override {
    OSTREL_FORWARD_EVENT(HandleAcceleratedPaint, OnAcceleratedPaint, browser, type, dirtyRectsCount,
                         dirtyRects, sharedHandle);
  }
  void OnCursorChange(Ref<ICefBrowser> browser, HCURSOR cursor, cef_cursor_type_t type,
                      const cef_cursor_info_t* customCursorInfo) override {
    OSTREL_FORWARD_EVENT(HandleCursorChange, OnCursorChange, browser, cursor, type,
                         customCursorInfo);
  }
  bool StartDragging(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                     cef_drag_operations_mask_t allowedOps, int x, int y) override {
    OSTREL_FORWARD_EVENT(HandleStartDragging, StartDragging, browser, dragData, allowedOps, x, y);
  }
  void UpdateDragCursor(Ref<ICefBrowser> browser, cef_drag_operations_mask_t operation) override {
    OSTREL_FORWARD_EVENT(HandleUpdateDragCursor, UpdateDragCursor, browser, operation);
  }
  void OnScrollOffsetChanged(Ref<ICefBrowser> browser, double x, double y) override {
    OSTREL_FORWARD_EVENT(HandleScrollOffsetChanged, OnScrollOffsetChanged, browser, x, y);
  }
  void OnImeCompositionRangeChanged(Ref<ICefBrowser> browser, const cef_range_t* selectedRange,
                                    size_t characterBoundsCount,
                                    const cef_rect_t* characterBounds) override {
    OSTREL_FORWARD_EVENT(HandleIMECompositionRangeChanged, OnImeCompositionRangeChanged, browser,
                         selectedRange, characterBoundsCount, characterBounds);
  }
  void OnTextSelectionChanged(Ref<ICefBrowser> browser, const ustring& selectedText,
                              const cef_range_t* selectedRange) override {
    OSTREL_FORWARD_EVENT(HandleTextSelectionChanged, OnTextSelectionChanged, browser, selectedText,
                         selectedRange);
  }
  void OnVirtualKeyboardRequested(Ref<ICefBrowser> browser,
                                  cef_text_input_mode_t inputMode) override {
    OSTREL_FORWARD_EVENT(HandleVirtualKeyboardRequested, OnVirtualKeyboardRequested, browser,
                         inputMode);
  }

 private:
  ~TCustomRenderHandler() override = default;
};

class TCustomDragHandler final : public TCustomHandler<TCefDragHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  bool OnDragEnter(Ref<ICefBrowser> browser, Ref<ICefDragData> dragData,
                   cef_drag_operations_mask_t mask) override {
    OSTREL_FORWARD_EVENT(HandleDragEnter, OnDragEnter, browser, dragData, mask);
  }
  void OnDraggableRegionsChanged(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                 size_t regionsCount,
                                 const cef_draggable_region_t* regions) override {
    OSTREL_FORWARD_EVENT(HandleDraggableRegionsChanged, OnDraggableRegionsChanged, browser, frame,
                         regionsCount, regions);
  }

 private:
  ~TCustomDragHandler() override = default;
};

class TCustomFindHandler final : public TCustomHandler<TCefFindHandlerOwn> {
 public:
  using TCustomHandler::TCustomHandler;

  void OnFindResult(Ref<ICefBrowser> browser, int identifier, int count,
                    const cef_rect_t* selectionRect, int activeMatchOrdinal,
                    bool finalUpdate) override {
    OSTREL_FORWARD_EVENT(HandleFindResult, OnFindResult, browser, identifier, count, selectionRect,
                         activeMatchOrdinal, finalUpdate);
  }

 private:
  ~TCustomFindHandler() override = default;
};

#endif  // OSTREL_ENGINE_ROUTING_CUSTOM_HANDLERS_H_
