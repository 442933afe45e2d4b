#include "engine/refs/cef_value_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_list_value_ref.h"

CefRefPtr<ICefValue> TCefValueRef::New() { return CallEntryPoint(cef_value_create); }

bool TCefValueRef::IsValid() { return CallEngine(Engine(), &cef_value_t::is_valid) != 0; }

bool TCefValueRef::IsOwned() { return CallEngine(Engine(), &cef_value_t::is_owned) != 0; }

bool TCefValueRef::IsReadOnly() { return CallEngine(Engine(), &cef_value_t::is_read_only) != 0; }

bool TCefValueRef::IsSame(Ref<ICefValue> that) {
  return CallEngine(Engine(), &cef_value_t::is_same, that) != 0;
}

bool TCefValueRef::IsEqual(Ref<ICefValue> that) {
  return CallEngine(Engine(), &cef_value_t::is_equal, that) != 0;
}

CefRefPtr<ICefValue> TCefValueRef::Copy() { return CallEngine(Engine(), &cef_value_t::copy); }

cef_value_type_t TCefValueRef::GetType() { return CallEngine(Engine(), &cef_value_t::get_type); }

bool TCefValueRef::GetBool() { return CallEngine(Engine(), &cef_value_t::get_bool) != 0; }

int TCefValueRef::GetInt() { return CallEngine(Engine(), &cef_value_t::get_int); }

double TCefValueRef::GetDouble() { return CallEngine(Engine(), &cef_value_t::get_double); }

ustring TCefValueRef::GetString() { return CallEngine(Engine(), &cef_value_t::get_string); }

CefRefPtr<ICefBinaryValue> TCefValueRef::GetBinary() {
  return CallEngine(Engine(), &cef_value_t::get_binary);
}

CefRefPtr<ICefDictionaryValue> TCefValueRef::GetDictionary() {
  return CallEngine(Engine(), &cef_value_t::get_dictionary);
}

CefRefPtr<ICefListValue> TCefValueRef::GetList() {
  return CallEngine(Engine(), &cef_value_t::get_list);
}

bool TCefValueRef::SetNull() { return CallEngine(Engine(), &cef_value_t::set_null) != 0; }

bool TCefValueRef::SetBool(bool value) {
  return CallEngine(Engine(), &cef_value_t::set_bool, value) != 0;
}

bool TCefValueRef::SetInt(int value) {
  return CallEngine(Engine(), &cef_value_t::set_int, value) != 0;
}

bool TCefValueRef::SetDouble(double value) {
  return CallEngine(Engine(), &cef_value_t::set_double, value) != 0;
}

bool TCefValueRef::SetString(const ustring& value) {
  return CallEngine(Engine(), &cef_value_t::set_string, value) != 0;
}

bool TCefValueRef::SetBinary(Ref<ICefBinaryValue> value) {
  return CallEngine(Engine(), &cef_value_t::set_binary, value) != 0;
}

bool TCefValueRef::SetDictionary(Ref<ICefDictionaryValue> value) {
  return CallEngine(Engine(), &cef_value_t::set_dictionary, value) != 0;
}

bool TCefValueRef::SetList(Ref<ICefListValue> value) {
  return CallEngine(Engine(), &cef_value_t::set_list, value) != 0;
}
