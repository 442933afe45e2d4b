// Version comparison by number, with its fall-back to the text, and by release date.

#include <gtest/gtest.h>

#include "upgrade/controller/ul_version.h"

namespace {

TEST(TulVersionNumber, ComparesFourNumericParts) {
  EXPECT_TRUE(IsNewerVersionNumber(L"1.1.2.10", L"1.1.2.9"));
  EXPECT_FALSE(IsNewerVersionNumber(L"1.1.2.9", L"1.1.2.10"));
  EXPECT_TRUE(IsNewerVersionNumber(L"1.2", L"1.1.9.9"));
  EXPECT_FALSE(IsNewerVersionNumber(L"1.1.2.1", L"1.1.2.1"));
  EXPECT_FALSE(IsNewerVersionNumber(L"1.1.2.1.5", L"1.1.2.1"));
  EXPECT_FALSE(IsNewerVersionNumber(L"1.1.2.0", L"1.1.2"));
  EXPECT_FALSE(IsNewerVersionNumber(L"01.1.2.1", L"1.1.2.1"));
  EXPECT_TRUE(IsNewerVersionNumber(L"2", L"1.9.9.9"));
}

TEST(TulVersionNumber, APartThatIsNoNumberComparesTheWholeTexts) {
  EXPECT_TRUE(IsNewerVersionNumber(L"1.1.2.1b", L"1.1.2.1a"));
  EXPECT_FALSE(IsNewerVersionNumber(L"1.1.2.1a", L"1.1.2.1b"));
  EXPECT_FALSE(IsNewerVersionNumber(L"", L"1.1.2.1"));
  EXPECT_TRUE(IsNewerVersionNumber(L"1.1.2.1", L""));
  // A value cut short by a missing final line break.
  EXPECT_FALSE(IsNewerVersionNumber(L"1.1.2", L"1.1.2.1"));
  EXPECT_FALSE(IsNewerVersionNumber(L"1.1.2.", L"1.1.2.1"));
  // Earlier parts decide before a later one that is no number is reached.
  EXPECT_TRUE(IsNewerVersionNumber(L"1.2.x", L"1.1.2.1"));
  EXPECT_FALSE(IsNewerVersionNumber(L"1.0.x", L"1.1.2.1"));
  // Too large for a number, and signs, fall back to the text as well.
  EXPECT_TRUE(IsNewerVersionNumber(L"1.99999999999", L"1.100000000000"));
  EXPECT_FALSE(IsNewerVersionNumber(L"-1", L"1"));
}

TEST(TulVersionDate, NewerWhenStrictlyLater) {
  const TDateTimeParts today{2026, 12, 9};
  EXPECT_TRUE(IsNewerVersionDate(L"10/21/2026", L"10/04/2026", today));
  EXPECT_FALSE(IsNewerVersionDate(L"10/04/2026", L"10/04/2026", today));
  EXPECT_FALSE(IsNewerVersionDate(L"12/31/2025", L"1/1/2026", today));
  EXPECT_TRUE(IsNewerVersionDate(L"1/1/2027", L"12/31/2026", today));
}

TEST(TulVersionDate, AnUnreadableDateCountsAsToday) {
  const TDateTimeParts today{2026, 12, 9};
  for (const wchar_t* unreadable : {L"", L"soon", L"10/21", L"13/01/2026", L"02/30/2026",
                                    L"10//2026", L"10/21/x", L"1/2/3/4"}) {
    SCOPED_TRACE(testing::Message() << "server date " << unreadable);
    EXPECT_TRUE(IsNewerVersionDate(unreadable, L"12/08/2026", today));
    EXPECT_FALSE(IsNewerVersionDate(unreadable, L"12/09/2026", today));
  }
  EXPECT_TRUE(IsNewerVersionDate(L"12/10/2026", L"never", today));
}

TEST(TulVersionDate, IsWrittenWithSlashesAndLeadingZeros) {
  EXPECT_EQ(VersionDateText({2026, 10, 4}), L"10/04/2026");
  EXPECT_EQ(VersionDateText({987, 1, 2}), L"01/02/0987");
}

}  // namespace
