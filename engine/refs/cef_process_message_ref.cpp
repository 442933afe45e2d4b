#include "engine/refs/cef_process_message_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_list_value_ref.h"

CefRefPtr<ICefProcessMessage> TCefProcessMessageRef::New(const ustring& name) {
  return CallEntryPoint(cef_process_message_create, name);
}

bool TCefProcessMessageRef::IsValid() {
  return CallEngine(Engine(), &cef_process_message_t::is_valid) != 0;
}

bool TCefProcessMessageRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_process_message_t::is_read_only) != 0;
}

CefRefPtr<ICefProcessMessage> TCefProcessMessageRef::Copy() {
  return CallEngine(Engine(), &cef_process_message_t::copy);
}

ustring TCefProcessMessageRef::GetName() {
  return CallEngine(Engine(), &cef_process_message_t::get_name);
}

CefRefPtr<ICefListValue> TCefProcessMessageRef::GetArgumentList() {
  return CallEngine(Engine(), &cef_process_message_t::get_argument_list);
}
