#include "engine/refs/cef_browser_host_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"
#include "engine/interfaces/cef_client.h"
#include "engine/interfaces/cef_download_image_callback.h"
#include "engine/interfaces/cef_navigation_entry_visitor.h"
#include "engine/interfaces/cef_pdf_print_callback.h"
#include "engine/interfaces/cef_run_file_dialog_callback.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_drag_data_ref.h"
#include "engine/refs/cef_navigation_entry_ref.h"
#include "engine/refs/cef_request_context_ref.h"

using Host = cef_browser_host_t;

CefRefPtr<ICefBrowser> TCefBrowserHostRef::GetBrowser() {
  return CallEngine(Engine(), &Host::get_browser);
}

void TCefBrowserHostRef::CloseBrowser(bool forceClose) {
  CallEngine(Engine(), &Host::close_browser, forceClose);
}

bool TCefBrowserHostRef::TryCloseBrowser() {
  return CallEngine(Engine(), &Host::try_close_browser) != 0;
}

void TCefBrowserHostRef::SetFocus(bool focus) { CallEngine(Engine(), &Host::set_focus, focus); }

HWND TCefBrowserHostRef::GetWindowHandle() {
  return CallEngine(Engine(), &Host::get_window_handle);
}

HWND TCefBrowserHostRef::GetOpenerWindowHandle() {
  return CallEngine(Engine(), &Host::get_opener_window_handle);
}

bool TCefBrowserHostRef::HasView() { return CallEngine(Engine(), &Host::has_view) != 0; }

CefRefPtr<ICefBaseRefCounted> TCefBrowserHostRef::GetClient() {
  return CallEngine(Engine(), &Host::get_client);
}

CefRefPtr<ICefRequestContext> TCefBrowserHostRef::GetRequestContext() {
  return CallEngine(Engine(), &Host::get_request_context);
}

double TCefBrowserHostRef::GetZoomLevel() { return CallEngine(Engine(), &Host::get_zoom_level); }

void TCefBrowserHostRef::SetZoomLevel(double zoomLevel) {
  CallEngine(Engine(), &Host::set_zoom_level, zoomLevel);
}

void TCefBrowserHostRef::RunFileDialog(cef_file_dialog_mode_t mode, const ustring& title,
                                       const ustring& defaultFilePath,
                                       const std::vector<ustring>& acceptFilters,
                                       int selectedAcceptFilter,
                                       Ref<ICefRunFileDialogCallback> callback) {
  CefRefPtr<TCefStringListOwn> filters = MakeRefCounted<TCefStringListOwn>();
  filters->AddStringsFrom(acceptFilters);
  CallEngine(Engine(), &Host::run_file_dialog, mode, title, defaultFilePath, filters->GetHandle(),
             selectedAcceptFilter, callback);
}

void TCefBrowserHostRef::StartDownload(const ustring& url) {
  CallEngine(Engine(), &Host::start_download, url);
}

void TCefBrowserHostRef::DownloadImage(const ustring& imageUrl, bool isFavicon,
                                       uint32_t maxImageSize, bool bypassCache,
                                       Ref<ICefDownloadImageCallback> callback) {
  CallEngine(Engine(), &Host::download_image, imageUrl, isFavicon, uint32{maxImageSize},
             bypassCache, callback);
}

void TCefBrowserHostRef::Print() { CallEngine(Engine(), &Host::print); }

void TCefBrowserHostRef::PrintToPdf(const ustring& path, const cef_pdf_print_settings_t& settings,
                                    Ref<ICefPdfPrintCallback> callback) {
  CallEngine(Engine(), &Host::print_to_pdf, path, &settings, callback);
}

void TCefBrowserHostRef::Find(int identifier, const ustring& searchText, bool forward,
                              bool matchCase, bool findNext) {
  CallEngine(Engine(), &Host::find, identifier, searchText, forward, matchCase, findNext);
}

void TCefBrowserHostRef::StopFinding(bool clearSelection) {
  CallEngine(Engine(), &Host::stop_finding, clearSelection);
}

void TCefBrowserHostRef::ShowDevTools(const cef_window_info_t& windowInfo, Ref<ICefClient> client,
                                      const cef_browser_settings_t& settings,
                                      const cef_point_t* inspectElementAt) {
  CallEngine(Engine(), &Host::show_dev_tools, &windowInfo, client, &settings, inspectElementAt);
}

void TCefBrowserHostRef::CloseDevTools() { CallEngine(Engine(), &Host::close_dev_tools); }

bool TCefBrowserHostRef::HasDevTools() { return CallEngine(Engine(), &Host::has_dev_tools) != 0; }

void TCefBrowserHostRef::GetNavigationEntries(Ref<ICefNavigationEntryVisitor> visitor,
                                              bool currentOnly) {
  CallEngine(Engine(), &Host::get_navigation_entries, visitor, currentOnly);
}

void TCefBrowserHostRef::SetMouseCursorChangeDisabled(bool disabled) {
  CallEngine(Engine(), &Host::set_mouse_cursor_change_disabled, disabled);
}

bool TCefBrowserHostRef::IsMouseCursorChangeDisabled() {
  return CallEngine(Engine(), &Host::is_mouse_cursor_change_disabled) != 0;
}

void TCefBrowserHostRef::ReplaceMisspelling(const ustring& word) {
  CallEngine(Engine(), &Host::replace_misspelling, word);
}

void TCefBrowserHostRef::AddWordToDictionary(const ustring& word) {
  CallEngine(Engine(), &Host::add_word_to_dictionary, word);
}

bool TCefBrowserHostRef::IsWindowRenderingDisabled() {
  return CallEngine(Engine(), &Host::is_window_rendering_disabled) != 0;
}

void TCefBrowserHostRef::WasResized() { CallEngine(Engine(), &Host::was_resized); }

void TCefBrowserHostRef::WasHidden(bool hidden) { CallEngine(Engine(), &Host::was_hidden, hidden); }

void TCefBrowserHostRef::NotifyScreenInfoChanged() {
  CallEngine(Engine(), &Host::notify_screen_info_changed);
}

void TCefBrowserHostRef::Invalidate(cef_paint_element_type_t type) {
  CallEngine(Engine(), &Host::invalidate, type);
}

void TCefBrowserHostRef::SendExternalBeginFrame() {
  CallEngine(Engine(), &Host::send_external_begin_frame);
}

void TCefBrowserHostRef::SendKeyEvent(const cef_key_event_t& event) {
  CallEngine(Engine(), &Host::send_key_event, &event);
}

void TCefBrowserHostRef::SendMouseClickEvent(const cef_mouse_event_t& event,
                                             cef_mouse_button_type_t type, bool mouseUp,
                                             int clickCount) {
  CallEngine(Engine(), &Host::send_mouse_click_event, &event, type, mouseUp, clickCount);
}

void TCefBrowserHostRef::SendMouseMoveEvent(const cef_mouse_event_t& event, bool mouseLeave) {
  CallEngine(Engine(), &Host::send_mouse_move_event, &event, mouseLeave);
}

void TCefBrowserHostRef::SendMouseWheelEvent(const cef_mouse_event_t& event, int deltaX,
                                             int deltaY) {
  CallEngine(Engine(), &Host::send_mouse_wheel_event, &event, deltaX, deltaY);
}

void TCefBrowserHostRef::SendTouchEvent(const cef_touch_event_t& event) {
  CallEngine(Engine(), &Host::send_touch_event, &event);
}

void TCefBrowserHostRef::SendFocusEvent(bool setFocus) {
  CallEngine(Engine(), &Host::send_focus_event, setFocus);
}

void TCefBrowserHostRef::SendCaptureLostEvent() {
  CallEngine(Engine(), &Host::send_capture_lost_event);
}

void TCefBrowserHostRef::NotifyMoveOrResizeStarted() {
  CallEngine(Engine(), &Host::notify_move_or_resize_started);
}

int TCefBrowserHostRef::GetWindowlessFrameRate() {
  return CallEngine(Engine(), &Host::get_windowless_frame_rate);
}

void TCefBrowserHostRef::SetWindowlessFrameRate(int frameRate) {
  CallEngine(Engine(), &Host::set_windowless_frame_rate, frameRate);
}

void TCefBrowserHostRef::ImeSetComposition(
    const ustring& text, const std::vector<cef_composition_underline_t>& underlines,
    const cef_range_t& replacementRange, const cef_range_t& selectionRange) {
  CallEngine(Engine(), &Host::ime_set_composition, text, underlines.size(), underlines.data(),
             &replacementRange, &selectionRange);
}

void TCefBrowserHostRef::ImeCommitText(const ustring& text, const cef_range_t& replacementRange,
                                       int relativeCursorPos) {
  CallEngine(Engine(), &Host::ime_commit_text, text, &replacementRange, relativeCursorPos);
}

void TCefBrowserHostRef::ImeFinishComposingText(bool keepSelection) {
  CallEngine(Engine(), &Host::ime_finish_composing_text, keepSelection);
}

void TCefBrowserHostRef::ImeCancelComposition() {
  CallEngine(Engine(), &Host::ime_cancel_composition);
}

void TCefBrowserHostRef::DragTargetDragEnter(Ref<ICefDragData> dragData,
                                             const cef_mouse_event_t& event,
                                             cef_drag_operations_mask_t allowedOps) {
  CallEngine(Engine(), &Host::drag_target_drag_enter, dragData, &event, allowedOps);
}

void TCefBrowserHostRef::DragTargetDragOver(const cef_mouse_event_t& event,
                                            cef_drag_operations_mask_t allowedOps) {
  CallEngine(Engine(), &Host::drag_target_drag_over, &event, allowedOps);
}

void TCefBrowserHostRef::DragTargetDragLeave() {
  CallEngine(Engine(), &Host::drag_target_drag_leave);
}

void TCefBrowserHostRef::DragTargetDrop(const cef_mouse_event_t& event) {
  CallEngine(Engine(), &Host::drag_target_drop, &event);
}

void TCefBrowserHostRef::DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) {
  CallEngine(Engine(), &Host::drag_source_ended_at, x, y, op);
}

void TCefBrowserHostRef::DragSourceSystemDragEnded() {
  CallEngine(Engine(), &Host::drag_source_system_drag_ended);
}

CefRefPtr<ICefNavigationEntry> TCefBrowserHostRef::GetVisibleNavigationEntry() {
  return CallEngine(Engine(), &Host::get_visible_navigation_entry);
}

void TCefBrowserHostRef::SetAccessibilityState(cef_state_t accessibilityState) {
  CallEngine(Engine(), &Host::set_accessibility_state, accessibilityState);
}

void TCefBrowserHostRef::SetAutoResizeEnabled(bool enabled, const cef_size_t& minSize,
                                              const cef_size_t& maxSize) {
  CallEngine(Engine(), &Host::set_auto_resize_enabled, enabled, &minSize, &maxSize);
}

CefRefPtr<ICefBaseRefCounted> TCefBrowserHostRef::GetExtension() {
  return CallEngine(Engine(), &Host::get_extension);
}

bool TCefBrowserHostRef::IsBackgroundHost() {
  return CallEngine(Engine(), &Host::is_background_host) != 0;
}

void TCefBrowserHostRef::SetAudioMuted(bool mute) {
  CallEngine(Engine(), &Host::set_audio_muted, mute);
}

bool TCefBrowserHostRef::IsAudioMuted() { return CallEngine(Engine(), &Host::is_audio_muted) != 0; }
