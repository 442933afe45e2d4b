// The bottom layer's text, path-text and calendar helpers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/text.h"
#include "engine/support/text_functions.h"

namespace {

TEST(PathText, SplitsAtTheLastSeparatorOrDriveColon) {
  EXPECT_EQ(ExtractFilePath(L"C:\\a\\b.txt"), L"C:\\a\\");
  EXPECT_EQ(ExtractFileName(L"C:\\a\\b.txt"), L"b.txt");
  EXPECT_EQ(ExtractFilePath(L"C:/a/b.txt"), L"C:/a/");
  EXPECT_EQ(ExtractFilePath(L"C:b.txt"), L"C:");
  EXPECT_EQ(ExtractFileName(L"C:b.txt"), L"b.txt");
  EXPECT_EQ(ExtractFilePath(L"b.txt"), L"");
  EXPECT_EQ(ExtractFileName(L"b.txt"), L"b.txt");
  EXPECT_EQ(ExtractFileName(L"C:\\a\\"), L"");
  EXPECT_EQ(ExtractFileExt(L"C:\\a.b\\c"), L"");
  EXPECT_EQ(ExtractFileExt(L"C:\\a\\c.tar.gz"), L".gz");
  EXPECT_EQ(ExtractFileExt(L"C:x"), L"");
}

TEST(PathText, TrailingDelimiterAddedAndRemovedOnce) {
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\a"), L"C:\\a\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\a\\"), L"C:\\a\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:/a/"), L"C:/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L""), L"\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(L"C:\\a\\"), L"C:\\a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(L"C:\\a"), L"C:\\a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(L""), L"");
}

TEST(Text, TrimAndCompareIgnoringAsciiCase) {
  EXPECT_EQ(TrimText(L"\r\n \tabc \r\n"), L"abc");
  EXPECT_EQ(TrimText(L"\r\n"), L"");
  EXPECT_EQ(TrimText(L" \t a b \r\n"), L"a b");
  EXPECT_EQ(LowerAscii(L"AbC-Ä"), L"abc-Ä");
  EXPECT_TRUE(SameText(L"--TYPE=", L"--type="));
  EXPECT_FALSE(SameText(L"abc", L"abd"));
  EXPECT_FALSE(SameText(L"abc", L"abcd"));
  EXPECT_FALSE(SameText(L"Ä", L"ä"));  // only A-Z fold
  EXPECT_TRUE(ContainsText(L"C:\\Users\\X\\AppData\\Local\\VirtualStore", L"appdata\\local"));
  EXPECT_TRUE(ContainsText(L"abc", L""));
  EXPECT_FALSE(ContainsText(L"ab", L"abc"));
}

TEST(EngineText, SplitsDelimitedListsAndWritesHex) {
  using List = std::vector<std::wstring>;
  EXPECT_EQ(SplitDelimitedList(L""), List{});
  EXPECT_EQ(SplitDelimitedList(L"a,b c"), (List{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitDelimitedList(L"  a , b  "), (List{L"a", L"b"}));
  EXPECT_EQ(SplitDelimitedList(L"\"x y\",\"p,q\""), (List{L"x y", L"p,q"}));
  EXPECT_EQ(SplitDelimitedList(L"\"say \"\"hi\"\"\""), (List{L"say \"hi\""}));
  EXPECT_EQ(SplitDelimitedList(L"a,,b,"), (List{L"a", L"", L"b", L""}));
  EXPECT_EQ(HexText(0xC1, 8), L"000000C1");
  EXPECT_EQ(HexText(0xDEADBEEF, 8), L"DEADBEEF");
}

TDateTimeParts Decoded(TDateTime value) {
  TDateTimeParts parts;
  EXPECT_TRUE(DecodeDateTime(value, parts)) << value;
  return parts;
}

TEST(DateTime, ALastMillisecondBeforeTheEpochRoundsToTheNextMidnight) {
  // Day -1 (1899-12-29) at a hair before midnight is 1899-12-30 00:00, not 12-28 or 12-29.
  const TDateTimeParts parts = Decoded(-1.0 - (1.0 - 1e-10));
  EXPECT_EQ(parts.Year, 1899);
  EXPECT_EQ(parts.Month, 12);
  EXPECT_EQ(parts.Day, 30);
  EXPECT_EQ(parts.Hour, 0);
  EXPECT_EQ(parts.Millisecond, 0);
  EXPECT_EQ(Decoded(2.0 - 1e-10).Day, 1);  // 1899-12-31 23:59:59.99999 is 1900-01-01
  EXPECT_EQ(Decoded(2.0 - 1e-10).Month, 1);
}

TEST(DateTime, DayOfWeekAndTheYearLimits) {
  EXPECT_EQ(Decoded(0).DayOfWeek, 6);  // 1899-12-30 was a Saturday
  TDateTime value = 0;
  ASSERT_TRUE(EncodeDateTime({2026, 12, 10}, value));
  EXPECT_EQ(Decoded(value).DayOfWeek, 4);
  EXPECT_FALSE(EncodeDateTime({0, 12, 31}, value));
  EXPECT_FALSE(EncodeDateTime({10000, 1, 1}, value));
  ASSERT_TRUE(EncodeDateTime({1, 1, 1}, value));
  EXPECT_EQ(Decoded(value).Year, 1);
}

TEST(DateTime, AddMinutesCrossesTheEpochAndStopsAtTheYearLimits) {
  TDateTime value = 0;
  ASSERT_TRUE(EncodeDateTime({1899, 12, 30, 0, 30}, value));
  ASSERT_TRUE(AddMinutes(value, -60));
  TDateTimeParts parts = Decoded(value);
  EXPECT_EQ(parts.Day, 29);
  EXPECT_EQ(parts.Hour, 23);
  EXPECT_EQ(parts.Minute, 30);
  EXPECT_DOUBLE_EQ(value, -1.0 - 23.5 / 24);
  ASSERT_TRUE(AddMinutes(value, 60 * 24 * 3));
  parts = Decoded(value);
  EXPECT_EQ(parts.Year, 1900);
  EXPECT_EQ(parts.Day, 1);
  EXPECT_EQ(parts.Hour, 23);

  ASSERT_TRUE(EncodeDateTime({9999, 12, 31, 23, 59}, value));
  const TDateTime last = value;
  EXPECT_FALSE(AddMinutes(value, 1));
  EXPECT_EQ(value, last);
}

}  // namespace
