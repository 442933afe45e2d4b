#include "upgrade/controller/ul_info_signature.h"

#include <algorithm>

#include "upgrade/support/ul_text.h"

namespace {

constexpr std::string_view kSignatureKey = "#signature=";
constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text, std::string_view blanks) {
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char lower, char c) {
           return (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) == lower;
         });
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

template <size_t size>
std::optional<std::array<uint8_t, size>> ParseHex(std::wstring_view text) {
  std::array<uint8_t, size> bytes{};
  if (text.size() != size * 2) return std::nullopt;
  for (size_t at = 0; at < size; ++at) {
    const int high = HexDigit(text[2 * at]), low = HexDigit(text[2 * at + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes[at] = static_cast<uint8_t>(high << 4 | low);
  }
  return bytes;
}

}  // namespace

std::optional<TulSignedInfo> SplitSignedInfo(std::string_view bytes) {
  const size_t end = bytes.find_last_not_of(" \t\r\n");
  if (end == std::string_view::npos) return std::nullopt;
  const size_t lineBreak = bytes.rfind('\n', end);
  const size_t lineStart = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
  const std::string_view line = Trimmed(bytes.substr(lineStart, end + 1 - lineStart), kBlanks);
  if (!StartsWithIgnoringCase(line, kSignatureKey)) return std::nullopt;
  const std::optional<std::string> decoded =
      DecodeBase64(Trimmed(line.substr(kSignatureKey.size()), kBlanks));
  TulSignedInfo info{bytes.substr(0, lineStart), {}};
  if (!decoded || decoded->size() != info.Signature.size()) return std::nullopt;
  std::copy(decoded->begin(), decoded->end(), info.Signature.begin());
  return info;
}

std::string SignedInfoText(std::string_view signedPart) {
  std::string text;
  text.reserve(signedPart.size() + signedPart.size() / 16);
  for (size_t at = 0; at < signedPart.size(); ++at) {
    if (signedPart[at] == '\n' && (at == 0 || signedPart[at - 1] != '\r')) text += '\r';
    text += signedPart[at];
  }
  return text;
}

std::optional<TulSha256> ParseSha256(std::wstring_view text) { return ParseHex<32>(text); }

std::optional<TulP256Key> ParseP256Key(std::wstring_view text) { return ParseHex<64>(text); }

std::optional<std::vector<TulP256Key>> ParseP256Keys(std::wstring_view text) {
  std::vector<TulP256Key> keys;
  while (!text.empty()) {
    const size_t end = text.find(L';');
    const std::optional<TulP256Key> key = ParseP256Key(text.substr(0, end));
    if (!key || keys.size() == kMostTrustedKeys) return std::nullopt;
    keys.push_back(*key);
    // A ";" at the very end leaves an empty key, which is as malformed as any.
    if (end == std::wstring_view::npos) break;
    text.remove_prefix(end + 1);
    if (text.empty()) return std::nullopt;
  }
  return keys;
}
