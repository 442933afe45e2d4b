// The download name rules where Windows differs from the native test build: wchar_t holds UTF-16
// units here, so a character beyond the basic plane takes two.

#include <gtest/gtest.h>

#include <string>

#include "forms/browser_texts.h"

namespace {

TEST(DownloadNameUtf16, ALongNameIsNeverCutBetweenTheHalvesOfACharacter) {
  std::wstring smileys;
  for (int i = 0; i < 130; ++i) smileys += L"\U0001F600";
  ASSERT_EQ(smileys.size(), 260u);
  // 251 units would end on the first half of the 126th smiley.
  EXPECT_EQ(SafeDownloadName(smileys + L".txt"), smileys.substr(0, 250) + L".txt");
  EXPECT_EQ(SafeDownloadName(L"a" + smileys), L"a" + smileys.substr(0, 254));
}

}  // namespace
