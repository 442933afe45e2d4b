#include "engine/refs/cef_dictionary_value_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_value_ref.h"

CefRefPtr<ICefDictionaryValue> TCefDictionaryValueRef::New() {
  return CallEntryPoint(cef_dictionary_value_create);
}

bool TCefDictionaryValueRef::IsValid() {
  return CallEngine(Engine(), &cef_dictionary_value_t::is_valid) != 0;
}

bool TCefDictionaryValueRef::IsOwned() {
  return CallEngine(Engine(), &cef_dictionary_value_t::is_owned) != 0;
}

bool TCefDictionaryValueRef::IsReadOnly() {
  return CallEngine(Engine(), &cef_dictionary_value_t::is_read_only) != 0;
}

bool TCefDictionaryValueRef::IsSame(Ref<ICefDictionaryValue> that) {
  return CallEngine(Engine(), &cef_dictionary_value_t::is_same, that) != 0;
}

bool TCefDictionaryValueRef::IsEqual(Ref<ICefDictionaryValue> that) {
  return CallEngine(Engine(), &cef_dictionary_value_t::is_equal, that) != 0;
}

CefRefPtr<ICefDictionaryValue> TCefDictionaryValueRef::Copy(bool excludeEmptyChildren) {
  return CallEngine(Engine(), &cef_dictionary_value_t::copy, excludeEmptyChildren);
}

size_t TCefDictionaryValueRef::GetSize() {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_size);
}

bool TCefDictionaryValueRef::Clear() {
  return CallEngine(Engine(), &cef_dictionary_value_t::clear) != 0;
}

bool TCefDictionaryValueRef::HasKey(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::has_key, key) != 0;
}

bool TCefDictionaryValueRef::GetKeys(std::vector<ustring>& keys) {
  return CallEngineForStrings(Engine(), &cef_dictionary_value_t::get_keys, keys);
}

bool TCefDictionaryValueRef::Remove(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::remove, key) != 0;
}

cef_value_type_t TCefDictionaryValueRef::GetType(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_type, key);
}

CefRefPtr<ICefValue> TCefDictionaryValueRef::GetValue(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_value, key);
}

bool TCefDictionaryValueRef::GetBool(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_bool, key) != 0;
}

int TCefDictionaryValueRef::GetInt(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_int, key);
}

double TCefDictionaryValueRef::GetDouble(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_double, key);
}

ustring TCefDictionaryValueRef::GetString(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_string, key);
}

CefRefPtr<ICefBinaryValue> TCefDictionaryValueRef::GetBinary(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_binary, key);
}

CefRefPtr<ICefDictionaryValue> TCefDictionaryValueRef::GetDictionary(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_dictionary, key);
}

CefRefPtr<ICefListValue> TCefDictionaryValueRef::GetList(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_list, key);
}

bool TCefDictionaryValueRef::SetValue(const ustring& key, Ref<ICefValue> value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_value, key, value) != 0;
}

bool TCefDictionaryValueRef::SetNull(const ustring& key) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_null, key) != 0;
}

bool TCefDictionaryValueRef::SetBool(const ustring& key, bool value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_bool, key, value) != 0;
}

bool TCefDictionaryValueRef::SetInt(const ustring& key, int value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_int, key, value) != 0;
}

bool TCefDictionaryValueRef::SetDouble(const ustring& key, double value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_double, key, value) != 0;
}

bool TCefDictionaryValueRef::SetString(const ustring& key, const ustring& value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_string, key, value) != 0;
}

bool TCefDictionaryValueRef::SetBinary(const ustring& key, Ref<ICefBinaryValue> value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_binary, key, value) != 0;
}

bool TCefDictionaryValueRef::SetDictionary(const ustring& key, Ref<ICefDictionaryValue> value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_dictionary, key, value) != 0;
}

bool TCefDictionaryValueRef::SetList(const ustring& key, Ref<ICefListValue> value) {
  return CallEngine(Engine(), &cef_dictionary_value_t::set_list, key, value) != 0;
}
