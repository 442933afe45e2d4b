#include "engine/refs/cef_drag_data_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"
#include "engine/refs/cef_image_ref.h"

using Drag = cef_drag_data_t;

namespace {

void SetText(Drag* engine, void (CEF_CALLBACK* Drag::*setter)(Drag*, const cef_string_t*),
             const ustring& value) {
  const cef_string_t borrowed_value = BorrowEngineString(value);
  CallEngine(engine, setter, &borrowed_value);
}

}  // namespace

CefRefPtr<ICefDragData> TCefDragDataRef::New() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_drag_data_create());
}

CefRefPtr<ICefDragData> TCefDragDataRef::Clone() {
  return UnWrap(CallEngine(Engine(), &Drag::clone));
}

bool TCefDragDataRef::IsReadOnly() { return CallEngine(Engine(), &Drag::is_read_only) != 0; }

bool TCefDragDataRef::IsLink() { return CallEngine(Engine(), &Drag::is_link) != 0; }

bool TCefDragDataRef::IsFragment() { return CallEngine(Engine(), &Drag::is_fragment) != 0; }

bool TCefDragDataRef::IsFile() { return CallEngine(Engine(), &Drag::is_file) != 0; }

ustring TCefDragDataRef::GetLinkUrl() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &Drag::get_link_url));
}

ustring TCefDragDataRef::GetLinkTitle() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &Drag::get_link_title));
}

ustring TCefDragDataRef::GetLinkMetadata() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &Drag::get_link_metadata));
}

ustring TCefDragDataRef::GetFragmentText() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &Drag::get_fragment_text));
}

ustring TCefDragDataRef::GetFragmentHtml() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &Drag::get_fragment_html));
}

ustring TCefDragDataRef::GetFragmentBaseUrl() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &Drag::get_fragment_base_url));
}

ustring TCefDragDataRef::GetFileName() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &Drag::get_file_name));
}

size_t TCefDragDataRef::GetFileContents(const CefRefPtr<ICefBaseRefCounted>& writer) {
  return CallEngine(Engine(), &Drag::get_file_contents, HandToEngine<cef_stream_writer_t>(writer));
}

bool TCefDragDataRef::GetFileNames(std::vector<ustring>& names) {
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return false;
  const bool result = CallEngine(Engine(), &Drag::get_file_names, list->GetHandle()) != 0;
  list->CopyToStrings(names);
  return result;
}

void TCefDragDataRef::SetLinkUrl(const ustring& url) {
  SetText(Engine(), &Drag::set_link_url, url);
}

void TCefDragDataRef::SetLinkTitle(const ustring& title) {
  SetText(Engine(), &Drag::set_link_title, title);
}

void TCefDragDataRef::SetLinkMetadata(const ustring& data) {
  SetText(Engine(), &Drag::set_link_metadata, data);
}

void TCefDragDataRef::SetFragmentText(const ustring& text) {
  SetText(Engine(), &Drag::set_fragment_text, text);
}

void TCefDragDataRef::SetFragmentHtml(const ustring& html) {
  SetText(Engine(), &Drag::set_fragment_html, html);
}

void TCefDragDataRef::SetFragmentBaseUrl(const ustring& baseUrl) {
  SetText(Engine(), &Drag::set_fragment_base_url, baseUrl);
}

void TCefDragDataRef::ResetFileContents() { CallEngine(Engine(), &Drag::reset_file_contents); }

void TCefDragDataRef::AddFile(const ustring& path, const ustring& displayName) {
  const cef_string_t borrowed_path = BorrowEngineString(path);
  const cef_string_t borrowed_name = BorrowEngineString(displayName);
  CallEngine(Engine(), &Drag::add_file, &borrowed_path, &borrowed_name);
}

CefRefPtr<ICefImage> TCefDragDataRef::GetImage() {
  return TCefImageRef::UnWrap(CallEngine(Engine(), &Drag::get_image));
}

cef_point_t TCefDragDataRef::GetImageHotspot() {
  return CallEngine(Engine(), &Drag::get_image_hotspot);
}

bool TCefDragDataRef::HasImage() { return CallEngine(Engine(), &Drag::has_image) != 0; }
