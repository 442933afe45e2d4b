#include "engine/refs/cef_browser_ref.h"

#include <algorithm>

#include "engine/core/cef_ref_call.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_browser_host_ref.h"
#include "engine/refs/cef_frame_ref.h"

CefRefPtr<ICefBrowserHost> TCefBrowserRef::GetHost() {
  return CallEngine(Engine(), &cef_browser_t::get_host);
}

bool TCefBrowserRef::CanGoBack() { return CallEngine(Engine(), &cef_browser_t::can_go_back) != 0; }

void TCefBrowserRef::GoBack() { CallEngine(Engine(), &cef_browser_t::go_back); }

bool TCefBrowserRef::CanGoForward() {
  return CallEngine(Engine(), &cef_browser_t::can_go_forward) != 0;
}

void TCefBrowserRef::GoForward() { CallEngine(Engine(), &cef_browser_t::go_forward); }

bool TCefBrowserRef::IsLoading() { return CallEngine(Engine(), &cef_browser_t::is_loading) != 0; }

void TCefBrowserRef::Reload() { CallEngine(Engine(), &cef_browser_t::reload); }

void TCefBrowserRef::ReloadIgnoreCache() {
  CallEngine(Engine(), &cef_browser_t::reload_ignore_cache);
}

void TCefBrowserRef::StopLoad() { CallEngine(Engine(), &cef_browser_t::stop_load); }

int TCefBrowserRef::GetIdentifier() { return CallEngine(Engine(), &cef_browser_t::get_identifier); }

bool TCefBrowserRef::IsSame(Ref<ICefBrowser> that) {
  return CallEngine(Engine(), &cef_browser_t::is_same, that) != 0;
}

bool TCefBrowserRef::IsPopup() { return CallEngine(Engine(), &cef_browser_t::is_popup) != 0; }

bool TCefBrowserRef::HasDocument() {
  return CallEngine(Engine(), &cef_browser_t::has_document) != 0;
}

CefRefPtr<ICefFrame> TCefBrowserRef::GetMainFrame() {
  return CallEngine(Engine(), &cef_browser_t::get_main_frame);
}

CefRefPtr<ICefFrame> TCefBrowserRef::GetFocusedFrame() {
  return CallEngine(Engine(), &cef_browser_t::get_focused_frame);
}

CefRefPtr<ICefFrame> TCefBrowserRef::GetFrameByident(int64_t identifier) {
  return CallEngine(Engine(), &cef_browser_t::get_frame_byident, int64{identifier});
}

CefRefPtr<ICefFrame> TCefBrowserRef::GetFrame(const ustring& name) {
  return CallEngine(Engine(), &cef_browser_t::get_frame, name);
}

size_t TCefBrowserRef::GetFrameCount() {
  return CallEngine(Engine(), &cef_browser_t::get_frame_count);
}

bool TCefBrowserRef::GetFrameIdentifiers(size_t& count, std::vector<int64_t>& identifiers) {
  if (count == 0) return false;
  return GuardRoutine(L"TCefBrowserRef.GetFrameIdentifiers", false, [&] {
    const size_t capacity = count;
    identifiers.assign(capacity, 0);
    CallEngine(Engine(), &cef_browser_t::get_frame_identifiers, &count, identifiers.data());
    // The engine writes at most `capacity` entries; keep exactly the ones it reports.
    count = std::min(count, capacity);
    identifiers.resize(count);
    return true;
  });
}

bool TCefBrowserRef::GetFrameNames(std::vector<ustring>& names) {
  return CallEngineForStrings(Engine(), &cef_browser_t::get_frame_names, names);
}
