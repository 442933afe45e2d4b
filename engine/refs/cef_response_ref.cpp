#include "engine/refs/cef_response_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"

CefRefPtr<ICefResponse> TCefResponseRef::New() { return CallEntryPoint(cef_response_create); }

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
  return CallEngine(Engine(), &cef_response_t::get_status_text);
}

void TCefResponseRef::SetStatusText(const ustring& statusText) {
  CallEngine(Engine(), &cef_response_t::set_status_text, statusText);
}

ustring TCefResponseRef::GetMimeType() {
  return CallEngine(Engine(), &cef_response_t::get_mime_type);
}

void TCefResponseRef::SetMimeType(const ustring& mimeType) {
  CallEngine(Engine(), &cef_response_t::set_mime_type, mimeType);
}

ustring TCefResponseRef::GetCharset() { return CallEngine(Engine(), &cef_response_t::get_charset); }

void TCefResponseRef::SetCharset(const ustring& charset) {
  CallEngine(Engine(), &cef_response_t::set_charset, charset);
}

ustring TCefResponseRef::GetHeader(const ustring& name) {
  return CallEngine(Engine(), &cef_response_t::get_header, name);
}

void TCefResponseRef::GetHeaderMap(Ref<ICefStringMultimap> headerMap) {
  if (MultimapHandle(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_response_t::get_header_map, MultimapHandle(headerMap));
}

void TCefResponseRef::SetHeaderMap(Ref<ICefStringMultimap> headerMap) {
  if (MultimapHandle(headerMap) == nullptr) return;
  CallEngine(Engine(), &cef_response_t::set_header_map, MultimapHandle(headerMap));
}

ustring TCefResponseRef::GetUrl() { return CallEngine(Engine(), &cef_response_t::get_url); }

void TCefResponseRef::SetUrl(const ustring& url) {
  CallEngine(Engine(), &cef_response_t::set_url, url);
}
