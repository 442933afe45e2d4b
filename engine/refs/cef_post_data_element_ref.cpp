#include "engine/refs/cef_post_data_element_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"

CefRefPtr<ICefPostDataElement> TCefPostDataElementRef::New() {
  return CallEntryPoint(cef_post_data_element_create);
}

bool TCefPostDataElementRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_post_data_element_t::is_read_only) != 0;
}

void TCefPostDataElementRef::SetToEmpty() {
  CallEngine(Engine(), &cef_post_data_element_t::set_to_empty);
}

void TCefPostDataElementRef::SetToFile(const ustring& fileName) {
  CallEngine(Engine(), &cef_post_data_element_t::set_to_file, fileName);
}

void TCefPostDataElementRef::SetToBytes(size_t size, const void* bytes) {
  CallEngine(Engine(), &cef_post_data_element_t::set_to_bytes, size, bytes);
}

cef_postdataelement_type_t TCefPostDataElementRef::GetType() {
  return CallEngine(Engine(), &cef_post_data_element_t::get_type);
}

ustring TCefPostDataElementRef::GetFile() {
  return CallEngine(Engine(), &cef_post_data_element_t::get_file);
}

size_t TCefPostDataElementRef::GetBytesCount() {
  return CallEngine(Engine(), &cef_post_data_element_t::get_bytes_count);
}

size_t TCefPostDataElementRef::GetBytes(size_t size, void* bytes) {
  if (bytes == nullptr || size == 0) return 0;
  return CallEngine(Engine(), &cef_post_data_element_t::get_bytes, size, bytes);
}
