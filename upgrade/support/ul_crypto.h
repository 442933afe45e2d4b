#ifndef OSTREL_UPGRADE_SUPPORT_UL_CRYPTO_H_
#define OSTREL_UPGRADE_SUPPORT_UL_CRYPTO_H_

// SHA-256 and ECDSA P-256 verification through the system's own cryptography (BCrypt). The
// header is free of <windows.h>: the system-free parsers use its types.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using TulSha256 = std::array<uint8_t, 32>;
using TulP256Key = std::array<uint8_t, 64>;        // X then Y, big-endian
using TulP256Signature = std::array<uint8_t, 64>;  // r then s, big-endian

// Nothing when the system cannot hash (or the file cannot be read).
std::optional<TulSha256> Sha256Of(std::string_view bytes);
std::optional<TulSha256> FileSha256(const std::wstring& path);

// True only when `signature` is `key`'s over `bytes` (hashed with SHA-256).
bool VerifyP256(const TulP256Key& key, std::string_view bytes, const TulP256Signature& signature);

#endif  // OSTREL_UPGRADE_SUPPORT_UL_CRYPTO_H_
