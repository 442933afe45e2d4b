#include "engine/refs/cef_request_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"
#include "engine/refs/cef_post_data_ref.h"

namespace {

cef_string_multimap_t HandleOf(const CefRefPtr<ICefStringMultimap>& map) {
  return map ? map->GetHandle() : nullptr;
}

}  // namespace

CefRefPtr<ICefRequest> TCefRequestRef::New() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_request_create());
}

bool TCefRequestRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_request_t::is_read_only) != 0;
}

ustring TCefRequestRef::GetUrl() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_request_t::get_url));
}

void TCefRequestRef::SetUrl(const ustring& url) {
  const cef_string_t borrowed_url = BorrowEngineString(url);
  CallEngine(Engine(), &cef_request_t::set_url, &borrowed_url);
}

ustring TCefRequestRef::GetMethod() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_request_t::get_method));
}

void TCefRequestRef::SetMethod(const ustring& method) {
  const cef_string_t borrowed_method = BorrowEngineString(method);
  CallEngine(Engine(), &cef_request_t::set_method, &borrowed_method);
}

void TCefRequestRef::SetReferrer(const ustring& referrerUrl, cef_referrer_policy_t policy) {
  const cef_string_t borrowed_referrer_url = BorrowEngineString(referrerUrl);
  CallEngine(Engine(), &cef_request_t::set_referrer, &borrowed_referrer_url, policy);
}

ustring TCefRequestRef::GetReferrerUrl() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_request_t::get_referrer_url));
}

cef_referrer_policy_t TCefRequestRef::GetReferrerPolicy() {
  return CallEngine(Engine(), &cef_request_t::get_referrer_policy);
}

CefRefPtr<ICefPostData> TCefRequestRef::GetPostData() {
  return TCefPostDataRef::UnWrap(CallEngine(Engine(), &cef_request_t::get_post_data));
}

void TCefRequestRef::SetPostData(const CefRefPtr<ICefPostData>& postData) {
  CallEngine(Engine(), &cef_request_t::set_post_data, HandToEngine<cef_post_data_t>(postData));
}

void TCefRequestRef::GetHeaderMap(const CefRefPtr<ICefStringMultimap>& headerMap) {
  if (HandleOf(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_request_t::get_header_map, HandleOf(headerMap));
}

void TCefRequestRef::SetHeaderMap(const CefRefPtr<ICefStringMultimap>& headerMap) {
  if (HandleOf(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_request_t::set_header_map, HandleOf(headerMap));
}

ustring TCefRequestRef::GetHeaderByName(const ustring& name) {
  const cef_string_t borrowed_name = BorrowEngineString(name);
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_request_t::get_header_by_name, &borrowed_name));
}

void TCefRequestRef::SetHeaderByName(const ustring& name, const ustring& value, bool overwrite) {
  const cef_string_t borrowed_name = BorrowEngineString(name);
  const cef_string_t borrowed_value = BorrowEngineString(value);
  CallEngine(Engine(), &cef_request_t::set_header_by_name, &borrowed_name, &borrowed_value,
             EngineBool(overwrite));
}

void TCefRequestRef::Set(const ustring& url, const ustring& method,
                         const CefRefPtr<ICefPostData>& postData,
                         const CefRefPtr<ICefStringMultimap>& headerMap) {
  // The engine insists on a header map; no map means no headers.
  CefRefPtr<ICefStringMultimap> headers = headerMap;
  if (!headers) headers = MakeRefCounted<TCefStringMultimapOwn>();
  if (HandleOf(headers) == nullptr) return;
  const cef_string_t borrowed_url = BorrowEngineString(url);
  const cef_string_t borrowed_method = BorrowEngineString(method);
  CallEngine(Engine(), &cef_request_t::set, &borrowed_url, &borrowed_method,
             HandToEngine<cef_post_data_t>(postData), HandleOf(headers));
}

int TCefRequestRef::GetFlags() { return CallEngine(Engine(), &cef_request_t::get_flags); }

void TCefRequestRef::SetFlags(int flags) { CallEngine(Engine(), &cef_request_t::set_flags, flags); }

ustring TCefRequestRef::GetFirstPartyForCookies() {
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_request_t::get_first_party_for_cookies));
}

void TCefRequestRef::SetFirstPartyForCookies(const ustring& url) {
  const cef_string_t borrowed_url = BorrowEngineString(url);
  CallEngine(Engine(), &cef_request_t::set_first_party_for_cookies, &borrowed_url);
}

cef_resource_type_t TCefRequestRef::GetResourceType() {
  return CallEngine(Engine(), &cef_request_t::get_resource_type);
}

cef_transition_type_t TCefRequestRef::GetTransitionType() {
  return CallEngine(Engine(), &cef_request_t::get_transition_type);
}

uint64 TCefRequestRef::GetIdentifier() {
  return CallEngine(Engine(), &cef_request_t::get_identifier);
}
