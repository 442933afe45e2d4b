#include "engine/refs/cef_navigation_entry_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_sslstatus_ref.h"

using Entry = cef_navigation_entry_t;

bool TCefNavigationEntryRef::IsValid() { return CallEngine(Engine(), &Entry::is_valid) != 0; }

ustring TCefNavigationEntryRef::GetUrl() { return CallEngine(Engine(), &Entry::get_url); }

ustring TCefNavigationEntryRef::GetDisplayUrl() {
  return CallEngine(Engine(), &Entry::get_display_url);
}

ustring TCefNavigationEntryRef::GetOriginalUrl() {
  return CallEngine(Engine(), &Entry::get_original_url);
}

ustring TCefNavigationEntryRef::GetTitle() { return CallEngine(Engine(), &Entry::get_title); }

cef_transition_type_t TCefNavigationEntryRef::GetTransitionType() {
  return CallEngine(Engine(), &Entry::get_transition_type);
}

bool TCefNavigationEntryRef::HasPostData() {
  return CallEngine(Engine(), &Entry::has_post_data) != 0;
}

cef_time_t TCefNavigationEntryRef::GetCompletionTime() {
  return CallEngine(Engine(), &Entry::get_completion_time);
}

int TCefNavigationEntryRef::GetHttpStatusCode() {
  return CallEngine(Engine(), &Entry::get_http_status_code);
}

CefRefPtr<ICefSSLStatus> TCefNavigationEntryRef::GetSslstatus() {
  return CallEngine(Engine(), &Entry::get_sslstatus);
}
