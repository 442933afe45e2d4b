#include "engine/core/cef_string.h"

#include "engine/core/cef_api.h"

cef_string_t BorrowEngineString(const ustring& value) noexcept {
  cef_string_t record{};
  // The engine's record is not const-qualified, but a borrowed buffer is only ever read.
  record.str = const_cast<char16*>(value.c_str());
  record.length = value.length();
  record.dtor = nullptr;
  return record;
}

ustring CopyEngineString(const cef_string_t* record) {
  if (record == nullptr || record->str == nullptr || record->length == 0) return ustring();
  return ustring(record->str, record->length);
}

ustring CopyAndClearEngineString(cef_string_t* record) {
  if (record == nullptr || !EngineLibraryLoaded()) return ustring();
  ustring text = CopyEngineString(record);
  cef_string_utf16_clear(record);
  return text;
}

ustring CopyAndFreeUserFreeString(cef_string_userfree_t record) {
  if (record == nullptr || !EngineLibraryLoaded()) return ustring();
  ustring text = CopyEngineString(record);
  cef_string_userfree_utf16_free(record);
  return text;
}

void SetEngineString(cef_string_t* destination, const ustring& value) {
  if (destination == nullptr || !EngineLibraryLoaded()) return;
  cef_string_utf16_set(value.c_str(), value.length(), destination, 1);
}

cef_string_t AllocEngineString(const ustring& value) {
  cef_string_t record{};
  if (!value.empty() && EngineLibraryLoaded()) {
    cef_string_wide_to_utf16(value.c_str(), value.length(), &record);
  }
  return record;
}
