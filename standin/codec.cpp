// Group "parser", part one: Base64 and URI escaping with the engine's results.
// - cef_base64encode: standard alphabet with padding; no bytes give null (the empty string).
// - cef_base64decode: strict: length a multiple of 4, padding only at the end, no blanks;
//   anything else, and an empty text, gives null.
// - cef_uriencode: the text as UTF-8; control characters, DEL, bytes above 0x7F, the blank and
//   "#$%&'+;<=>?@[\]^`{|} become %XX (upper-case hex); use_plus writes the blank as '+'.
// - cef_uridecode: %XX sequences are decoded according to the unescape rule (see Decode below);
//   the bytes are read as UTF-8 either way (ill-formed sequences stay escaped).

#include <cstring>
#include <string>

#include "standin/capi.h"
#include "standin/text.h"
#include "standin/values.h"

namespace {

constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Digit(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return c - L'A';
  if (c >= L'a' && c <= L'z') return c - L'a' + 26;
  if (c >= L'0' && c <= L'9') return c - L'0' + 52;
  if (c == L'+') return 62;
  if (c == L'/') return 63;
  return -1;
}

bool Base64Decode(const std::wstring& text, std::string* bytes) {
  if (text.empty() || text.size() % 4 != 0) return false;
  size_t padding = 0;
  if (text.back() == L'=') ++padding;
  if (text.size() >= 2 && text[text.size() - 2] == L'=') ++padding;
  if (padding == 1 && text.back() != L'=') return false;
  const size_t data_chars = text.size() - padding;
  unsigned int accumulator = 0;
  int bits = 0;
  for (size_t i = 0; i < data_chars; ++i) {
    const int digit = Base64Digit(text[i]);
    if (digit < 0) return false;
    accumulator = (accumulator << 6) | static_cast<unsigned int>(digit);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      *bytes += static_cast<char>((accumulator >> bits) & 0xFF);
    }
  }
  return true;
}

bool NeedsEscape(unsigned char c) {
  if (c <= 0x20 || c >= 0x7F) return true;
  return std::strchr("\"#$%&'+;<=>?@[\\]^`{|}", c) != nullptr;
}

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// Whether an escaped ASCII byte may be decoded under the rule. Characters that would change the
// meaning of a URL stay escaped unless the rule names them, as in the engine.
bool MayUnescape(unsigned char c, int rule) {
  if (c < 0x20 || c == 0x7F) return (rule & UU_SPOOFING_AND_CONTROL_CHARS) != 0;
  if (c == ' ') return (rule & UU_SPACES) != 0;
  if (c == '/' || c == '\\') return (rule & UU_PATH_SEPARATORS) != 0;
  if (std::strchr("#$%&+,;=?", c)) return (rule & UU_URL_SPECIAL_CHARS_EXCEPT_PATH_SEPARATORS) != 0;
  return true;
}

// Reads the escape "%XX" at text[i] into byte.
bool EscapeAt(const std::string& text, size_t i, unsigned char* byte) {
  if (i + 2 >= text.size() || text[i] != '%') return false;
  const int high = HexValue(text[i + 1]);
  const int low = HexValue(text[i + 2]);
  if (high < 0 || low < 0) return false;
  *byte = static_cast<unsigned char>(high * 16 + low);
  return true;
}

size_t Utf8LengthFromLead(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::wstring Decode(const std::wstring& text, int rule) {
  if (rule == UU_NONE) return text;
  // Works on the UTF-8 form; escapes are ASCII so they are never split.
  const std::string in = standin::Utf16ToUtf8(text);
  std::string out;
  for (size_t i = 0; i < in.size(); ++i) {
    unsigned char byte = 0;
    if (in[i] == '+' && (rule & UU_REPLACE_PLUS_WITH_SPACE)) {
      out += ' ';
    } else if (!EscapeAt(in, i, &byte)) {
      out += in[i];
    } else if (byte < 0x80) {
      if (MayUnescape(byte, rule)) {
        out += static_cast<char>(byte);
        i += 2;
      } else {
        out += in[i];
      }
    } else {
      // A non-ASCII byte is decoded only together with the rest of a well-formed UTF-8
      // sequence, all of it escaped.
      std::string sequence(1, static_cast<char>(byte));
      const size_t expected = Utf8LengthFromLead(byte);
      size_t next = i + 3;
      while (sequence.size() < expected && EscapeAt(in, next, &byte)) {
        sequence += static_cast<char>(byte);
        next += 3;
      }
      bool valid = sequence.size() == expected;
      if (valid) standin::Utf8ToUtf16(sequence, &valid);
      if (valid) {
        out += sequence;
        i = next - 1;
      } else {
        out += in[i];
      }
    }
  }
  return standin::Utf8ToUtf16(out);
}

}  // namespace

extern "C" {

cef_string_userfree_t cef_base64encode(const void* data, size_t data_size) {
  if (!data || data_size == 0) return nullptr;
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::wstring out;
  out.reserve((data_size + 2) / 3 * 4);
  for (size_t i = 0; i < data_size; i += 3) {
    const size_t n = data_size - i < 3 ? data_size - i : 3;
    unsigned int group = static_cast<unsigned int>(bytes[i]) << 16;
    if (n > 1) group |= static_cast<unsigned int>(bytes[i + 1]) << 8;
    if (n > 2) group |= bytes[i + 2];
    out += static_cast<wchar_t>(kBase64Alphabet[(group >> 18) & 63]);
    out += static_cast<wchar_t>(kBase64Alphabet[(group >> 12) & 63]);
    out += n > 1 ? static_cast<wchar_t>(kBase64Alphabet[(group >> 6) & 63]) : L'=';
    out += n > 2 ? static_cast<wchar_t>(kBase64Alphabet[group & 63]) : L'=';
  }
  return standin::NewUserFree(out);
}

cef_binary_value_t* cef_base64decode(const cef_string_t* data) {
  std::string bytes;
  if (!Base64Decode(standin::FromRecord(data), &bytes)) return nullptr;
  return standin::NewBinaryValue(bytes.data(), bytes.size());
}

cef_string_userfree_t cef_uriencode(const cef_string_t* text, int use_plus) {
  static const char kHex[] = "0123456789ABCDEF";
  std::wstring out;
  for (unsigned char c : standin::Utf16ToUtf8(standin::FromRecord(text))) {
    if (c == ' ' && use_plus) {
      out += L'+';
    } else if (NeedsEscape(c)) {
      out += L'%';
      out += static_cast<wchar_t>(kHex[c >> 4]);
      out += static_cast<wchar_t>(kHex[c & 15]);
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return standin::NewUserFree(out);
}

cef_string_userfree_t cef_uridecode(const cef_string_t* text, int /*convert_to_utf8*/,
                                    cef_uri_unescape_rule_t unescape_rule) {
  return standin::NewUserFree(Decode(standin::FromRecord(text), unescape_rule));
}

}  // extern "C"
