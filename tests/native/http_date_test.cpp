// HTTP dates in their three forms and with zones, and the date-time values behind them.

#include <gtest/gtest.h>

#include <cmath>

#include "upgrade/support/ul_date_time.h"

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  TDateTime value = 0;
  EXPECT_TRUE(EncodeDateTime({year, month, day, hour, minute, second}, value));
  return value;
}

// Equal to the millisecond (values are doubles).
void ExpectSameInstant(TDateTime actual, TDateTime expected) {
  EXPECT_LT(std::fabs(actual - expected), 0.5 / 86400000) << actual << " vs " << expected;
}

TEST(HttpDateToUtc, TheThreeFormsGiveOneInstant) {
  const TDateTime expected = At(1994, 11, 6, 8, 49, 37);
  ExpectSameInstant(HttpDateToUtc(L"Sun, 06 Nov 1994 08:49:37 GMT"), expected);
  ExpectSameInstant(HttpDateToUtc(L"Sunday, 06-Nov-94 08:49:37 GMT"), expected);
  ExpectSameInstant(HttpDateToUtc(L"Sun Nov  6 08:49:37 1994"), expected);
  // Names in any case, blanks around.
  ExpectSameInstant(HttpDateToUtc(L"  sun, 06 NOV 1994 08:49:37 gmt \r\n"), expected);
}

TEST(HttpDateToUtc, ANumericZoneIsTheOffsetFromUtc) {
  const TDateTime gmt = HttpDateToUtc(L"Sun, 06 Nov 1994 08:49:37 GMT");
  ExpectSameInstant(HttpDateToUtc(L"Sun, 06 Nov 1994 08:49:37 +0800"), gmt - 8.0 / 24);
  ExpectSameInstant(HttpDateToUtc(L"Sun, 06 Nov 1994 08:49:37 -0130"), gmt + 1.5 / 24);
  // Across midnight, into the day before.
  ExpectSameInstant(HttpDateToUtc(L"Mon, 07 Nov 1994 02:00:00 +0800"), At(1994, 11, 6, 18));
}

TEST(HttpDateToUtc, TwoDigitYearsFallIntoTheirCentury) {
  ExpectSameInstant(HttpDateToUtc(L"Thursday, 01-Jan-79 00:00:00 GMT"), At(2079, 1, 1));
  ExpectSameInstant(HttpDateToUtc(L"Friday, 01-Jan-80 00:00:00 GMT"), At(1980, 1, 1));
  ExpectSameInstant(HttpDateToUtc(L"Wednesday, 21-Oct-26 10:00:00 GMT"), At(2026, 10, 21, 10));
}

TEST(HttpDateToUtc, ADateWithoutTimeIsMidnight) {
  ExpectSameInstant(HttpDateToUtc(L"06 Nov 1994"), At(1994, 11, 6));
  ExpectSameInstant(HttpDateToUtc(L"Tue, 29 Feb 2028 23:59:59 GMT"), At(2028, 2, 29, 23, 59, 59));
}

TEST(HttpDateToUtc, EmptyOrUnreadableTextGivesZero) {
  EXPECT_EQ(HttpDateToUtc(L""), 0);
  EXPECT_EQ(HttpDateToUtc(L"   "), 0);
  EXPECT_EQ(HttpDateToUtc(L"yesterday"), 0);
  EXPECT_EQ(HttpDateToUtc(L"Sun,"), 0);
  EXPECT_EQ(HttpDateToUtc(L"Sun, 06 Foo 1994 08:49:37 GMT"), 0);  // no such month
  EXPECT_EQ(HttpDateToUtc(L"Sun, 31 Nov 1994 08:49:37 GMT"), 0);  // no such day
  EXPECT_EQ(HttpDateToUtc(L"Sun, 06 Nov 1994 25:49:37 GMT"), 0);  // no such hour
  EXPECT_EQ(HttpDateToUtc(std::wstring(100000, L'9')), 0);
}

TEST(HttpDateToUtc, AZoneThatLeavesTheYearsOfDatesGivesZero) {
  EXPECT_EQ(HttpDateToUtc(L"Fri, 31 Dec 9999 23:59:59 -2359"), 0);
  ExpectSameInstant(HttpDateToUtc(L"Fri, 31 Dec 9999 23:59:59 +2359"), At(9999, 12, 31, 0, 0, 59));
}

TEST(DateTimeValue, EncodesAndDecodesDaysSince1899) {
  EXPECT_EQ(At(1899, 12, 30), 0);
  EXPECT_EQ(At(1900, 1, 1), 2);
  EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6), -1.25);  // the day, then the time of day
  TDateTimeParts parts;
  ASSERT_TRUE(DecodeDateTime(-1.25, parts));
  EXPECT_EQ(parts.Year, 1899);
  EXPECT_EQ(parts.Day, 29);
  EXPECT_EQ(parts.Hour, 6);
  ASSERT_TRUE(DecodeDateTime(At(2026, 10, 4, 23, 59, 59) + 0.999 / 86400, parts));
  EXPECT_EQ(parts.Second, 59);
  EXPECT_EQ(parts.Millisecond, 999);
  EXPECT_FALSE(DecodeDateTime(1e300, parts));
  EXPECT_FALSE(DecodeDateTime(NAN, parts));
  TDateTime value = 5;
  EXPECT_FALSE(EncodeDateTime({2026, 2, 29}, value));
  EXPECT_FALSE(EncodeDateTime({2026, 13, 1}, value));
  EXPECT_EQ(value, 5);
}

}  // namespace
