#include "engine/refs/cef_frame_ref.h"

#include "engine/core/cef_ref_call.h"
#include "engine/interfaces/cef_string_visitor.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_process_message_ref.h"
#include "engine/refs/cef_request_ref.h"

bool TCefFrameRef::IsValid() { return CallEngine(Engine(), &cef_frame_t::is_valid) != 0; }

void TCefFrameRef::Undo() { CallEngine(Engine(), &cef_frame_t::undo); }

void TCefFrameRef::Redo() { CallEngine(Engine(), &cef_frame_t::redo); }

void TCefFrameRef::Cut() { CallEngine(Engine(), &cef_frame_t::cut); }

void TCefFrameRef::Copy() { CallEngine(Engine(), &cef_frame_t::copy); }

void TCefFrameRef::Paste() { CallEngine(Engine(), &cef_frame_t::paste); }

void TCefFrameRef::Del() { CallEngine(Engine(), &cef_frame_t::del); }

void TCefFrameRef::SelectAll() { CallEngine(Engine(), &cef_frame_t::select_all); }

void TCefFrameRef::ViewSource() { CallEngine(Engine(), &cef_frame_t::view_source); }

void TCefFrameRef::GetSource(Ref<ICefStringVisitor> visitor) {
  CallEngine(Engine(), &cef_frame_t::get_source, visitor);
}

void TCefFrameRef::GetText(Ref<ICefStringVisitor> visitor) {
  CallEngine(Engine(), &cef_frame_t::get_text, visitor);
}

void TCefFrameRef::LoadRequest(Ref<ICefRequest> request) {
  CallEngine(Engine(), &cef_frame_t::load_request, request);
}

void TCefFrameRef::LoadUrl(const ustring& url) {
  CallEngine(Engine(), &cef_frame_t::load_url, url);
}

void TCefFrameRef::LoadString(const ustring& stringVal, const ustring& url) {
  CallEngine(Engine(), &cef_frame_t::load_string, stringVal, url);
}

void TCefFrameRef::ExecuteJavaScript(const ustring& code, const ustring& scriptUrl, int startLine) {
  CallEngine(Engine(), &cef_frame_t::execute_java_script, code, scriptUrl, startLine);
}

bool TCefFrameRef::IsMain() { return CallEngine(Engine(), &cef_frame_t::is_main) != 0; }

bool TCefFrameRef::IsFocused() { return CallEngine(Engine(), &cef_frame_t::is_focused) != 0; }

ustring TCefFrameRef::GetName() { return CallEngine(Engine(), &cef_frame_t::get_name); }

int64_t TCefFrameRef::GetIdentifier() { return CallEngine(Engine(), &cef_frame_t::get_identifier); }

CefRefPtr<ICefFrame> TCefFrameRef::GetParent() {
  return CallEngine(Engine(), &cef_frame_t::get_parent);
}

ustring TCefFrameRef::GetUrl() { return CallEngine(Engine(), &cef_frame_t::get_url); }

CefRefPtr<ICefBrowser> TCefFrameRef::GetBrowser() {
  return CallEngine(Engine(), &cef_frame_t::get_browser);
}

CefRefPtr<ICefBaseRefCounted> TCefFrameRef::GetV8context() {
  return CallEngine(Engine(), &cef_frame_t::get_v8context);
}

void TCefFrameRef::VisitDom(Ref<ICefBaseRefCounted> visitor) {
  CallEngine(Engine(), &cef_frame_t::visit_dom, visitor);
}

CefRefPtr<ICefBaseRefCounted> TCefFrameRef::CreateUrlrequest(Ref<ICefRequest> request,
                                                             Ref<ICefBaseRefCounted> client) {
  return CallEngine(Engine(), &cef_frame_t::create_urlrequest, request, client);
}

void TCefFrameRef::SendProcessMessage(cef_process_id_t targetProcess,
                                      Ref<ICefProcessMessage> message) {
  CallEngine(Engine(), &cef_frame_t::send_process_message, targetProcess, message);
}
