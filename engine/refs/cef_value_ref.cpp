#include "engine/refs/cef_value_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_list_value_ref.h"

CefRefPtr<ICefValue> TCefValueRef::New() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_value_create());
}

bool TCefValueRef::IsValid() { return CallEngine(Engine(), &cef_value_t::is_valid) != 0; }

bool TCefValueRef::IsOwned() { return CallEngine(Engine(), &cef_value_t::is_owned) != 0; }

bool TCefValueRef::IsReadOnly() { return CallEngine(Engine(), &cef_value_t::is_read_only) != 0; }

bool TCefValueRef::IsSame(const CefRefPtr<ICefValue>& that) {
  return CallEngine(Engine(), &cef_value_t::is_same, HandToEngine<cef_value_t>(that)) != 0;
}

bool TCefValueRef::IsEqual(const CefRefPtr<ICefValue>& that) {
  return CallEngine(Engine(), &cef_value_t::is_equal, HandToEngine<cef_value_t>(that)) != 0;
}

CefRefPtr<ICefValue> TCefValueRef::Copy() {
  return UnWrap(CallEngine(Engine(), &cef_value_t::copy));
}

cef_value_type_t TCefValueRef::GetType() { return CallEngine(Engine(), &cef_value_t::get_type); }

bool TCefValueRef::GetBool() { return CallEngine(Engine(), &cef_value_t::get_bool) != 0; }

int TCefValueRef::GetInt() { return CallEngine(Engine(), &cef_value_t::get_int); }

double TCefValueRef::GetDouble() { return CallEngine(Engine(), &cef_value_t::get_double); }

ustring TCefValueRef::GetString() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_value_t::get_string));
}

CefRefPtr<ICefBinaryValue> TCefValueRef::GetBinary() {
  return TCefBinaryValueRef::UnWrap(CallEngine(Engine(), &cef_value_t::get_binary));
}

CefRefPtr<ICefDictionaryValue> TCefValueRef::GetDictionary() {
  return TCefDictionaryValueRef::UnWrap(CallEngine(Engine(), &cef_value_t::get_dictionary));
}

CefRefPtr<ICefListValue> TCefValueRef::GetList() {
  return TCefListValueRef::UnWrap(CallEngine(Engine(), &cef_value_t::get_list));
}

bool TCefValueRef::SetNull() { return CallEngine(Engine(), &cef_value_t::set_null) != 0; }

bool TCefValueRef::SetBool(bool value) {
  return CallEngine(Engine(), &cef_value_t::set_bool, EngineBool(value)) != 0;
}

bool TCefValueRef::SetInt(int value) {
  return CallEngine(Engine(), &cef_value_t::set_int, value) != 0;
}

bool TCefValueRef::SetDouble(double value) {
  return CallEngine(Engine(), &cef_value_t::set_double, value) != 0;
}

bool TCefValueRef::SetString(const ustring& value) {
  const cef_string_t borrowed_value = BorrowEngineString(value);
  return CallEngine(Engine(), &cef_value_t::set_string, &borrowed_value) != 0;
}

bool TCefValueRef::SetBinary(const CefRefPtr<ICefBinaryValue>& value) {
  return CallEngine(Engine(), &cef_value_t::set_binary, HandToEngine<cef_binary_value_t>(value)) !=
         0;
}

bool TCefValueRef::SetDictionary(const CefRefPtr<ICefDictionaryValue>& value) {
  return CallEngine(Engine(), &cef_value_t::set_dictionary,
                    HandToEngine<cef_dictionary_value_t>(value)) != 0;
}

bool TCefValueRef::SetList(const CefRefPtr<ICefListValue>& value) {
  return CallEngine(Engine(), &cef_value_t::set_list, HandToEngine<cef_list_value_t>(value)) != 0;
}
