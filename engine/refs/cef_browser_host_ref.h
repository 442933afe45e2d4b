#ifndef OSTREL_ENGINE_REFS_CEF_BROWSER_HOST_REF_H_
#define OSTREL_ENGINE_REFS_CEF_BROWSER_HOST_REF_H_

// The host side of an engine browser: closing, window, zoom, developer tools, printing, find,
// downloads, navigation entries, input events and notifications. Program callback objects
// (visitors, callbacks, the developer-tools client) go to the engine with one added reference
// each; engine objects without a typed wrapper yet (client, extension) come back as plain counted
// wrappers.

#include <cstdint>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefClient;
class ICefDragData;
class ICefDownloadImageCallback;
class ICefNavigationEntry;
class ICefNavigationEntryVisitor;
class ICefPdfPrintCallback;
class ICefRequestContext;
class ICefRunFileDialogCallback;

class ICefBrowserHost : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefBrowser> GetBrowser() = 0;
  virtual void CloseBrowser(bool forceClose) = 0;
  virtual bool TryCloseBrowser() = 0;
  virtual void SetFocus(bool focus) = 0;
  virtual HWND GetWindowHandle() = 0;
  virtual HWND GetOpenerWindowHandle() = 0;
  virtual bool HasView() = 0;
  virtual CefRefPtr<ICefBaseRefCounted> GetClient() = 0;
  virtual CefRefPtr<ICefRequestContext> GetRequestContext() = 0;
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;
  virtual void RunFileDialog(cef_file_dialog_mode_t mode, const ustring& title,
                             const ustring& defaultFilePath,
                             const std::vector<ustring>& acceptFilters, int selectedAcceptFilter,
                             Ref<ICefRunFileDialogCallback> callback) = 0;
  virtual void StartDownload(const ustring& url) = 0;
  virtual void DownloadImage(const ustring& imageUrl, bool isFavicon, uint32_t maxImageSize,
                             bool bypassCache, Ref<ICefDownloadImageCallback> callback) = 0;
  virtual void Print() = 0;
  virtual void PrintToPdf(const ustring& path, const cef_pdf_print_settings_t& settings,
                          Ref<ICefPdfPrintCallback> callback) = 0;
  virtual void Find(int identifier, const ustring& searchText, bool forward, bool matchCase,
                    bool findNext) = 0;
  virtual void StopFinding(bool clearSelection) = 0;
  // `inspectElementAt` null: no element is inspected.
  virtual void ShowDevTools(const cef_window_info_t& windowInfo, Ref<ICefClient> client,
                            const cef_browser_settings_t& settings,
                            const cef_point_t* inspectElementAt) = 0;
  virtual void CloseDevTools() = 0;
  virtual bool HasDevTools() = 0;
  virtual void GetNavigationEntries(Ref<ICefNavigationEntryVisitor> visitor, bool currentOnly) = 0;
  virtual void SetMouseCursorChangeDisabled(bool disabled) = 0;
  virtual bool IsMouseCursorChangeDisabled() = 0;
  virtual void ReplaceMisspelling(const ustring& word) = 0;
  virtual void AddWordToDictionary(const ustring& word) = 0;
  virtual bool IsWindowRenderingDisabled() = 0;
  virtual void WasResized() = 0;
  virtual void WasHidden(bool hidden) = 0;
  virtual void NotifyScreenInfoChanged() = 0;
  virtual void Invalidate(cef_paint_element_type_t type) = 0;
  virtual void SendExternalBeginFrame() = 0;
  virtual void SendKeyEvent(const cef_key_event_t& event) = 0;
  virtual void SendMouseClickEvent(const cef_mouse_event_t& event, cef_mouse_button_type_t type,
                                   bool mouseUp, int clickCount) = 0;
  virtual void SendMouseMoveEvent(const cef_mouse_event_t& event, bool mouseLeave) = 0;
  virtual void SendMouseWheelEvent(const cef_mouse_event_t& event, int deltaX, int deltaY) = 0;
  virtual void SendTouchEvent(const cef_touch_event_t& event) = 0;
  virtual void SendFocusEvent(bool setFocus) = 0;
  virtual void SendCaptureLostEvent() = 0;
  virtual void NotifyMoveOrResizeStarted() = 0;
  virtual int GetWindowlessFrameRate() = 0;
  virtual void SetWindowlessFrameRate(int frameRate) = 0;
  virtual void ImeSetComposition(const ustring& text,
                                 const std::vector<cef_composition_underline_t>& underlines,
                                 const cef_range_t& replacementRange,
                                 const cef_range_t& selectionRange) = 0;
  virtual void ImeCommitText(const ustring& text, const cef_range_t& replacementRange,
                             int relativeCursorPos) = 0;
  virtual void ImeFinishComposingText(bool keepSelection) = 0;
  virtual void ImeCancelComposition() = 0;
  virtual void DragTargetDragEnter(Ref<ICefDragData> dragData, const cef_mouse_event_t& event,
                                   cef_drag_operations_mask_t allowedOps) = 0;
  virtual void DragTargetDragOver(const cef_mouse_event_t& event,
                                  cef_drag_operations_mask_t allowedOps) = 0;
  virtual void DragTargetDragLeave() = 0;
  virtual void DragTargetDrop(const cef_mouse_event_t& event) = 0;
  virtual void DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) = 0;
  virtual void DragSourceSystemDragEnded() = 0;
  virtual CefRefPtr<ICefNavigationEntry> GetVisibleNavigationEntry() = 0;
  virtual void SetAccessibilityState(cef_state_t accessibilityState) = 0;
  virtual void SetAutoResizeEnabled(bool enabled, const cef_size_t& minSize,
                                    const cef_size_t& maxSize) = 0;
  virtual CefRefPtr<ICefBaseRefCounted> GetExtension() = 0;
  virtual bool IsBackgroundHost() = 0;
  virtual void SetAudioMuted(bool mute) = 0;
  virtual bool IsAudioMuted() = 0;
};

class TCefBrowserHostRef final
    : public TCefRefBase<TCefBrowserHostRef, ICefBrowserHost, cef_browser_host_t> {
 public:
  using TCefRefBase::TCefRefBase;

  CefRefPtr<ICefBrowser> GetBrowser() override;
  void CloseBrowser(bool forceClose) override;
  bool TryCloseBrowser() override;
  void SetFocus(bool focus) override;
  HWND GetWindowHandle() override;
  HWND GetOpenerWindowHandle() override;
  bool HasView() override;
  CefRefPtr<ICefBaseRefCounted> GetClient() override;
  CefRefPtr<ICefRequestContext> GetRequestContext() override;
  double GetZoomLevel() override;
  void SetZoomLevel(double zoomLevel) override;
  void RunFileDialog(cef_file_dialog_mode_t mode, const ustring& title,
                     const ustring& defaultFilePath, const std::vector<ustring>& acceptFilters,
                     int selectedAcceptFilter, Ref<ICefRunFileDialogCallback> callback) override;
  void StartDownload(const ustring& url) override;
  void DownloadImage(const ustring& imageUrl, bool isFavicon, uint32_t maxImageSize,
                     bool bypassCache, Ref<ICefDownloadImageCallback> callback) override;
  void Print() override;
  void PrintToPdf(const ustring& path, const cef_pdf_print_settings_t& settings,
                  Ref<ICefPdfPrintCallback> callback) override;
  void Find(int identifier, const ustring& searchText, bool forward, bool matchCase,
            bool findNext) override;
  void StopFinding(bool clearSelection) override;
  void ShowDevTools(const cef_window_info_t& windowInfo, Ref<ICefClient> client,
                    const cef_browser_settings_t& settings,
                    const cef_point_t* inspectElementAt) override;
  void CloseDevTools() override;
  bool HasDevTools() override;
  void GetNavigationEntries(Ref<ICefNavigationEntryVisitor> visitor, bool currentOnly) override;
  void SetMouseCursorChangeDisabled(bool disabled) override;
  bool IsMouseCursorChangeDisabled() override;
  void ReplaceMisspelling(const ustring& word) override;
  void AddWordToDictionary(const ustring& word) override;
  bool IsWindowRenderingDisabled() override;
  void WasResized() override;
  void WasHidden(bool hidden) override;
  void NotifyScreenInfoChanged() override;
  void Invalidate(cef_paint_element_type_t type) override;
  void SendExternalBeginFrame() override;
  void SendKeyEvent(const cef_key_event_t& event) override;
  void SendMouseClickEvent(const cef_mouse_event_t& event, cef_mouse_button_type_t type,
                           bool mouseUp, int clickCount) override;
  void SendMouseMoveEvent(const cef_mouse_event_t& event, bool mouseLeave) override;
  void SendMouseWheelEvent(const cef_mouse_event_t& event, int deltaX, int deltaY) override;
  void SendTouchEvent(const cef_touch_event_t& event) override;
  void SendFocusEvent(bool setFocus) override;
  void SendCaptureLostEvent() override;
  void NotifyMoveOrResizeStarted() override;
  int GetWindowlessFrameRate() override;
  void SetWindowlessFrameRate(int frameRate) override;
  void ImeSetComposition(const ustring& text,
                         const std::vector<cef_composition_underline_t>& underlines,
                         const cef_range_t& replacementRange,
                         const cef_range_t& selectionRange) override;
  void ImeCommitText(const ustring& text, const cef_range_t& replacementRange,
                     int relativeCursorPos) override;
  void ImeFinishComposingText(bool keepSelection) override;
  void ImeCancelComposition() override;
  void DragTargetDragEnter(Ref<ICefDragData> dragData, const cef_mouse_event_t& event,
                           cef_drag_operations_mask_t allowedOps) override;
  void DragTargetDragOver(const cef_mouse_event_t& event,
                          cef_drag_operations_mask_t allowedOps) override;
  void DragTargetDragLeave() override;
  void DragTargetDrop(const cef_mouse_event_t& event) override;
  void DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) override;
  void DragSourceSystemDragEnded() override;
  CefRefPtr<ICefNavigationEntry> GetVisibleNavigationEntry() override;
  void SetAccessibilityState(cef_state_t accessibilityState) override;
  void SetAutoResizeEnabled(bool enabled, const cef_size_t& minSize,
                            const cef_size_t& maxSize) override;
  CefRefPtr<ICefBaseRefCounted> GetExtension() override;
  bool IsBackgroundHost() override;
  void SetAudioMuted(bool mute) override;
  bool IsAudioMuted() override;

 private:
  ~TCefBrowserHostRef() override = default;
};

inline CefRefPtr<ICefBrowserHost> UnWrapEngine(cef_browser_host_t* data) {
  return TCefBrowserHostRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_BROWSER_HOST_REF_H_
