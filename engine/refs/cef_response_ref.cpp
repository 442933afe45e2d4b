#include "engine/refs/cef_response_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"

namespace {

cef_string_multimap_t HandleOf(const CefRefPtr<ICefStringMultimap>& map) {
  return map ? map->GetHandle() : nullptr;
}

}  // namespace

CefRefPtr<ICefResponse> TCefResponseRef::New() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_response_create());
}

bool TCefResponseRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_response_t::is_read_only) != 0;
}

cef_errorcode_t TCefResponseRef::GetError() {
  return CallEngine(Engine(), &cef_response_t::get_error);
}

void TCefResponseRef::SetError(cef_errorcode_t error) {
  CallEngine(Engine(), &cef_response_t::set_error, error);
}

int TCefResponseRef::GetStatus() { return CallEngine(Engine(), &cef_response_t::get_status); }

void TCefResponseRef::SetStatus(int status) {
  CallEngine(Engine(), &cef_response_t::set_status, status);
}

ustring TCefResponseRef::GetStatusText() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_response_t::get_status_text));
}

void TCefResponseRef::SetStatusText(const ustring& statusText) {
  const cef_string_t borrowed_status_text = BorrowEngineString(statusText);
  CallEngine(Engine(), &cef_response_t::set_status_text, &borrowed_status_text);
}

ustring TCefResponseRef::GetMimeType() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_response_t::get_mime_type));
}

void TCefResponseRef::SetMimeType(const ustring& mimeType) {
  const cef_string_t borrowed_mime_type = BorrowEngineString(mimeType);
  CallEngine(Engine(), &cef_response_t::set_mime_type, &borrowed_mime_type);
}

ustring TCefResponseRef::GetCharset() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_response_t::get_charset));
}

void TCefResponseRef::SetCharset(const ustring& charset) {
  const cef_string_t borrowed_charset = BorrowEngineString(charset);
  CallEngine(Engine(), &cef_response_t::set_charset, &borrowed_charset);
}

ustring TCefResponseRef::GetHeader(const ustring& name) {
  const cef_string_t borrowed_name = BorrowEngineString(name);
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_response_t::get_header, &borrowed_name));
}

void TCefResponseRef::GetHeaderMap(const CefRefPtr<ICefStringMultimap>& headerMap) {
  if (HandleOf(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_response_t::get_header_map, HandleOf(headerMap));
}

void TCefResponseRef::SetHeaderMap(const CefRefPtr<ICefStringMultimap>& headerMap) {
  if (HandleOf(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_response_t::set_header_map, HandleOf(headerMap));
}

ustring TCefResponseRef::GetUrl() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_response_t::get_url));
}

void TCefResponseRef::SetUrl(const ustring& url) {
  const cef_string_t borrowed_url = BorrowEngineString(url);
  CallEngine(Engine(), &cef_response_t::set_url, &borrowed_url);
}
