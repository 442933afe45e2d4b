// The message language: which language a Windows language identifier gives, where its rows lie
// in the string table, and the process's base.

#include <gtest/gtest.h>

#include "upgrade/controller/ul_language.h"

namespace {

TEST(TulUplinerLanguageOfLangId, GoesByPrimaryLanguageAndForTwoBySublanguage) {
  EXPECT_EQ(LanguageOfLangId(0x0409), wlEnglish);
  EXPECT_EQ(LanguageOfLangId(0x0809), wlEnglish);
  EXPECT_EQ(LanguageOfLangId(0x0804), wlChineseSimplified);
  EXPECT_EQ(LanguageOfLangId(0x0404), wlChineseTraditional);
  EXPECT_EQ(LanguageOfLangId(0x0C04), wlChineseTraditional);
  EXPECT_EQ(LanguageOfLangId(0x0416), wlPortugueseBrazilian);
  EXPECT_EQ(LanguageOfLangId(0x0816), wlPortuguese);
  EXPECT_EQ(LanguageOfLangId(0x0419), wlRussian);
  EXPECT_EQ(LanguageOfLangId(0x0C0A), wlSpanish);
  EXPECT_EQ(LanguageOfLangId(0x043E), wlMalay);
  EXPECT_EQ(LanguageOfLangId(0x0414), wlNorwegian);
  EXPECT_EQ(LanguageOfLangId(0x041B), wlSlovak);
  EXPECT_EQ(LanguageOfLangId(0x0411), wlEnglish);  // Japanese has no texts
  EXPECT_EQ(LanguageOfLangId(0x0000), wlEnglish);
}

TEST(TulUplinerStringTable, HoldsThreeRowsOfEveryLanguageButNorwegianAndSlovak) {
  EXPECT_EQ(MessageBaseOf(wlAuto), 61000);
  EXPECT_EQ(MessageBaseOf(wlEnglish), 61000);
  EXPECT_EQ(MessageBaseOf(wlRussian), 61050);
  EXPECT_EQ(MessageBaseOf(wlSlovak), 62400);
  EXPECT_EQ(StringTableText(61024),
            L"Newer version not found. You actually are\nusing most recent version of this "
            L"program.");
  EXPECT_EQ(StringTableText(MessageBaseOf(wlChineseSimplified) + 25),
            L"在服务器中无法找到升级的相关信息。");
  EXPECT_EQ(StringTableText(MessageBaseOf(wlChineseTraditional) + 30),
            L"與遠端伺服器的連線中斷.\n\n請重新連線後再進行升級作業.");
  for (int language = wlEnglish; language <= wlSlovak; ++language) {
    const int base = MessageBaseOf(static_cast<TulUplinerLanguage>(language));
    const bool hasRows = language != wlNorwegian && language != wlSlovak;
    SCOPED_TRACE(testing::Message() << "language " << language);
    for (int row : {kRowNoUpdateAvailable, kRowNoInfoFile, kRowConnLost}) {
      EXPECT_EQ(StringTableText(base + row).empty(), !hasRows) << "row " << row;
    }
    // Rows belong to their own language only.
    EXPECT_TRUE(StringTableText(base + 31).empty());
    EXPECT_TRUE(StringTableText(base + 49).empty());
  }
  EXPECT_TRUE(StringTableText(60999).empty());
  EXPECT_TRUE(StringTableText(62450 + kRowNoUpdateAvailable).empty());
  EXPECT_TRUE(StringTableText(-2147483647 - 1).empty());
}

TEST(TulUplinerMessage, ReadsTheRowOfTheProcesssLanguage) {
  EXPECT_EQ(MessageBase(), 61000);
  SetMessageBase(MessageBaseOf(wlChineseSimplified));
  EXPECT_EQ(UplinerMessage(kRowNoUpdateAvailable), L"没有发现新的版本，您目前已经是最新版本。");
  EXPECT_TRUE(UplinerMessage(-1).empty());
  EXPECT_TRUE(UplinerMessage(31).empty());
  SetMessageBase(MessageBaseOf(wlSlovak));
  EXPECT_TRUE(UplinerMessage(kRowConnLost).empty());
  SetMessageBase(MessageBaseOf(wlEnglish));
}

}  // namespace
