// The HTTP client's system-free rules: the extra part as sent, the range header, realms, file
// names, progress figures, multipart pieces and the scrambled "LInfo" record.

#include <gtest/gtest.h>

#include <string>

#include "upgrade/http/ul_http_text.h"
#include "upgrade/http/ul_login.h"

namespace {

TEST(EncodeExtraInfo, EscapesWhatAQueryMustNotCarryRaw) {
  EXPECT_EQ(EncodeExtraInfo(L"?q=a b+c"), L"?q=a%20b%2Bc");
  EXPECT_EQ(EncodeExtraInfo(L"?q=\u4E2D"), L"?q=%4E2D");
  EXPECT_EQ(EncodeExtraInfo(L"?a=50%&b=<*>#top"), L"?a=50%25&b=%3C%2A%3E%23top");
  EXPECT_EQ(EncodeExtraInfo(std::wstring(L"?t=\t\x1F", 5)), L"?t=%09%1F");
  EXPECT_EQ(EncodeExtraInfo(L"?e=\u20AC\u00E9"), L"?e=%20AC\u00E9");  // below U+20AC stays
  EXPECT_EQ(EncodeExtraInfo(L"?plain=1&x=y"), L"?plain=1&x=y");
}

TEST(IsHostAndPort, TakesAServerAndNothingMore) {
  for (const wchar_t* server : {L"updates.example.org", L"127.0.0.1:8767", L"mirror-2:443", L"a"})
    EXPECT_TRUE(IsHostAndPort(server)) << server;
  for (const wchar_t* other :
       {L"", L"https://updates.example.org", L"host/path", L"host:", L"host:0", L"host:65536",
        L"host:12a", L"host: 80", L".host", L"host..org", L"ho st", L"host:80:81", L"主机.cn"})
    EXPECT_FALSE(IsHostAndPort(other)) << other;
}

TEST(RangeHeader, LeavesOutAnEndOfZero) {
  EXPECT_EQ(RangeHeader(55904, 0), L"RANGE: bytes=55904-\r\n");
  EXPECT_EQ(RangeHeader(0, 0), L"RANGE: bytes=0-\r\n");
  EXPECT_EQ(RangeHeader(100, 199), L"RANGE: bytes=100-199\r\n");
}

TEST(RealmOf, TakesTheQuotedTextAfterTheFirstEquals) {
  EXPECT_EQ(RealmOf(L"Basic realm=\"Ostrel Area\""), L"Ostrel Area");
  EXPECT_EQ(RealmOf(L"Basic realm=unquoted"), L"Basic realm=unquoted");
  EXPECT_EQ(RealmOf(L"Basic realm=\""), L"");
  EXPECT_EQ(RealmOf(L""), L"");
}

TEST(FileNameOfPath, TakesTheLastComponent) {
  EXPECT_EQ(FileNameOfPath(L"/dir/setup.exe"), L"setup.exe");
  EXPECT_EQ(FileNameOfPath(L"C:\\dir\\x.bin"), L"x.bin");
  EXPECT_EQ(FileNameOfPath(L"/dir/"), L"");
}

TEST(ProgressFigures, CountTheResumedPartAndTheTime) {
  TulProgressFigures figures = ProgressFigures(1000, 250, 0, 5000);
  EXPECT_EQ(figures.PercentsDone, 25);
  EXPECT_EQ(figures.ElapsedTime, 5u);
  EXPECT_EQ(figures.EstimatedTime, 15);
  EXPECT_FLOAT_EQ(figures.TransferRate, 250.0f / 1024 / 5);

  figures = ProgressFigures(500, 500, 500, 999);  // a resumed half: 100 % once the rest is in
  EXPECT_EQ(figures.PercentsDone, 100);
  EXPECT_EQ(figures.ElapsedTime, 0u);
  EXPECT_FLOAT_EQ(figures.TransferRate, 500.0f / 1024);

  figures = ProgressFigures(0, 0, 0, 0);  // nothing known yet: no division by zero
  EXPECT_EQ(figures.PercentsDone, 0);
  EXPECT_EQ(figures.EstimatedTime, 0);
}

TEST(ProgressFigures, AnAbsurdAnnouncedLengthGivesAHugeEstimateNotAnOverflow) {
  const TulProgressFigures figures = ProgressFigures(UINT64_MAX, 1, 0, 65000);
  EXPECT_EQ(figures.PercentsDone, 0);
  EXPECT_EQ(figures.ElapsedTime, 65u);
  EXPECT_GT(figures.EstimatedTime, int64_t{1} << 40);
}

TEST(Multipart, WritesTheFieldHeadsAndTheTail) {
  EXPECT_EQ(MultipartFieldHead(L"B", L"comment", L"", L""),
            "--B\r\nContent-Disposition: form-data; name=\"comment\"\r\n\r\n");
  EXPECT_EQ(MultipartFieldHead(L"B", L"file", L"a.txt", L"text/plain"),
            "--B\r\nContent-Disposition: form-data; name=\"file\"; filename=\"a.txt\"\r\n"
            "Content-Type: text/plain\r\n\r\n");
  EXPECT_EQ(MultipartTail(L"B"), "--B--\r\n");
  EXPECT_EQ(ByteText(L"a\u00E9\u4E2D"), "a\xE9?");
}

TEST(LoginInfo, ScramblesAndReadsBack) {
  TulLoginComponent login;
  login.SetUsername(L"user");
  login.SetPassword(L"pa\u00DF\u4E2D");
  const std::string stored = login.WriteLoginInfo();
  ASSERT_EQ(stored.size(), 2u + 8u + 2u + 8u);
  EXPECT_EQ(stored.find(std::string("u\0s\0e\0r\0", 8)), std::string::npos) << "no plain text";
  EXPECT_EQ(static_cast<uint8_t>(stored[1]), 0) << "only the low byte of a length is scrambled";
  TulLoginComponent read;
  ASSERT_TRUE(read.ReadLoginInfo(stored));
  EXPECT_EQ(read.Username(), L"user");
  EXPECT_EQ(read.Password(), L"pa\u00DF\u4E2D");
}

TEST(LoginInfo, RefusesAMalformedRecordAndKeepsWhatItHad) {
  TulLoginComponent source;
  source.SetUsername(L"someone");
  const std::string stored = source.WriteLoginInfo();
  TulLoginComponent login;
  login.SetUsername(L"kept");
  EXPECT_FALSE(login.ReadLoginInfo(stored.substr(0, stored.size() - 1)));
  EXPECT_FALSE(login.ReadLoginInfo(stored + "x"));
  EXPECT_FALSE(login.ReadLoginInfo(""));
  EXPECT_EQ(login.Username(), L"kept");
}

TEST(HeaderNumber, TakesDecimalDigitsOnly) {
  EXPECT_EQ(HeaderNumber(L"1000"), 1000u);
  EXPECT_EQ(HeaderNumber(L" 0 "), 0u);
  EXPECT_EQ(HeaderNumber(L"18446744073709551615"), UINT64_MAX);
  // What a C library would have read as a number, or as a huge one.
  for (const wchar_t* bad : {L"", L" ", L"-1000", L"+5", L"many", L"12abc", L"0x10", L"1 000",
                             L"18446744073709551616", L"99999999999999999999999"}) {
    EXPECT_EQ(HeaderNumber(bad), std::nullopt) << bad;
  }
}

}  // namespace
