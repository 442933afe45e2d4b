#include "upgrade/http/ul_login.h"

#include <cstdint>

namespace {

constexpr uint16_t kScramble = 0xA55C;

void PutWord(std::string& out, uint16_t word) {
  out += static_cast<char>(word & 0xFF);
  out += static_cast<char>(word >> 8);
}

std::optional<uint16_t> TakeWord(std::string_view& in) {
  if (in.size() < 2) return std::nullopt;
  const auto word =
      static_cast<uint16_t>(static_cast<uint8_t>(in[0]) | static_cast<uint8_t>(in[1]) << 8);
  in.remove_prefix(2);
  return word;
}

void PutText(std::string& out, const std::wstring& text) {
  // A length that does not fit is cut; a longer secret cannot be stored in this record.
  const auto length = static_cast<uint16_t>(text.size() > 0xFFFF ? 0xFFFF : text.size());
  PutWord(out, length ^ (kScramble & 0xFF));
  for (size_t i = 0; i < length; ++i) PutWord(out, static_cast<uint16_t>(text[i]) ^ kScramble);
}

std::optional<std::wstring> TakeText(std::string_view& in) {
  const std::optional<uint16_t> length = TakeWord(in);
  if (!length) return std::nullopt;
  std::wstring text;
  for (uint16_t i = 0; i < (*length ^ (kScramble & 0xFF)); ++i) {
    const std::optional<uint16_t> unit = TakeWord(in);
    if (!unit) return std::nullopt;
    text += static_cast<wchar_t>(*unit ^ kScramble);
  }
  return text;
}

}  // namespace

std::string TulLoginComponent::WriteLoginInfo() const {
  std::string stored;
  PutText(stored, FLoginUsername);
  PutText(stored, FLoginPassword);
  return stored;
}

bool TulLoginComponent::ReadLoginInfo(std::string_view stored) {
  std::optional<std::wstring> username = TakeText(stored);
  std::optional<std::wstring> password = username ? TakeText(stored) : std::nullopt;
  if (!password || !stored.empty()) return false;
  FLoginUsername = std::move(*username);
  FLoginPassword = std::move(*password);
  return true;
}
