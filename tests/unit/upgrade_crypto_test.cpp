// The system's cryptography as the upgrade uses it (BCrypt, also under Wine): SHA-256 of bytes
// and files, and ECDSA P-256 signatures made by openssl as the publisher's script makes them.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/support/ul_crypto.h"

namespace {

const std::string kSigned = "#version=1.1.2.2\r\n#url=https://h/a.exe=OstrelMini.exe\r\n";
// openssl ecparam -name prime256v1 -genkey; openssl dgst -sha256 -sign, the DER turned into r, s.
const wchar_t kKey[] =
    L"ba8e20079eb50be83e8ab2fb1c0c5aec0b32045972de75f5f99cbafd5ea99302"
    L"518bd0ac8e2d9285323aa9a7294fb97411558601daa0a16de315b07095c85313";
const char kSignatureLine[] =
    "#signature=biFdiYyYgMXiL3Ga/W/wMbUuN6kBPdETTlxvhA/"
    "hAa2PaqRpKD5OfwE7cQLJNGU7tGoOqKREONcOFpYyvJed"
    "OQ==";

TulP256Signature Signature(const std::string& file) { return SplitSignedInfo(file)->Signature; }

TEST(UpgradeCrypto, Sha256OfBytesAndOfAFile) {
  EXPECT_EQ(Sha256Of("abc"),
            ParseSha256(L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
  EXPECT_EQ(Sha256Of(kSigned),
            ParseSha256(L"3ceda0944ec7c455d50255945e47f70b22d34a9ee97b25cfa989f60a51ab9bdf"));
  const std::filesystem::path file = std::filesystem::temp_directory_path() / L"ostrel-sha.bin";
  // Larger than one read block, so the blocks are chained.
  const std::string bytes(200000, 'x');
  std::ofstream(file, std::ios::binary) << bytes;
  EXPECT_EQ(FileSha256(file.wstring()), Sha256Of(bytes));
  std::filesystem::remove(file);
  EXPECT_FALSE(FileSha256(file.wstring()).has_value());
}

TEST(UpgradeCrypto, AP256SignatureVerifiesOverWhatWasSignedOnly) {
  const TulP256Key key = *ParseP256Key(kKey);
  const TulP256Signature signature = Signature(kSigned + kSignatureLine + "\r\n");
  EXPECT_TRUE(VerifyP256(key, kSigned, signature));
  // Whether the signature line ends with a line break or not changes nothing signed.
  const std::string file = kSigned + kSignatureLine;  // the split points into it
  const std::optional<TulSignedInfo> unbroken = SplitSignedInfo(file);
  ASSERT_TRUE(unbroken.has_value());
  EXPECT_TRUE(VerifyP256(key, unbroken->Signed, unbroken->Signature));
  std::string changed = kSigned;
  changed[10] ^= 1;
  EXPECT_FALSE(VerifyP256(key, changed, signature));
  TulP256Signature broken = signature;
  broken[40] ^= 1;
  EXPECT_FALSE(VerifyP256(key, kSigned, broken));
  TulP256Key other = key;
  other[63] ^= 1;  // no longer a point of the curve: the import fails
  EXPECT_FALSE(VerifyP256(other, kSigned, signature));
  EXPECT_FALSE(VerifyP256(TulP256Key{}, kSigned, signature));
}

}  // namespace
