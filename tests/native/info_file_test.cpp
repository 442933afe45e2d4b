// The info file: how keys and values are found, the numbering of the file keys, and the
// decision that an upgrade is offered.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "upgrade/controller/ul_info_file.h"

namespace {

using Texts = std::vector<std::wstring>;

Texts Queue(const std::wstring& text) {
  TulStringList queue;
  queue.Add(L"left over from an earlier check");
  ReadDownloadQueue(TulInfoText(text), queue);
  Texts entries;
  for (int i = 0; i < queue.Count(); ++i) entries.push_back(queue.Strings(i));
  return entries;
}

TEST(TulInfoTextValue, TheLastTwoCharactersNeverBelongToAValue) {
  EXPECT_EQ(TulInfoText(L"#version=1.1.2.2").Value(L"#version"), L"1.1.2");
  EXPECT_EQ(TulInfoText(L"#version=1.1.2.2\r\n").Value(L"#version"), L"1.1.2.2");
  EXPECT_EQ(TulInfoText(L"#version=1\r\n").Value(L"#version"), L"1");
  // A key ending within them has no value; texts shorter than that have none at all.
  EXPECT_EQ(TulInfoText(L"#version=1\n").Value(L"#version"), L"");
  EXPECT_EQ(TulInfoText(L"#version=").Value(L"#version"), L"");
  EXPECT_EQ(TulInfoText(L"").Value(L"#version"), L"");
  EXPECT_EQ(TulInfoText(L"x").Value(L"#version"), L"");
}

TEST(TulInfoTextValue, KeysMatchInAnyCaseAnywhereAndTheFirstWins) {
  const TulInfoText info(
      L"; comment #date=01/01/2000\r\n"
      L"#VERSION=2.0\tbuild 7\r\n"
      L"#Version=3.0\r\n"
      L"#method=21\r\n"
      L"#url=Http://Host/App.EXE\r\n");
  EXPECT_EQ(info.Value(L"#version"), L"2.0");
  EXPECT_EQ(info.Value(L"#date"), L"01/01/2000");
  EXPECT_EQ(info.Value(L"#URL"), L"Http://Host/App.EXE");  // as received, not lower-cased
  EXPECT_EQ(info.Value(L"#message"), L"");
  EXPECT_EQ(ReadUpgradeMethod(info), umRedirectToURL);
}

TEST(TulInfoTextValue, APlainValueEndsAtAnyControlCharacter) {
  EXPECT_EQ(TulInfoText(L"#url=a b\x01x\r\n").Value(L"#url"), L"a b");
  EXPECT_EQ(TulInfoText(L"#url=a=b\rc\r\n").Value(L"#url"), L"a=b");
  EXPECT_EQ(TulInfoText(L"#url=\r\n#url0=b\r\n").Value(L"#url"), L"");
}

TEST(TulInfoTextBracedValue, SpansLinesUpToTheFirstClosingBrace) {
  const TulInfoText info(
      L"#version=2\r\n#MESSAGE={Line one\r\nLine two}\r\n#note={a}b}\r\n#open={no end\r\n");
  EXPECT_EQ(info.BracedValue(L"#message"), L"Line one\r\nLine two");
  EXPECT_EQ(info.BracedValue(L"#note"), L"a");
  EXPECT_EQ(info.BracedValue(L"#open"), L"no end");
  EXPECT_EQ(info.BracedValue(L"#version"), L"");  // a plain key is no braced one
  EXPECT_EQ(TulInfoText(L"#message={}\r\n").BracedValue(L"#message"), L"");
}

TEST(TulInfoFileMethod, OnlyTheFirstCharacterCounts) {
  EXPECT_EQ(ReadUpgradeMethod(TulInfoText(L"#method=1\r\n")), umUseExternalSetup);
  EXPECT_EQ(ReadUpgradeMethod(TulInfoText(L"#method=2x\r\n")), umRedirectToURL);
  EXPECT_EQ(ReadUpgradeMethod(TulInfoText(L"#method=0\r\n")), umSelfUpgrade);
  EXPECT_EQ(ReadUpgradeMethod(TulInfoText(L"#method= 1\r\n")), umSelfUpgrade);
  EXPECT_EQ(ReadUpgradeMethod(TulInfoText(L"")), umSelfUpgrade);
}

TEST(TulInfoFileQueue, NumbersTheFileKeysAfterTheEntriesQueued) {
  EXPECT_EQ(Queue(L"#url0=A\r\n#url1=B\r\n"), (Texts{L"A"}));
  EXPECT_EQ(Queue(L"#url1=A\r\n#url2=B\r\n#url4=C\r\n"), (Texts{L"A", L"B"}));
  EXPECT_EQ(Queue(L"#url=A\r\n#url2=B\r\n#url3=C\r\n"), (Texts{L"A", L"B", L"C"}));
  EXPECT_EQ(Queue(L"#url=A\r\n#url0=B\r\n#url3=C\r\n#url2=D\r\n"), (Texts{L"A", L"B", L"C"}));
  EXPECT_EQ(Queue(L"#url2=A\r\n"), (Texts{}));
  EXPECT_EQ(Queue(L"#url10=J\r\n#url1=A\r\n"), (Texts{L"A"}));
  // The same entry twice is queued once, and the numbering follows the queue.
  EXPECT_EQ(Queue(L"#url=A\r\n#url0=a\r\n#url2=B\r\n"), (Texts{L"A", L"B"}));
  EXPECT_EQ(Queue(L"#url=http://h/a.exe={app}\\a.exe\r\n"),
            (Texts{L"http://h/a.exe={app}\\a.exe"}));
}

TEST(TulInfoFileOffer, NeedsANewerVersionAndAFile) {
  TulLocalVersion local{byNumber, L"1.1.2.1", L"10/04/2026", {2026, 10, 4}};
  TulStringList queue;
  EXPECT_TRUE(OffersUpgrade(TulInfoText(L"#version=1.1.2.2\r\n#url=A\r\n"), local, queue));
  EXPECT_EQ(queue.Count(), 1);
  EXPECT_FALSE(OffersUpgrade(TulInfoText(L"#version=1.1.2.2\r\n"), local, queue));
  EXPECT_EQ(queue.Count(), 0);
  EXPECT_FALSE(OffersUpgrade(TulInfoText(L"#version=1.1.2.1\r\n#url=A\r\n"), local, queue));
  EXPECT_FALSE(OffersUpgrade(TulInfoText(L"#url=A\r\n"), local, queue));
  // By date, "#version" is not read.
  local.Control = byDate;
  EXPECT_TRUE(OffersUpgrade(TulInfoText(L"#date=10/21/2026\r\n#url=A\r\n"), local, queue));
  EXPECT_FALSE(OffersUpgrade(TulInfoText(L"#version=9\r\n#url=A\r\n"), local, queue));
}

}  // namespace
