#include "engine/refs/cef_binary_value_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"

CefRefPtr<ICefBinaryValue> TCefBinaryValueRef::New(const void* data, size_t size) {
  return CallEntryPoint(cef_binary_value_create, data, size);
}

bool TCefBinaryValueRef::IsValid() {
  return CallEngine(Engine(), &cef_binary_value_t::is_valid) != 0;
}

bool TCefBinaryValueRef::IsOwned() {
  return CallEngine(Engine(), &cef_binary_value_t::is_owned) != 0;
}

bool TCefBinaryValueRef::IsSame(Ref<ICefBinaryValue> that) {
  return CallEngine(Engine(), &cef_binary_value_t::is_same, that) != 0;
}

bool TCefBinaryValueRef::IsEqual(Ref<ICefBinaryValue> that) {
  return CallEngine(Engine(), &cef_binary_value_t::is_equal, that) != 0;
}

CefRefPtr<ICefBinaryValue> TCefBinaryValueRef::Copy() {
  return CallEngine(Engine(), &cef_binary_value_t::copy);
}

size_t TCefBinaryValueRef::GetSize() { return CallEngine(Engine(), &cef_binary_value_t::get_size); }

size_t TCefBinaryValueRef::GetData(void* buffer, size_t bufferSize, size_t dataOffset) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  return CallEngine(Engine(), &cef_binary_value_t::get_data, buffer, bufferSize, dataOffset);
}
