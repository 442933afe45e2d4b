#include "engine/refs/cef_post_data_ref.h"

#include <algorithm>

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_post_data_element_ref.h"

CefRefPtr<ICefPostData> TCefPostDataRef::New() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_post_data_create());
}

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
  std::vector<cef_post_data_element_t*> filled(GetElementCount(), nullptr);
  if (filled.empty()) return;
  // The engine writes at most the count it is given, and lowers it when it has fewer.
  size_t count = filled.size();
  CallEngine(Engine(), &cef_post_data_t::get_elements, &count, filled.data());
  filled.resize(std::min(count, filled.size()));
  for (cef_post_data_element_t* element : filled) {
    if (element != nullptr) elements.push_back(TCefPostDataElementRef::UnWrap(element));
  }
}

bool TCefPostDataRef::RemoveElement(const CefRefPtr<ICefPostDataElement>& element) {
  return CallEngine(Engine(), &cef_post_data_t::remove_element,
                    HandToEngine<cef_post_data_element_t>(element)) != 0;
}

bool TCefPostDataRef::AddElement(const CefRefPtr<ICefPostDataElement>& element) {
  return CallEngine(Engine(), &cef_post_data_t::add_element,
                    HandToEngine<cef_post_data_element_t>(element)) != 0;
}

void TCefPostDataRef::RemoveElements() { CallEngine(Engine(), &cef_post_data_t::remove_elements); }
