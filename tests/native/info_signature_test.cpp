// What vouches for an info file: the signature line at its end, the part it covers, and the
// SHA-256 keys beside the file addresses.

#include <gtest/gtest.h>

#include <string>

#include "upgrade/controller/ul_info_file.h"
#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/support/ul_text.h"

namespace {

// EncodeBase64 breaks its lines after 80 characters; a signature is one line.
std::string Base64(std::string_view bytes) {
  std::string text = EncodeBase64(bytes);
  std::erase(text, '\r');
  std::erase(text, '\n');
  return text;
}

const std::string kBody = "#version=1.1.2.2\r\n#url=https://h/a.exe=OstrelMini.exe\r\n";
// 64 bytes: 0, 1, ..., 63.
const std::string kSignatureBytes = [] {
  std::string bytes;
  for (int i = 0; i < 64; ++i) bytes += static_cast<char>(i);
  return bytes;
}();
const std::string kLine = "#signature=" + Base64(kSignatureBytes);

void ExpectSplit(const std::string& file, const std::string& signedPart) {
  const std::optional<TulSignedInfo> info = SplitSignedInfo(file);
  ASSERT_TRUE(info.has_value()) << testing::PrintToString(file);
  EXPECT_EQ(info->Signed, signedPart);
  EXPECT_EQ(std::string(info->Signature.begin(), info->Signature.end()), kSignatureBytes);
}

TEST(InfoSignature, CoversEveryByteBeforeItsLineWithOrWithoutAFinalLineBreak) {
  ExpectSplit(kBody + kLine + "\r\n", kBody);
  ExpectSplit(kBody + kLine, kBody);
  ExpectSplit(kBody + kLine + "\n", kBody);
  // Line breaks of one kind or the other before it belong to the signed part.
  const std::string unix = "#version=1.1.2.2\n#url=https://h/a.exe\n";
  ExpectSplit(unix + kLine + "\n", unix);
}

TEST(InfoSignature, BlanksAroundTheLineAndEmptyLinesAfterItDoNotCount) {
  ExpectSplit(kBody + "  " + kLine + " \t\r\n", kBody);
  ExpectSplit(kBody + "#signature= " + Base64(kSignatureBytes) + "\r\n", kBody);
  ExpectSplit(kBody + kLine + "\r\n\r\n \r\n", kBody);
  ExpectSplit(kBody + "#SIGNATURE=" + Base64(kSignatureBytes), kBody);
  ExpectSplit(kLine, "");
}

TEST(InfoSignature, IsMissingUnlessTheLastLineIsAWellFormedSignature) {
  EXPECT_FALSE(SplitSignedInfo(kBody).has_value());
  EXPECT_FALSE(SplitSignedInfo("").has_value());
  EXPECT_FALSE(SplitSignedInfo(" \r\n").has_value());
  // Not last: a key after it would not be covered.
  EXPECT_FALSE(SplitSignedInfo(kLine + "\r\n" + kBody).has_value());
  EXPECT_FALSE(SplitSignedInfo(kBody + "#signature=\r\n").has_value());
  // 63 and 65 bytes, a broken alphabet, padding in the middle.
  EXPECT_FALSE(
      SplitSignedInfo(kBody + "#signature=" + Base64(kSignatureBytes.substr(1))).has_value());
  EXPECT_FALSE(SplitSignedInfo(kBody + "#signature=" + Base64(kSignatureBytes + "x")).has_value());
  std::string broken = kLine;
  broken[20] = '*';
  EXPECT_FALSE(SplitSignedInfo(kBody + broken).has_value());
  EXPECT_FALSE(SplitSignedInfo(kBody + "#signature=AA==" + Base64(kSignatureBytes)).has_value());
  EXPECT_FALSE(SplitSignedInfo(kBody + "#sig=" + Base64(kSignatureBytes)).has_value());
}

TEST(InfoSignature, Base64DecodesWhatItEncodes) {
  for (const std::string bytes : {"", "a", "ab", "abc", "abcd", "\xff\x00\x80"}) {
    EXPECT_EQ(DecodeBase64(Base64(bytes)), bytes) << bytes;
  }
  EXPECT_FALSE(DecodeBase64("abc").has_value());
  EXPECT_FALSE(DecodeBase64("a===").has_value());
  EXPECT_FALSE(DecodeBase64("ab c").has_value());
}

// Publishers write line ends either way; only the signed part is read, so its last line loses
// nothing to the rule that a text's last two characters belong to no value.
TEST(InfoSignature, LfAndCrLfFilesYieldTheSameValues) {
  const std::string crlf =
      "#version=1.1.2.2\r\n#url=https://h/a.exe=OstrelMini.exe\r\n#sha256=" + std::string(64, 'a') +
      "\r\n#message={Line one\r\nLine two}\r\n#method=1\r\n";
  std::string lf = crlf;
  std::erase(lf, '\r');
  for (const std::string& body : {crlf, lf}) {
    const std::string file = body + kLine + "\n";
    const std::optional<TulSignedInfo> info = SplitSignedInfo(file);
    ASSERT_TRUE(info.has_value());
    const std::string text = SignedInfoText(info->Signed);
    EXPECT_EQ(text, crlf);
    const TulInfoText read(std::wstring(text.begin(), text.end()));
    EXPECT_EQ(read.Value(L"#method"), L"1");
    EXPECT_EQ(read.BracedValue(L"#message"), L"Line one\r\nLine two");
  }
  EXPECT_EQ(SignedInfoText(""), "");
  EXPECT_EQ(SignedInfoText("\n\r\n\n"), "\r\n\r\n\r\n");
}

TEST(InfoSignature, ABuildTrustsUpToFourKeysSeparatedBySemicolons) {
  const std::wstring a(128, L'a'), b(128, L'B');
  EXPECT_EQ(ParseP256Keys(L"")->size(), 0u);
  const auto two = ParseP256Keys(a + L";" + b);
  ASSERT_TRUE(two.has_value());
  ASSERT_EQ(two->size(), 2u);
  EXPECT_EQ((*two)[0], *ParseP256Key(a));
  EXPECT_EQ((*two)[1], *ParseP256Key(b));
  EXPECT_EQ(ParseP256Keys(a + L";" + a + L";" + a + L";" + b)->size(), 4u);
  // Anything malformed refuses the whole list: a build must not trust fewer keys than it says.
  for (const std::wstring& bad : {a + L";" + a + L";" + a + L";" + a + L";" + b, a + L";", L";" + a,
                                  a + L";;" + b, a + L"; " + b, a.substr(1), a + L"," + b})
    EXPECT_FALSE(ParseP256Keys(bad).has_value()) << testing::PrintToString(bad);
}

TEST(InfoSha256, IsSixtyFourHexDigitsOfEitherCase) {
  const std::wstring lower(L"3ceda0944ec7c455d50255945e47f70b22d34a9ee97b25cfa989f60a51ab9bdf");
  const std::optional<TulSha256> digest = ParseSha256(lower);
  ASSERT_TRUE(digest.has_value());
  EXPECT_EQ((*digest)[0], 0x3c);
  EXPECT_EQ((*digest)[31], 0xdf);
  std::wstring upper = lower;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(towupper(c));
  EXPECT_EQ(ParseSha256(upper), digest);
  EXPECT_FALSE(ParseSha256(lower.substr(2)).has_value());
  EXPECT_FALSE(ParseSha256(lower + L"0").has_value());
  EXPECT_FALSE(ParseSha256(L"g" + lower.substr(1)).has_value());
  EXPECT_FALSE(ParseSha256(L"").has_value());
  EXPECT_EQ(ParseP256Key(lower + lower)->size(), 64u);
}

TEST(InfoSha256, GoesWithTheAddressOfTheSameNumber) {
  const std::wstring a(64, L'a'), b(64, L'b'), c(64, L'c');
  TulStringList queue;
  ReadDownloadQueue(TulInfoText(L"#url=x\r\n#sha256=" + a + L"\r\n#url2=y\r\n#url3=z\r\n#sha2563=" +
                                c + L"\r\n#sha2562=bad\r\n#sha2564=" + b + L"\r\n"),
                    queue);
  ASSERT_EQ(queue.Count(), 3);
  ASSERT_NE(QueuedSha256(queue, 0), nullptr);
  EXPECT_EQ(*QueuedSha256(queue, 0), *ParseSha256(a));
  EXPECT_EQ(QueuedSha256(queue, 1), nullptr) << "malformed";
  ASSERT_NE(QueuedSha256(queue, 2), nullptr);
  EXPECT_EQ(*QueuedSha256(queue, 2), *ParseSha256(c));
  EXPECT_EQ(FirstEntryWithoutSha256(queue), L"y");
}

TEST(InfoSha256, KeysAndTheSignatureLeaveWhatEarlierVersionsReadUnchanged) {
  const std::wstring old =
      L"#version=1.1.2.2\r\n#url=https://h/a.exe=a.exe\r\n#url2=https://h/b\r\n";
  const std::wstring signedText = L"#version=1.1.2.2\r\n#url=https://h/a.exe=a.exe\r\n#sha256=" +
                                  std::wstring(64, L'1') + L"\r\n#url2=https://h/b\r\n#sha2562=" +
                                  std::wstring(64, L'2') + L"\r\n#signature=" +
                                  std::wstring(86, L'A') + L"==\r\n";
  TulStringList before, after;
  ReadDownloadQueue(TulInfoText(old), before);
  ReadDownloadQueue(TulInfoText(signedText), after);
  ASSERT_EQ(after.Count(), before.Count());
  for (int i = 0; i < before.Count(); ++i) EXPECT_EQ(after.Strings(i), before.Strings(i));
  EXPECT_EQ(TulInfoText(signedText).Value(L"#version"), L"1.1.2.2");
  EXPECT_EQ(FirstEntryWithoutSha256(before), L"https://h/a.exe");
}

}  // namespace
