#include "engine/refs/cef_list_value_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_value_ref.h"

CefRefPtr<ICefListValue> TCefListValueRef::New() { return CallEntryPoint(cef_list_value_create); }

bool TCefListValueRef::IsValid() { return CallEngine(Engine(), &cef_list_value_t::is_valid) != 0; }

bool TCefListValueRef::IsOwned() { return CallEngine(Engine(), &cef_list_value_t::is_owned) != 0; }

bool TCefListValueRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_list_value_t::is_read_only) != 0;
}

bool TCefListValueRef::IsSame(Ref<ICefListValue> that) {
  return CallEngine(Engine(), &cef_list_value_t::is_same, that) != 0;
}

bool TCefListValueRef::IsEqual(Ref<ICefListValue> that) {
  return CallEngine(Engine(), &cef_list_value_t::is_equal, that) != 0;
}

CefRefPtr<ICefListValue> TCefListValueRef::Copy() {
  return CallEngine(Engine(), &cef_list_value_t::copy);
}

bool TCefListValueRef::SetSize(size_t size) {
  return CallEngine(Engine(), &cef_list_value_t::set_size, size) != 0;
}

size_t TCefListValueRef::GetSize() { return CallEngine(Engine(), &cef_list_value_t::get_size); }

bool TCefListValueRef::Clear() { return CallEngine(Engine(), &cef_list_value_t::clear) != 0; }

bool TCefListValueRef::Remove(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::remove, index) != 0;
}

cef_value_type_t TCefListValueRef::GetType(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_type, index);
}

CefRefPtr<ICefValue> TCefListValueRef::GetValue(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_value, index);
}

bool TCefListValueRef::GetBool(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_bool, index) != 0;
}

int TCefListValueRef::GetInt(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_int, index);
}

double TCefListValueRef::GetDouble(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_double, index);
}

ustring TCefListValueRef::GetString(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_string, index);
}

CefRefPtr<ICefBinaryValue> TCefListValueRef::GetBinary(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_binary, index);
}

CefRefPtr<ICefDictionaryValue> TCefListValueRef::GetDictionary(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_dictionary, index);
}

CefRefPtr<ICefListValue> TCefListValueRef::GetList(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::get_list, index);
}

bool TCefListValueRef::SetValue(size_t index, Ref<ICefValue> value) {
  return CallEngine(Engine(), &cef_list_value_t::set_value, index, value) != 0;
}

bool TCefListValueRef::SetNull(size_t index) {
  return CallEngine(Engine(), &cef_list_value_t::set_null, index) != 0;
}

bool TCefListValueRef::SetBool(size_t index, bool value) {
  return CallEngine(Engine(), &cef_list_value_t::set_bool, index, value) != 0;
}

bool TCefListValueRef::SetInt(size_t index, int value) {
  return CallEngine(Engine(), &cef_list_value_t::set_int, index, value) != 0;
}

bool TCefListValueRef::SetDouble(size_t index, double value) {
  return CallEngine(Engine(), &cef_list_value_t::set_double, index, value) != 0;
}

bool TCefListValueRef::SetString(size_t index, const ustring& value) {
  return CallEngine(Engine(), &cef_list_value_t::set_string, index, value) != 0;
}

bool TCefListValueRef::SetBinary(size_t index, Ref<ICefBinaryValue> value) {
  return CallEngine(Engine(), &cef_list_value_t::set_binary, index, value) != 0;
}

bool TCefListValueRef::SetDictionary(size_t index, Ref<ICefDictionaryValue> value) {
  return CallEngine(Engine(), &cef_list_value_t::set_dictionary, index, value) != 0;
}

bool TCefListValueRef::SetList(size_t index, Ref<ICefListValue> value) {
  return CallEngine(Engine(), &cef_list_value_t::set_list, index, value) != 0;
}
