#include "engine/refs/cef_drag_data_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_image_ref.h"

using Drag = cef_drag_data_t;

CefRefPtr<ICefDragData> TCefDragDataRef::New() { return CallEntryPoint(cef_drag_data_create); }

CefRefPtr<ICefDragData> TCefDragDataRef::Clone() { return CallEngine(Engine(), &Drag::clone); }

bool TCefDragDataRef::IsReadOnly() { return CallEngine(Engine(), &Drag::is_read_only) != 0; }

bool TCefDragDataRef::IsLink() { return CallEngine(Engine(), &Drag::is_link) != 0; }

bool TCefDragDataRef::IsFragment() { return CallEngine(Engine(), &Drag::is_fragment) != 0; }

bool TCefDragDataRef::IsFile() { return CallEngine(Engine(), &Drag::is_file) != 0; }

ustring TCefDragDataRef::GetLinkUrl() { return CallEngine(Engine(), &Drag::get_link_url); }

ustring TCefDragDataRef::GetLinkTitle() { return CallEngine(Engine(), &Drag::get_link_title); }

ustring TCefDragDataRef::GetLinkMetadata() {
  return CallEngine(Engine(), &Drag::get_link_metadata);
}

ustring TCefDragDataRef::GetFragmentText() {
  return CallEngine(Engine(), &Drag::get_fragment_text);
}

ustring TCefDragDataRef::GetFragmentHtml() {
  return CallEngine(Engine(), &Drag::get_fragment_html);
}

ustring TCefDragDataRef::GetFragmentBaseUrl() {
  return CallEngine(Engine(), &Drag::get_fragment_base_url);
}

ustring TCefDragDataRef::GetFileName() { return CallEngine(Engine(), &Drag::get_file_name); }

size_t TCefDragDataRef::GetFileContents(Ref<ICefBaseRefCounted> writer) {
  return CallEngine(Engine(), &Drag::get_file_contents, writer);
}

bool TCefDragDataRef::GetFileNames(std::vector<ustring>& names) {
  return CallEngineForStrings(Engine(), &Drag::get_file_names, names);
}

void TCefDragDataRef::SetLinkUrl(const ustring& url) {
  CallEngine(Engine(), &Drag::set_link_url, url);
}

void TCefDragDataRef::SetLinkTitle(const ustring& title) {
  CallEngine(Engine(), &Drag::set_link_title, title);
}

void TCefDragDataRef::SetLinkMetadata(const ustring& data) {
  CallEngine(Engine(), &Drag::set_link_metadata, data);
}

void TCefDragDataRef::SetFragmentText(const ustring& text) {
  CallEngine(Engine(), &Drag::set_fragment_text, text);
}

void TCefDragDataRef::SetFragmentHtml(const ustring& html) {
  CallEngine(Engine(), &Drag::set_fragment_html, html);
}

void TCefDragDataRef::SetFragmentBaseUrl(const ustring& baseUrl) {
  CallEngine(Engine(), &Drag::set_fragment_base_url, baseUrl);
}

void TCefDragDataRef::ResetFileContents() { CallEngine(Engine(), &Drag::reset_file_contents); }

void TCefDragDataRef::AddFile(const ustring& path, const ustring& displayName) {
  CallEngine(Engine(), &Drag::add_file, path, displayName);
}

CefRefPtr<ICefImage> TCefDragDataRef::GetImage() { return CallEngine(Engine(), &Drag::get_image); }

cef_point_t TCefDragDataRef::GetImageHotspot() {
  return CallEngine(Engine(), &Drag::get_image_hotspot);
}

bool TCefDragDataRef::HasImage() { return CallEngine(Engine(), &Drag::has_image) != 0; }
