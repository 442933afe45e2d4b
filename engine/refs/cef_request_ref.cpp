#include "engine/refs/cef_request_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"
#include "engine/refs/cef_post_data_ref.h"

CefRefPtr<ICefRequest> TCefRequestRef::New() { return CallEntryPoint(cef_request_create); }

bool TCefRequestRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_request_t::is_read_only) != 0;
}

ustring TCefRequestRef::GetUrl() { return CallEngine(Engine(), &cef_request_t::get_url); }

void TCefRequestRef::SetUrl(const ustring& url) {
  CallEngine(Engine(), &cef_request_t::set_url, url);
}

ustring TCefRequestRef::GetMethod() { return CallEngine(Engine(), &cef_request_t::get_method); }

void TCefRequestRef::SetMethod(const ustring& method) {
  CallEngine(Engine(), &cef_request_t::set_method, method);
}

void TCefRequestRef::SetReferrer(const ustring& referrerUrl, cef_referrer_policy_t policy) {
  CallEngine(Engine(), &cef_request_t::set_referrer, referrerUrl, policy);
}

ustring TCefRequestRef::GetReferrerUrl() {
  return CallEngine(Engine(), &cef_request_t::get_referrer_url);
}

cef_referrer_policy_t TCefRequestRef::GetReferrerPolicy() {
  return CallEngine(Engine(), &cef_request_t::get_referrer_policy);
}

CefRefPtr<ICefPostData> TCefRequestRef::GetPostData() {
  return CallEngine(Engine(), &cef_request_t::get_post_data);
}

void TCefRequestRef::SetPostData(Ref<ICefPostData> postData) {
  CallEngine(Engine(), &cef_request_t::set_post_data, postData);
}

void TCefRequestRef::GetHeaderMap(Ref<ICefStringMultimap> headerMap) {
  if (MultimapHandle(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_request_t::get_header_map, MultimapHandle(headerMap));
}

void TCefRequestRef::SetHeaderMap(Ref<ICefStringMultimap> headerMap) {
  if (MultimapHandle(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_request_t::set_header_map, MultimapHandle(headerMap));
}

ustring TCefRequestRef::GetHeaderByName(const ustring& name) {
  return CallEngine(Engine(), &cef_request_t::get_header_by_name, name);
}

void TCefRequestRef::SetHeaderByName(const ustring& name, const ustring& value, bool overwrite) {
  CallEngine(Engine(), &cef_request_t::set_header_by_name, name, value, overwrite);
}

void TCefRequestRef::Set(const ustring& url, const ustring& method, Ref<ICefPostData> postData,
                         Ref<ICefStringMultimap> headerMap) {
  // The engine insists on a header map; no map means no headers.
  CefRefPtr<ICefStringMultimap> headers = headerMap;
  if (!headers) headers = MakeRefCounted<TCefStringMultimapOwn>();
  if (MultimapHandle(headers) == nullptr) return;
  CallEngine(Engine(), &cef_request_t::set, url, method, postData, MultimapHandle(headers));
}

int TCefRequestRef::GetFlags() { return CallEngine(Engine(), &cef_request_t::get_flags); }

void TCefRequestRef::SetFlags(int flags) { CallEngine(Engine(), &cef_request_t::set_flags, flags); }

ustring TCefRequestRef::GetFirstPartyForCookies() {
  return CallEngine(Engine(), &cef_request_t::get_first_party_for_cookies);
}

void TCefRequestRef::SetFirstPartyForCookies(const ustring& url) {
  CallEngine(Engine(), &cef_request_t::set_first_party_for_cookies, url);
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
