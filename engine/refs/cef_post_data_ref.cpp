#include "engine/refs/cef_post_data_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_post_data_element_ref.h"

CefRefPtr<ICefPostData> TCefPostDataRef::New() { return CallEntryPoint(cef_post_data_create); }

bool TCefPostDataRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_post_data_t::is_read_only) != 0;
}

bool TCefPostDataRef::HasExcludedElements() {
  return CallEngine(Engine(), &cef_post_data_t::has_excluded_elements) != 0;
}

size_t TCefPostDataRef::GetElementCount() {
  return CallEngine(Engine(), &cef_post_data_t::get_element_count);
}

void TCefPostDataRef::GetElements(std::vector<CefRefPtr<ICefPostDataElement>>& elements) {
  CallEngineForObjects(Engine(), &cef_post_data_t::get_elements, GetElementCount(), elements);
}

bool TCefPostDataRef::RemoveElement(Ref<ICefPostDataElement> element) {
  return CallEngine(Engine(), &cef_post_data_t::remove_element, element) != 0;
}

bool TCefPostDataRef::AddElement(Ref<ICefPostDataElement> element) {
  return CallEngine(Engine(), &cef_post_data_t::add_element, element) != 0;
}

void TCefPostDataRef::RemoveElements() { CallEngine(Engine(), &cef_post_data_t::remove_elements); }
