#ifndef OSTREL_STANDIN_TEXT_H_
#define OSTREL_STANDIN_TEXT_H_

// Text helpers shared by the stand-in's sources: UTF conversions with the engine's rules
// (ill-formed input becomes U+FFFD and the conversion reports failure) and engine string records.

#include <string>
#include <string_view>

#include "standin/capi.h"

namespace standin {

std::string Utf16ToUtf8(std::wstring_view text, bool* valid = nullptr);
std::wstring Utf8ToUtf16(std::string_view text, bool* valid = nullptr);

// The text of a record the program passed in; a null record or buffer reads as empty.
std::wstring FromRecord(const cef_string_t* record);

// Fills a program-supplied record with an engine-owned copy (an empty text leaves it cleared,
// with a null buffer, as the engine does). Returns false for a null record.
bool SetRecord(cef_string_t* record, std::wstring_view text);

// A user-free string for a getter's result; the engine returns null for an empty text.
cef_string_userfree_t NewUserFree(std::wstring_view text);

std::wstring AsciiLower(std::wstring_view text);

// The value of an environment variable (the test hooks); empty when unset or too long.
std::wstring EnvironmentValue(const wchar_t* name);

}  // namespace standin

#endif  // OSTREL_STANDIN_TEXT_H_
