#ifndef OSTREL_TESTS_UNIT_FAKE_CHROMIUM_EVENTS_H_
#define OSTREL_TESTS_UNIT_FAKE_CHROMIUM_EVENTS_H_

// A browser control for tests of the objects that report to one (handler objects, tasks,
// asynchronous callbacks). Every operation records its name and gives the neutral answer:
// nothing, false, null, RV_CONTINUE, in/out arguments left as they came. A test sets the
// answers it needs (Boolean operations and the Wants... predicates by name, object results by
// name), or derives from it to look at arguments or change in/out ones; an override that calls
// the base operation keeps the record. Safe to call from several threads.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/routing/chromium_events.h"

class FakeChromiumEvents : public IChromiumEvents {
 public:
  FakeChromiumEvents() = default;
  virtual ~FakeChromiumEvents() = default;

  // ---- Setting it up ----

  // The answer of a Boolean operation or predicate, e.g. SetAnswer("WantsLoadHandler", true).
  void SetAnswer(std::string_view operation, bool answer) {
    std::lock_guard lock(FMutex);
    FAnswers[std::string(operation)] = answer;
  }
  void Want(std::initializer_list<std::string_view> predicates) {
    for (std::string_view predicate : predicates) SetAnswer(predicate, true);
  }
  // Every Wants... predicate true: a control with every event assigned, windowless.
  void WantEverything() {
    Want({"WantsLoadHandler", "WantsFocusHandler", "WantsContextMenuHandler", "WantsDialogHandler",
          "WantsKeyboardHandler", "WantsDisplayHandler", "WantsDownloadHandler",
          "WantsJsDialogHandler", "WantsLifeSpanHandler", "WantsRenderHandler",
          "WantsRequestHandler", "WantsDragHandler", "WantsFindHandler",
          "WantsResourceRequestHandler", "WantsCookieAccessFilter"});
  }
  // The result of HandleGetResourceHandler, HandleGetResourceResponseFilter or
  // HandleGetAccessibilityHandler.
  void SetObjectAnswer(std::string_view operation, CefRefPtr<ICefBaseRefCounted> object) {
    std::lock_guard lock(FMutex);
    FObjects[std::string(operation)] = std::move(object);
  }

  cef_return_value_t beforeResourceLoad = RV_CONTINUE;

  // ---- Looking at what happened ----

  std::vector<std::string> Calls() const {
    std::lock_guard lock(FMutex);
    return FCalls;
  }
  int CallCount(std::string_view operation) const {
    std::lock_guard lock(FMutex);
    int count = 0;
    for (const std::string& call : FCalls) count += call == operation ? 1 : 0;
    return count;
  }
  bool Called(std::string_view operation) const { return CallCount(operation) > 0; }
  void ClearCalls() {
    std::lock_guard lock(FMutex);
    FCalls.clear();
  }
  // Drops the object answers, e.g. before a test checks that no reference is left.
  void ClearObjectAnswers() {
    std::lock_guard lock(FMutex);
    FObjects.clear();
  }

  // ---- The operations ----
  void FillBrowserSettings(cef_browser_settings_t*) override { Record(__func__); }

  // Client
  bool HandleProcessMessageReceived(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                    cef_process_id_t,
                                    const CefRefPtr<ICefProcessMessage>&) override {
    return Answer(__func__);
  }

  // Load handler
  void HandleLoadingStateChange(const CefRefPtr<ICefBrowser>&, bool, bool, bool) override {
    Record(__func__);
  }
  void HandleLoadStart(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                       cef_transition_type_t) override {
    Record(__func__);
  }
  void HandleLoadEnd(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, int) override {
    Record(__func__);
  }
  void HandleLoadError(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, cef_errorcode_t,
                       const ustring&, const ustring&) override {
    Record(__func__);
  }

  // Focus handler
  void HandleTakeFocus(const CefRefPtr<ICefBrowser>&, bool) override { Record(__func__); }
  bool HandleSetFocus(const CefRefPtr<ICefBrowser>&, cef_focus_source_t) override {
    return Answer(__func__);
  }
  void HandleGotFocus(const CefRefPtr<ICefBrowser>&) override { Record(__func__); }

  // Context menu handler
  void HandleBeforeContextMenu(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                               const CefRefPtr<ICefContextMenuParams>&,
                               const CefRefPtr<ICefMenuModel>&) override {
    Record(__func__);
  }
  bool HandleRunContextMenu(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                            const CefRefPtr<ICefContextMenuParams>&,
                            const CefRefPtr<ICefMenuModel>&,
                            const CefRefPtr<ICefRunContextMenuCallback>&) override {
    return Answer(__func__);
  }
  bool HandleContextMenuCommand(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                const CefRefPtr<ICefContextMenuParams>&, int,
                                cef_event_flags_t) override {
    return Answer(__func__);
  }
  void HandleContextMenuDismissed(const CefRefPtr<ICefBrowser>&,
                                  const CefRefPtr<ICefFrame>&) override {
    Record(__func__);
  }

  // Keyboard handler
  bool HandlePreKeyEvent(const CefRefPtr<ICefBrowser>&, const cef_key_event_t*, MSG*,
                         bool&) override {
    return Answer(__func__);
  }
  bool HandleKeyEvent(const CefRefPtr<ICefBrowser>&, const cef_key_event_t*, MSG*) override {
    return Answer(__func__);
  }

  // Display handler
  void HandleAddressChange(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                           const ustring&) override {
    Record(__func__);
  }
  void HandleTitleChange(const CefRefPtr<ICefBrowser>&, const ustring&) override {
    Record(__func__);
  }
  void HandleFavIconUrlChange(const CefRefPtr<ICefBrowser>&, const std::vector<ustring>&) override {
    Record(__func__);
  }
  void HandleFullScreenModeChange(const CefRefPtr<ICefBrowser>&, bool) override {
    Record(__func__);
  }
  bool HandleTooltip(const CefRefPtr<ICefBrowser>&, ustring&) override { return Answer(__func__); }
  void HandleStatusMessage(const CefRefPtr<ICefBrowser>&, const ustring&) override {
    Record(__func__);
  }
  bool HandleConsoleMessage(const CefRefPtr<ICefBrowser>&, cef_log_severity_t, const ustring&,
                            const ustring&, int) override {
    return Answer(__func__);
  }
  bool HandleAutoResize(const CefRefPtr<ICefBrowser>&, const cef_size_t*) override {
    return Answer(__func__);
  }
  void HandleLoadingProgressChange(const CefRefPtr<ICefBrowser>&, double) override {
    Record(__func__);
  }

  // Download handler
  void HandleBeforeDownload(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDownloadItem>&,
                            const ustring&, const CefRefPtr<ICefBeforeDownloadCallback>&) override {
    Record(__func__);
  }
  void HandleDownloadUpdated(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDownloadItem>&,
                             const CefRefPtr<ICefDownloadItemCallback>&) override {
    Record(__func__);
  }

  // JavaScript dialog handler
  bool HandleJsdialog(const CefRefPtr<ICefBrowser>&, const ustring&, cef_jsdialog_type_t,
                      const ustring&, const ustring&, const CefRefPtr<ICefJsDialogCallback>&,
                      bool&) override {
    return Answer(__func__);
  }
  bool HandleBeforeUnloadDialog(const CefRefPtr<ICefBrowser>&, const ustring&, bool,
                                const CefRefPtr<ICefJsDialogCallback>&) override {
    return Answer(__func__);
  }
  void HandleResetDialogState(const CefRefPtr<ICefBrowser>&) override { Record(__func__); }
  void HandleDialogClosed(const CefRefPtr<ICefBrowser>&) override { Record(__func__); }

  // Life span handler
  bool HandleBeforePopup(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, const ustring&,
                         const ustring&, cef_window_open_disposition_t, bool,
                         const cef_popup_features_t*, cef_window_info_t*,
                         CefRefPtr<ICefBaseRefCounted>&, cef_browser_settings_t*,
                         CefRefPtr<ICefDictionaryValue>&, bool&) override {
    return Answer(__func__);
  }
  void HandleAfterCreated(const CefRefPtr<ICefBrowser>&) override { Record(__func__); }
  void HandleBeforeClose(const CefRefPtr<ICefBrowser>&) override { Record(__func__); }
  bool HandleClose(const CefRefPtr<ICefBrowser>&) override { return Answer(__func__); }

  // Request handler
  bool HandleBeforeBrowse(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                          const CefRefPtr<ICefRequest>&, bool, bool) override {
    return Answer(__func__);
  }
  bool HandleOpenUrlFromTab(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                            const ustring&, cef_window_open_disposition_t, bool) override {
    return Answer(__func__);
  }
  void HandleGetResourceRequestHandler(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                       const CefRefPtr<ICefRequest>&, bool, bool, const ustring&,
                                       bool&, CefRefPtr<ICefResourceRequestHandler>&,
                                       bool&) override {
    Record(__func__);
  }
  bool HandleGetAuthCredentials(const CefRefPtr<ICefBrowser>&, const ustring&, bool, const ustring&,
                                int, const ustring&, const ustring&,
                                const CefRefPtr<ICefAuthCallback>&) override {
    return Answer(__func__);
  }
  bool HandleQuotaRequest(const CefRefPtr<ICefBrowser>&, const ustring&, int64_t,
                          const CefRefPtr<ICefRequestCallback>&) override {
    return Answer(__func__);
  }
  bool HandleCertificateError(const CefRefPtr<ICefBrowser>&, cef_errorcode_t, const ustring&,
                              const CefRefPtr<ICefSslInfo>&,
                              const CefRefPtr<ICefRequestCallback>&) override {
    return Answer(__func__);
  }
  bool HandleSelectClientCertificate(
      const CefRefPtr<ICefBrowser>&, bool, const ustring&, int,
      const std::vector<CefRefPtr<ICefX509Certificate>>&,
      const CefRefPtr<ICefSelectClientCertificateCallback>&) override {
    return Answer(__func__);
  }
  void HandlePluginCrashed(const CefRefPtr<ICefBrowser>&, const ustring&) override {
    Record(__func__);
  }
  void HandleRenderViewReady(const CefRefPtr<ICefBrowser>&) override { Record(__func__); }
  void HandleRenderProcessTerminated(const CefRefPtr<ICefBrowser>&,
                                     cef_termination_status_t) override {
    Record(__func__);
  }

  // Resource request handler
  cef_return_value_t HandleBeforeResourceLoad(const CefRefPtr<ICefBrowser>&,
                                              const CefRefPtr<ICefFrame>&,
                                              const CefRefPtr<ICefRequest>&,
                                              const CefRefPtr<ICefRequestCallback>&) override {
    Record(__func__);
    return beforeResourceLoad;
  }
  CefRefPtr<ICefBaseRefCounted> HandleGetResourceHandler(const CefRefPtr<ICefBrowser>&,
                                                         const CefRefPtr<ICefFrame>&,
                                                         const CefRefPtr<ICefRequest>&) override {
    return ObjectAnswer(__func__);
  }
  void HandleResourceRedirect(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                              const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&,
                              ustring&) override {
    Record(__func__);
  }
  bool HandleResourceResponse(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                              const CefRefPtr<ICefRequest>&,
                              const CefRefPtr<ICefResponse>&) override {
    return Answer(__func__);
  }
  CefRefPtr<ICefBaseRefCounted> HandleGetResourceResponseFilter(
      const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, const CefRefPtr<ICefRequest>&,
      const CefRefPtr<ICefResponse>&) override {
    return ObjectAnswer(__func__);
  }
  void HandleResourceLoadComplete(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                  const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&,
                                  cef_urlrequest_status_t, int64_t) override {
    Record(__func__);
  }
  void HandleProtocolExecution(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                               const CefRefPtr<ICefRequest>&, bool&) override {
    Record(__func__);
  }

  // Cookie access filter
  bool HandleCanSendCookie(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                           const CefRefPtr<ICefRequest>&, const cef_cookie_t*) override {
    return Answer(__func__);
  }
  bool HandleCanSaveCookie(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                           const CefRefPtr<ICefRequest>&, const CefRefPtr<ICefResponse>&,
                           const cef_cookie_t*) override {
    return Answer(__func__);
  }

  // Dialog handler
  bool HandleFileDialog(const CefRefPtr<ICefBrowser>&, cef_file_dialog_mode_t, const ustring&,
                        const ustring&, const std::vector<ustring>&, int,
                        const CefRefPtr<ICefFileDialogCallback>&) override {
    return Answer(__func__);
  }

  // Render handler (windowless browsers only)
  CefRefPtr<ICefBaseRefCounted> HandleGetAccessibilityHandler() override {
    return ObjectAnswer(__func__);
  }
  bool HandleGetRootScreenRect(const CefRefPtr<ICefBrowser>&, cef_rect_t*) override {
    return Answer(__func__);
  }
  void HandleGetViewRect(const CefRefPtr<ICefBrowser>&, cef_rect_t*) override { Record(__func__); }
  bool HandleGetScreenPoint(const CefRefPtr<ICefBrowser>&, int, int, int&, int&) override {
    return Answer(__func__);
  }
  bool HandleGetScreenInfo(const CefRefPtr<ICefBrowser>&, cef_screen_info_t*) override {
    return Answer(__func__);
  }
  void HandlePopupShow(const CefRefPtr<ICefBrowser>&, bool) override { Record(__func__); }
  void HandlePopupSize(const CefRefPtr<ICefBrowser>&, const cef_rect_t*) override {
    Record(__func__);
  }
  void HandlePaint(const CefRefPtr<ICefBrowser>&, cef_paint_element_type_t, size_t,
                   const cef_rect_t*, const void*, int, int) override {
    Record(__func__);
  }
  void HandleAcceleratedPaint(const CefRefPtr<ICefBrowser>&, cef_paint_element_type_t, size_t,
                              const cef_rect_t*, void*) override {
    Record(__func__);
  }
  void HandleCursorChange(const CefRefPtr<ICefBrowser>&, HCURSOR, cef_cursor_type_t,
                          const cef_cursor_info_t*) override {
    Record(__func__);
  }
  bool HandleStartDragging(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDragData>&,
                           cef_drag_operations_mask_t, int, int) override {
    return Answer(__func__);
  }
  void HandleUpdateDragCursor(const CefRefPtr<ICefBrowser>&, cef_drag_operations_mask_t) override {
    Record(__func__);
  }
  void HandleScrollOffsetChanged(const CefRefPtr<ICefBrowser>&, double, double) override {
    Record(__func__);
  }
  void HandleIMECompositionRangeChanged(const CefRefPtr<ICefBrowser>&, const cef_range_t*, size_t,
                                        const cef_rect_t*) override {
    Record(__func__);
  }
  void HandleTextSelectionChanged(const CefRefPtr<ICefBrowser>&, const ustring&,
                                  const cef_range_t*) override {
    Record(__func__);
  }
  void HandleVirtualKeyboardRequested(const CefRefPtr<ICefBrowser>&,
                                      cef_text_input_mode_t) override {
    Record(__func__);
  }

  // Drag handler
  bool HandleDragEnter(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefDragData>&,
                       cef_drag_operations_mask_t) override {
    return Answer(__func__);
  }
  void HandleDraggableRegionsChanged(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                     size_t, const cef_draggable_region_t*) override {
    Record(__func__);
  }

  // Find handler
  void HandleFindResult(const CefRefPtr<ICefBrowser>&, int, int, const cef_rect_t*, int,
                        bool) override {
    Record(__func__);
  }

  // Request context handler
  void HandleRequestContextInitialized(const CefRefPtr<ICefRequestContext>&) override {
    Record(__func__);
  }
  bool HandleBeforePluginLoad(const ustring&, const ustring&, bool, const ustring&,
                              const CefRefPtr<ICefWebPluginInfo>&, cef_plugin_policy_t&) override {
    return Answer(__func__);
  }
  void HandleContextGetResourceRequestHandler(const CefRefPtr<ICefBrowser>&,
                                              const CefRefPtr<ICefFrame>&,
                                              const CefRefPtr<ICefRequest>&, bool, bool,
                                              const ustring&, bool&,
                                              CefRefPtr<ICefResourceRequestHandler>&) override {
    Record(__func__);
  }

  // Asynchronous results and tasks
  void HandleCookiesDeleted(int) override { Record(__func__); }
  void HandlePdfPrintFinished(const ustring&, bool) override { Record(__func__); }
  void HandleTextResultAvailable(const ustring&) override { Record(__func__); }
  void ApplyPreferences(const CefRefPtr<ICefBrowser>&) override { Record(__func__); }
  void RunUpdatePreferencesTask() override { Record(__func__); }
  bool Internal_SavePreferences() override { return Answer(__func__); }
  void HandleResolvedHostAvailable(cef_errorcode_t, const std::vector<ustring>&) override {
    Record(__func__);
  }
  bool HandleNavigationVisitorResult(const CefRefPtr<ICefNavigationEntry>&, bool, int,
                                     int) override {
    return Answer(__func__);
  }
  void HandleDownloadImageFinished(const ustring&, int, const CefRefPtr<ICefImage>&) override {
    Record(__func__);
  }
  void HandleCookiesFlushed() override { Record(__func__); }
  void HandleCertificateExceptionsCleared() override { Record(__func__); }
  void HandleHttpAuthCredentialsCleared() override { Record(__func__); }
  void HandleAllConnectionsClosed() override { Record(__func__); }
  void HandleExecuteTaskOnCefThread(uint32_t) override { Record(__func__); }

  // Which handler objects the client creates; asked only while they are being created.
  bool WantsLoadHandler() override { return Answer(__func__); }
  bool WantsFocusHandler() override { return Answer(__func__); }
  bool WantsContextMenuHandler() override { return Answer(__func__); }
  bool WantsDialogHandler() override { return Answer(__func__); }
  bool WantsKeyboardHandler() override { return Answer(__func__); }
  bool WantsDisplayHandler() override { return Answer(__func__); }
  bool WantsDownloadHandler() override { return Answer(__func__); }
  bool WantsJsDialogHandler() override { return Answer(__func__); }
  bool WantsLifeSpanHandler() override { return Answer(__func__); }
  bool WantsRenderHandler() override { return Answer(__func__); }
  bool WantsRequestHandler() override { return Answer(__func__); }
  bool WantsDragHandler() override { return Answer(__func__); }
  bool WantsFindHandler() override { return Answer(__func__); }
  bool WantsResourceRequestHandler() override { return Answer(__func__); }
  bool WantsCookieAccessFilter() override { return Answer(__func__); }

 protected:
  void Record(const char* operation) {
    std::lock_guard lock(FMutex);
    FCalls.emplace_back(operation);
  }
  bool Answer(const char* operation) {
    Record(operation);
    std::lock_guard lock(FMutex);
    const auto found = FAnswers.find(operation);
    return found != FAnswers.end() && found->second;
  }
  CefRefPtr<ICefBaseRefCounted> ObjectAnswer(const char* operation) {
    Record(operation);
    std::lock_guard lock(FMutex);
    const auto found = FObjects.find(operation);
    return found != FObjects.end() ? found->second : nullptr;
  }

 private:
  mutable std::mutex FMutex;
  std::vector<std::string> FCalls;
  std::map<std::string, bool, std::less<>> FAnswers;
  std::map<std::string, CefRefPtr<ICefBaseRefCounted>, std::less<>> FObjects;
};

#endif  // OSTREL_TESTS_UNIT_FAKE_CHROMIUM_EVENTS_H_
