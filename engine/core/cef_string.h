#ifndef OSTREL_ENGINE_CORE_CEF_STRING_H_
#define OSTREL_ENGINE_CORE_CEF_STRING_H_

// The program's string type and its conversions to and from the engine's UTF-16 string record.
// Conversions that call the engine do nothing (and give an empty string) until the engine
// library is loaded; BorrowEngineString and CopyEngineString never call it.

#include <string>

#include "engine/capi/cef_capi.h"

// UTF-16 with an explicit length: wchar_t is the engine's char16 on Windows.
using ustring = std::wstring;
static_assert(sizeof(ustring::value_type) == sizeof(char16), "ustring holds UTF-16 code units");

// A record pointing into `value`'s own buffer (no copy, no engine call, dtor null): how every
// string argument goes into the engine. Valid only while `value` lives unchanged; an empty
// string gives length 0 and a pointer to an empty terminated string.
cef_string_t BorrowEngineString(const ustring& value) noexcept;
// A temporary would die before the engine reads the record.
cef_string_t BorrowEngineString(const ustring&& value) = delete;

// Copies the record's text; null gives an empty string. The record is left alone.
ustring CopyEngineString(const cef_string_t* record);

// Copies the record's text, then clears the record with the engine (freeing its buffer).
// Library not loaded: empty string, record untouched.
ustring CopyAndClearEngineString(cef_string_t* record);

// Copies a string the engine returned as a user-free record, then frees record and buffer.
// Null, or library not loaded: empty string, nothing freed.
ustring CopyAndFreeUserFreeString(cef_string_userfree_t record);

// Has the engine copy `value` into `destination`, replacing its previous contents.
// Null destination, or library not loaded: nothing happens.
void SetEngineString(cef_string_t* destination, const ustring& value);

// A new record owning an engine copy of `value` (clear it with cef_string_utf16_clear). All
// zero when `value` is empty or the library is not loaded.
cef_string_t AllocEngineString(const ustring& value);

#endif  // OSTREL_ENGINE_CORE_CEF_STRING_H_
