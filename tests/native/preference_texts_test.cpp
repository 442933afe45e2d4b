// The texts the browser control writes for the engine: zoom arithmetic, WebRTC and proxy
// preference values, and the lines of a saved preferences file.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "browser/preference_texts.h"
#include "browser/zoom_table.h"
#include "engine/support/text_functions.h"

namespace {

TEST(ZoomTable, StepsAndLevelsMeetAtTheEnginesBase) {
  EXPECT_EQ(ZoomStepPercentage(0), 25);
  EXPECT_EQ(ZoomStepPercentage(kZoomStepDefault), 100);
  EXPECT_EQ(ZoomStepPercentage(15), 500);
  EXPECT_EQ(ZoomStepPercentage(16), 100);
  EXPECT_NEAR(ZoomPctToLevel(150), 2.2239, 1e-4);  // log base 1.2 of 1.5
  EXPECT_NEAR(ZoomLevelToPct(ZoomPctToLevel(33)), 33, 1e-9);
  EXPECT_EQ(ZoomLevelToPct(0), 100);
  EXPECT_EQ(ZoomPctToLevel(100), 0);
}

TEST(PreferenceTexts, WebRTCPolicyNamesLeaveTheDefaultUnwritten) {
  EXPECT_EQ(WebRTCPolicyName(hpDefault), L"");
  EXPECT_EQ(WebRTCPolicyName(hpDefaultPublicAndPrivateInterfaces),
            L"default_public_and_private_interfaces");
  EXPECT_EQ(WebRTCPolicyName(hpDefaultPublicInterfaceOnly), L"default_public_interface_only");
  EXPECT_EQ(WebRTCPolicyName(hpDisableNonProxiedUDP), L"disable_non_proxied_udp");
}

TEST(PreferenceTexts, ProxyModesAndServers) {
  EXPECT_EQ(ProxyModeName(0), L"direct");
  EXPECT_EQ(ProxyModeName(1), L"auto_detect");
  EXPECT_EQ(ProxyModeName(2), L"system");
  EXPECT_EQ(ProxyModeName(3), L"fixed_servers");
  EXPECT_EQ(ProxyModeName(4), L"pac_script");
  EXPECT_EQ(ProxyModeName(7), L"direct");
  EXPECT_EQ(ProxyModeName(-1), L"direct");
  EXPECT_EQ(ProxyServerText(psSOCKS5, L"proxy.lan", 1080), L"socks5://proxy.lan:1080");
  EXPECT_EQ(ProxyServerText(psSOCKS4, L"proxy.lan", 1080), L"socks4://proxy.lan:1080");
  EXPECT_EQ(ProxyServerText(psHTTP, L"proxy.lan", 8080), L"proxy.lan:8080");
}

TEST(PreferenceLines, NamesValuesAndUnnamedItems) {
  EXPECT_EQ(PreferenceName(L"", L"k"), L"k");
  EXPECT_EQ(PreferenceName(L"a.b", L"k"), L"a.b.k");
  EXPECT_EQ(PreferenceLine(L"k.m", L"16"), L"k.m : 16");
  EXPECT_EQ(PreferenceLine(L"", L"-null-"), L"-null-");
  EXPECT_EQ(BooleanText(true), L"True");
  EXPECT_EQ(BooleanText(false), L"False");
}

TEST(PreferenceLines, DoublesInShortestGeneralFormWithTheLocaleSeparator) {
  EXPECT_EQ(DoubleText(1.5, L'.'), L"1.5");
  EXPECT_EQ(DoubleText(1.5, L','), L"1,5");
  EXPECT_EQ(DoubleText(2, L'.'), L"2");
  EXPECT_EQ(DoubleText(0.1, L'.'), L"0.1");
  EXPECT_EQ(DoubleText(-0.25, L'.'), L"-0.25");
}

TEST(PreferenceLines, ListsCountTheirItems) {
  EXPECT_EQ(ListText({}), L"(0){}");
  EXPECT_EQ(ListText({L"1", L"x"}), L"(2){1,x}");
}

TEST(PreferenceLines, CommaTextQuotesWhatWouldSplitAndReadsBack) {
  EXPECT_EQ(CommaText({}), L"");
  EXPECT_EQ(CommaText({L"a", L"b"}), L"a,b");
  EXPECT_EQ(CommaText({L"k : 1", L"(2){1,x}", L"say \"hi\"", L""}),
            L"\"k : 1\",\"(2){1,x}\",\"say \"\"hi\"\"\",\"\"");
  const std::vector<std::wstring> items{L"k : 1", L"(2){1,x}", L"say \"hi\"", L"", L"plain"};
  EXPECT_EQ(SplitDelimitedList(CommaText(items)), items);
}

TEST(PreferenceLines, SpellCheckerDictionariesSplitAsCommaText) {
  EXPECT_EQ(SplitDelimitedList(L"en-US,de-DE"), (std::vector<std::wstring>{L"en-US", L"de-DE"}));
}

}  // namespace
