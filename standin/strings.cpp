// The engine's string records: set, clear, compare, the conversions between wide, UTF-8 and
// UTF-16, user-free strings and case mapping. On Windows wide and UTF-16 are the same 16-bit
// encoding, so their conversions copy.
//
// Rules the program must live with, as in the real engine:
// - copy=1 allocates a terminated buffer and sets dtor; copy=0 borrows the caller's buffer and
//   sets dtor to null. Both first clear what the record held.
// - copying an empty text leaves the record cleared: str is null, length 0.
// - conversions replace ill-formed input with U+FFFD, still fill the output, and return 0.
// - null records and buffers are tolerated (read as empty; a null output makes the call fail).

#include <cstring>
#include <limits>
#include <new>
#include <string>

#include "standin/capi.h"
#include "standin/text.h"

namespace {

template <typename Char>
void FreeBuffer(Char* buffer) {
  delete[] buffer;
}

template <typename Record>
void ClearRecord(Record* record) {
  if (!record) return;
  if (record->dtor && record->str) record->dtor(record->str);
  record->str = nullptr;
  record->length = 0;
  record->dtor = nullptr;
}

template <typename Record, typename Char>
int SetRecord(const Char* src, size_t src_len, Record* output, int copy) {
  if (!output) return 0;
  if (!src) src_len = 0;
  if (!copy) {
    ClearRecord(output);
    output->str = const_cast<Char*>(src);
    output->length = src_len;
    return 1;
  }
  // Copy before clearing: the source may be the record's own buffer.
  Char* buffer = nullptr;
  if (src_len > 0) {
    buffer = new (std::nothrow) Char[src_len + 1];
    if (!buffer) return 0;
    std::memcpy(buffer, src, src_len * sizeof(Char));
    buffer[src_len] = 0;
  }
  ClearRecord(output);
  if (buffer) {
    output->str = buffer;
    output->length = src_len;
    output->dtor = &FreeBuffer<Char>;
  }
  return 1;
}

// Code-unit order (unsigned), then the shorter text first; -1, 0 or 1.
template <typename Unsigned, typename Record>
int CompareRecords(const Record* a, const Record* b) {
  const size_t la = (a && a->str) ? a->length : 0;
  const size_t lb = (b && b->str) ? b->length : 0;
  const size_t n = la < lb ? la : lb;
  for (size_t i = 0; i < n; ++i) {
    const Unsigned ca = static_cast<Unsigned>(a->str[i]);
    const Unsigned cb = static_cast<Unsigned>(b->str[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (la == lb) return 0;
  return la < lb ? -1 : 1;
}

std::wstring_view WideView(const wchar_t* src, size_t len) {
  return src ? std::wstring_view(src, len) : std::wstring_view();
}

std::string_view NarrowView(const char* src, size_t len) {
  return src ? std::string_view(src, len) : std::string_view();
}

template <typename Record>
int WideInto(std::wstring_view text, Record* output, bool valid) {
  if (!SetRecord(text.data(), text.size(), output, 1)) return 0;
  return valid ? 1 : 0;
}

int Utf8Into(std::string_view text, cef_string_utf8_t* output, bool valid) {
  if (!SetRecord(text.data(), text.size(), output, 1)) return 0;
  return valid ? 1 : 0;
}

template <typename Record>
int AsciiInto(const char* src, size_t len, Record* output) {
  std::wstring wide;
  wide.reserve(len);
  for (char c : NarrowView(src, len)) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return WideInto(wide, output, true);
}

// Case mapping without a locale, like the engine's ICU root rules for the 16-bit units Windows
// maps one to one (the length never changes).
int MapCase(const char16* src, size_t src_len, cef_string_utf16_t* output, DWORD flag) {
  if (!output) return 0;
  if (!src || src_len == 0) return WideInto(std::wstring_view(), output, true);
  if (src_len > static_cast<size_t>(std::numeric_limits<int>::max())) return 0;
  std::wstring mapped(src_len, L'\0');
  const int n = LCMapStringEx(LOCALE_NAME_INVARIANT, flag, src, static_cast<int>(src_len),
                              mapped.data(), static_cast<int>(src_len), nullptr, nullptr, 0);
  if (n <= 0) return 0;
  mapped.resize(static_cast<size_t>(n));
  return WideInto(mapped, output, true);
}

}  // namespace

extern "C" {

int cef_string_wide_set(const wchar_t* src, size_t src_len, cef_string_wide_t* output, int copy) {
  return SetRecord(src, src_len, output, copy);
}

int cef_string_utf8_set(const char* src, size_t src_len, cef_string_utf8_t* output, int copy) {
  return SetRecord(src, src_len, output, copy);
}

int cef_string_utf16_set(const char16* src, size_t src_len, cef_string_utf16_t* output, int copy) {
  return SetRecord(src, src_len, output, copy);
}

void cef_string_wide_clear(cef_string_wide_t* str) { ClearRecord(str); }
void cef_string_utf8_clear(cef_string_utf8_t* str) { ClearRecord(str); }
void cef_string_utf16_clear(cef_string_utf16_t* str) { ClearRecord(str); }

int cef_string_wide_cmp(const cef_string_wide_t* str1, const cef_string_wide_t* str2) {
  return CompareRecords<unsigned short>(str1, str2);
}

int cef_string_utf8_cmp(const cef_string_utf8_t* str1, const cef_string_utf8_t* str2) {
  return CompareRecords<unsigned char>(str1, str2);
}

int cef_string_utf16_cmp(const cef_string_utf16_t* str1, const cef_string_utf16_t* str2) {
  return CompareRecords<unsigned short>(str1, str2);
}

int cef_string_wide_to_utf8(const wchar_t* src, size_t src_len, cef_string_utf8_t* output) {
  bool valid = true;
  std::string utf8 = standin::Utf16ToUtf8(WideView(src, src_len), &valid);
  return Utf8Into(utf8, output, valid);
}

int cef_string_utf8_to_wide(const char* src, size_t src_len, cef_string_wide_t* output) {
  bool valid = true;
  std::wstring wide = standin::Utf8ToUtf16(NarrowView(src, src_len), &valid);
  return WideInto(wide, output, valid);
}

int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len, cef_string_utf16_t* output) {
  return WideInto(WideView(src, src_len), output, true);
}

int cef_string_utf16_to_wide(const char16* src, size_t src_len, cef_string_wide_t* output) {
  return WideInto(WideView(src, src_len), output, true);
}

int cef_string_utf8_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  bool valid = true;
  std::wstring wide = standin::Utf8ToUtf16(NarrowView(src, src_len), &valid);
  return WideInto(wide, output, valid);
}

int cef_string_utf16_to_utf8(const char16* src, size_t src_len, cef_string_utf8_t* output) {
  bool valid = true;
  std::string utf8 = standin::Utf16ToUtf8(WideView(src, src_len), &valid);
  return Utf8Into(utf8, output, valid);
}

int cef_string_ascii_to_wide(const char* src, size_t src_len, cef_string_wide_t* output) {
  return AsciiInto(src, src_len, output);
}

int cef_string_ascii_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  return AsciiInto(src, src_len, output);
}

cef_string_userfree_wide_t cef_string_userfree_wide_alloc(void) {
  return new (std::nothrow) cef_string_wide_t{};
}

cef_string_userfree_utf8_t cef_string_userfree_utf8_alloc(void) {
  return new (std::nothrow) cef_string_utf8_t{};
}

cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void) {
  return new (std::nothrow) cef_string_utf16_t{};
}

void cef_string_userfree_wide_free(cef_string_userfree_wide_t str) {
  ClearRecord(str);
  delete str;
}

void cef_string_userfree_utf8_free(cef_string_userfree_utf8_t str) {
  ClearRecord(str);
  delete str;
}

void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  ClearRecord(str);
  delete str;
}

int cef_string_utf16_to_lower(const char16* src, size_t src_len, cef_string_utf16_t* output) {
  return MapCase(src, src_len, output, LCMAP_LOWERCASE);
}

int cef_string_utf16_to_upper(const char16* src, size_t src_len, cef_string_utf16_t* output) {
  return MapCase(src, src_len, output, LCMAP_UPPERCASE);
}

}  // extern "C"
