#include "engine/refs/cef_dictionary_value_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_value_ref.h"

CefRefPtr<ICefDictionaryValue> TCefDictionaryValueRef::New() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_dictionary_value_create());
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

bool TCefDictionaryValueRef::IsSame(const CefRefPtr<ICefDictionaryValue>& that) {
  return CallEngine(Engine(), &cef_dictionary_value_t::is_same,
                    HandToEngine<cef_dictionary_value_t>(that)) != 0;
}

bool TCefDictionaryValueRef::IsEqual(const CefRefPtr<ICefDictionaryValue>& that) {
  return CallEngine(Engine(), &cef_dictionary_value_t::is_equal,
                    HandToEngine<cef_dictionary_value_t>(that)) != 0;
}

CefRefPtr<ICefDictionaryValue> TCefDictionaryValueRef::Copy(bool excludeEmptyChildren) {
  return UnWrap(
      CallEngine(Engine(), &cef_dictionary_value_t::copy, EngineBool(excludeEmptyChildren)));
}

size_t TCefDictionaryValueRef::GetSize() {
  return CallEngine(Engine(), &cef_dictionary_value_t::get_size);
}

bool TCefDictionaryValueRef::Clear() {
  return CallEngine(Engine(), &cef_dictionary_value_t::clear) != 0;
}

bool TCefDictionaryValueRef::HasKey(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::has_key, &borrowed_key) != 0;
}

bool TCefDictionaryValueRef::GetKeys(std::vector<ustring>& keys) {
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return false;
  const bool listed =
      CallEngine(Engine(), &cef_dictionary_value_t::get_keys, list->GetHandle()) != 0;
  list->CopyToStrings(keys);
  return listed;
}

bool TCefDictionaryValueRef::Remove(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::remove, &borrowed_key) != 0;
}

cef_value_type_t TCefDictionaryValueRef::GetType(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::get_type, &borrowed_key);
}

CefRefPtr<ICefValue> TCefDictionaryValueRef::GetValue(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return TCefValueRef::UnWrap(
      CallEngine(Engine(), &cef_dictionary_value_t::get_value, &borrowed_key));
}

bool TCefDictionaryValueRef::GetBool(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::get_bool, &borrowed_key) != 0;
}

int TCefDictionaryValueRef::GetInt(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::get_int, &borrowed_key);
}

double TCefDictionaryValueRef::GetDouble(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::get_double, &borrowed_key);
}

ustring TCefDictionaryValueRef::GetString(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CopyAndFreeUserFreeString(
      CallEngine(Engine(), &cef_dictionary_value_t::get_string, &borrowed_key));
}

CefRefPtr<ICefBinaryValue> TCefDictionaryValueRef::GetBinary(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return TCefBinaryValueRef::UnWrap(
      CallEngine(Engine(), &cef_dictionary_value_t::get_binary, &borrowed_key));
}

CefRefPtr<ICefDictionaryValue> TCefDictionaryValueRef::GetDictionary(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return UnWrap(CallEngine(Engine(), &cef_dictionary_value_t::get_dictionary, &borrowed_key));
}

CefRefPtr<ICefListValue> TCefDictionaryValueRef::GetList(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return TCefListValueRef::UnWrap(
      CallEngine(Engine(), &cef_dictionary_value_t::get_list, &borrowed_key));
}

bool TCefDictionaryValueRef::SetValue(const ustring& key, const CefRefPtr<ICefValue>& value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_value, &borrowed_key,
                    HandToEngine<cef_value_t>(value)) != 0;
}

bool TCefDictionaryValueRef::SetNull(const ustring& key) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_null, &borrowed_key) != 0;
}

bool TCefDictionaryValueRef::SetBool(const ustring& key, bool value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_bool, &borrowed_key,
                    EngineBool(value)) != 0;
}

bool TCefDictionaryValueRef::SetInt(const ustring& key, int value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_int, &borrowed_key, value) != 0;
}

bool TCefDictionaryValueRef::SetDouble(const ustring& key, double value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_double, &borrowed_key, value) != 0;
}

bool TCefDictionaryValueRef::SetString(const ustring& key, const ustring& value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  const cef_string_t borrowed_value = BorrowEngineString(value);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_string, &borrowed_key,
                    &borrowed_value) != 0;
}

bool TCefDictionaryValueRef::SetBinary(const ustring& key,
                                       const CefRefPtr<ICefBinaryValue>& value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_binary, &borrowed_key,
                    HandToEngine<cef_binary_value_t>(value)) != 0;
}

bool TCefDictionaryValueRef::SetDictionary(const ustring& key,
                                           const CefRefPtr<ICefDictionaryValue>& value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_dictionary, &borrowed_key,
                    HandToEngine<cef_dictionary_value_t>(value)) != 0;
}

bool TCefDictionaryValueRef::SetList(const ustring& key, const CefRefPtr<ICefListValue>& value) {
  const cef_string_t borrowed_key = BorrowEngineString(key);
  return CallEngine(Engine(), &cef_dictionary_value_t::set_list, &borrowed_key,
                    HandToEngine<cef_list_value_t>(value)) != 0;
}
