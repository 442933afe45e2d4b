#include "upgrade/support/ul_crypto.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <memory>

#include "base/handle.h"

namespace {

struct AlgorithmCloser {
  void operator()(void* algorithm) const { BCryptCloseAlgorithmProvider(algorithm, 0); }
};
struct HashDestroyer {
  void operator()(void* hash) const { BCryptDestroyHash(hash); }
};
struct KeyDestroyer {
  void operator()(void* key) const { BCryptDestroyKey(key); }
};
using Algorithm = std::unique_ptr<void, AlgorithmCloser>;
using Hash = std::unique_ptr<void, HashDestroyer>;
using Key = std::unique_ptr<void, KeyDestroyer>;

Algorithm OpenAlgorithm(const wchar_t* name) {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, name, nullptr, 0))) return nullptr;
  return Algorithm(algorithm);
}

// One SHA-256 computation; any failing step leaves it failed.
class Sha256 {
 public:
  Sha256() : algorithm_(OpenAlgorithm(BCRYPT_SHA256_ALGORITHM)) {
    BCRYPT_HASH_HANDLE handle = nullptr;
    if (algorithm_ != nullptr &&
        BCRYPT_SUCCESS(BCryptCreateHash(algorithm_.get(), &handle, nullptr, 0, nullptr, 0, 0))) {
      hash_.reset(handle);
    }
  }

  void Add(std::string_view bytes) {
    while (hash_ != nullptr && !bytes.empty()) {
      // BCrypt takes a non-const pointer but does not write through it; ULONG limits a block.
      const auto size = static_cast<ULONG>(std::min<size_t>(bytes.size(), 1u << 30));
      auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
      if (!BCRYPT_SUCCESS(BCryptHashData(hash_.get(), data, size, 0))) hash_.reset();
      bytes.remove_prefix(size);
    }
  }

  std::optional<TulSha256> Finish() {
    TulSha256 digest{};
    if (hash_ == nullptr ||
        !BCRYPT_SUCCESS(BCryptFinishHash(hash_.get(), digest.data(), digest.size(), 0))) {
      return std::nullopt;
    }
    return digest;
  }

 private:
  Algorithm algorithm_;  // outlives the hash
  Hash hash_;
};

}  // namespace

std::optional<TulSha256> Sha256Of(std::string_view bytes) {
  Sha256 hash;
  hash.Add(bytes);
  return hash.Finish();
}

std::optional<TulSha256> FileSha256(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  const THandle closer(file);
  Sha256 hash;
  std::string buffer(64 * 1024, '\0');
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr))
      return std::nullopt;
    if (read == 0) return hash.Finish();
    hash.Add(std::string_view(buffer.data(), read));
  }
}

bool VerifyP256(const TulP256Key& key, std::string_view bytes, const TulP256Signature& signature) {
  const std::optional<TulSha256> digest = Sha256Of(bytes);
  const Algorithm algorithm = OpenAlgorithm(BCRYPT_ECDSA_P256_ALGORITHM);
  if (!digest || algorithm == nullptr) return false;
  struct {
    BCRYPT_ECCKEY_BLOB header;
    TulP256Key point;
  } blob{{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32}, key};
  static_assert(sizeof(blob) == sizeof(BCRYPT_ECCKEY_BLOB) + 64);
  BCRYPT_KEY_HANDLE handle = nullptr;
  if (!BCRYPT_SUCCESS(BCryptImportKeyPair(algorithm.get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, &handle,
                                          reinterpret_cast<PUCHAR>(&blob), sizeof(blob), 0))) {
    return false;
  }
  const Key imported(handle);
  TulSha256 hashed = *digest;
  TulP256Signature copy = signature;
  return BCRYPT_SUCCESS(BCryptVerifySignature(imported.get(), nullptr, hashed.data(), hashed.size(),
                                              copy.data(), copy.size(), 0));
}
