#include "standin/text.h"

#include <windows.h>

namespace standin {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(std::wstring& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<wchar_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 | (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 | (cp & 0x3FF));
  }
}

// Decodes one code point at text[i] and advances i. An ill-formed sequence yields U+FFFD and
// consumes its maximal well-formed prefix (at least one byte), so one bad byte costs one U+FFFD.
char32_t DecodeUtf8(std::string_view text, size_t& i, bool& valid) {
  const unsigned char lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int trail = 0;
  char32_t cp = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the first continuation byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    trail = 1;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trail = 2;
    cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trail = 3;
    cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    valid = false;
    return kReplacement;
  }
  for (int k = 0; k < trail; ++k) {
    if (i >= text.size()) break;
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < low || byte > high) break;
    cp = (cp << 6) | (byte & 0x3F);
    ++i;
    low = 0x80;
    high = 0xBF;
    if (k == trail - 1) return cp;
  }
  valid = false;
  return kReplacement;
}

}  // namespace

std::string Utf16ToUtf8(std::wstring_view text, bool* valid) {
  bool ok = true;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t unit = static_cast<char16_t>(text[i]);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (static_cast<char16_t>(text[++i]) - 0xDC00);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      ok = false;  // unpaired surrogate
      unit = kReplacement;
    }
    AppendUtf8(out, unit);
  }
  if (valid) *valid = ok;
  return out;
}

std::wstring Utf8ToUtf16(std::string_view text, bool* valid) {
  bool ok = true;
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) AppendUtf16(out, DecodeUtf8(text, i, ok));
  if (valid) *valid = ok;
  return out;
}

std::wstring FromRecord(const cef_string_t* record) {
  if (!record || !record->str || record->length == 0) return std::wstring();
  return std::wstring(record->str, record->length);
}

bool SetRecord(cef_string_t* record, std::wstring_view text) {
  if (!record) return false;
  return cef_string_utf16_set(text.data(), text.size(), record, 1) != 0;
}

cef_string_userfree_t NewUserFree(std::wstring_view text) {
  if (text.empty()) return nullptr;
  cef_string_userfree_t result = cef_string_userfree_utf16_alloc();
  SetRecord(result, text);
  return result;
}

std::wstring AsciiLower(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + (L'a' - L'A'));
  }
  return out;
}

std::wstring EnvironmentValue(const wchar_t* name) {
  wchar_t buffer[2048];
  const DWORD n = GetEnvironmentVariableW(name, buffer, ARRAYSIZE(buffer));
  return n > 0 && n < ARRAYSIZE(buffer) ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace standin
