// The engine's browser-settings record filled from the control's option records: every member in
// the engine's order, texts the engine owns (independent of the options afterwards) and freed
// again through the record's own destructors.

#include <gtest/gtest.h>

#include "browser/chromium_options.h"
#include "tests/unit/loaded_engine.h"

namespace {

std::wstring Text(const cef_string_t& record) {
  return record.str ? std::wstring(record.str, record.length) : std::wstring();
}

TChromiumOptions DistinctOptions() {
  // Neighbouring members get different values, so a shifted member shows.
  TChromiumOptions o;
  o.WindowlessFrameRate = 60;
  TCefState* states[] = {&o.Javascript,
                         &o.JavascriptCloseWindows,
                         &o.JavascriptAccessClipboard,
                         &o.JavascriptDomPaste,
                         &o.Plugins,
                         &o.UniversalAccessFromFileUrls,
                         &o.FileAccessFromFileUrls,
                         &o.WebSecurity,
                         &o.ImageLoading,
                         &o.ImageShrinkStandaloneToFit,
                         &o.TextAreaResize,
                         &o.TabToLinks,
                         &o.LocalStorage,
                         &o.Databases,
                         &o.ApplicationCache,
                         &o.Webgl};
  int i = 0;
  for (TCefState* state : states) *state = static_cast<TCefState>(1 + i++ % 2);
  o.BackgroundColor = 0xFF102030;
  o.AcceptLanguageList = L"zh-CN,en";
  return o;
}

TEST(ChromiumOptions, DefaultsAndTheResetRecord) {
  const TChromiumOptions options;
  EXPECT_EQ(30, options.WindowlessFrameRate);
  EXPECT_EQ(STATE_DEFAULT, options.Webgl);
  EXPECT_EQ(100, TPDFPrintOptions{}.scale_factor);
  TCefBrowserSettings settings{};
  settings.javascript = STATE_ENABLED;
  ResetBrowserSettingsRecord(settings);
  EXPECT_EQ(296u, settings.size);
  EXPECT_EQ(30, settings.windowless_frame_rate);
  EXPECT_EQ(STATE_DEFAULT, settings.javascript);
  EXPECT_EQ(nullptr, settings.default_encoding.str);
}

class ChromiumOptionsWithEngine : public LoadedEngine {};

TEST_F(ChromiumOptionsWithEngine, FillsEveryMemberInTheEnginesOrder) {
  const TChromiumOptions options = DistinctOptions();
  TChromiumFontOptions fonts;
  fonts.StandardFontFamily = L"Standard";
  fonts.FixedFontFamily = L"Fixed";
  fonts.SerifFontFamily = L"Serif";
  fonts.SansSerifFontFamily = L"Sans";
  fonts.CursiveFontFamily = L"Cursive";
  fonts.FantasyFontFamily = L"Fantasy";
  fonts.DefaultFontSize = 16;
  fonts.DefaultFixedFontSize = 13;
  fonts.MinimumFontSize = 9;
  fonts.MinimumLogicalFontSize = 6;
  fonts.RemoteFonts = STATE_DISABLED;
  TCefBrowserSettings settings{};
  ResetBrowserSettingsRecord(settings);
  FillBrowserSettingsRecord(settings, options, fonts, L"GBK");

  EXPECT_EQ(296u, settings.size);
  EXPECT_EQ(60, settings.windowless_frame_rate);
  EXPECT_EQ(L"Standard", Text(settings.standard_font_family));
  EXPECT_EQ(L"Fixed", Text(settings.fixed_font_family));
  EXPECT_EQ(L"Serif", Text(settings.serif_font_family));
  EXPECT_EQ(L"Sans", Text(settings.sans_serif_font_family));
  EXPECT_EQ(L"Cursive", Text(settings.cursive_font_family));
  EXPECT_EQ(L"Fantasy", Text(settings.fantasy_font_family));
  EXPECT_EQ(16, settings.default_font_size);
  EXPECT_EQ(13, settings.default_fixed_font_size);
  EXPECT_EQ(9, settings.minimum_font_size);
  EXPECT_EQ(6, settings.minimum_logical_font_size);
  EXPECT_EQ(L"GBK", Text(settings.default_encoding));
  EXPECT_EQ(STATE_DISABLED, settings.remote_fonts);
  const cef_state_t* first = &settings.javascript;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(1 + i % 2, first[i]) << "member " << i;
  EXPECT_EQ(0xFF102030u, settings.background_color);
  EXPECT_EQ(L"zh-CN,en", Text(settings.accept_language_list));

  // The engine's own copies: nothing points into the options.
  EXPECT_NE(nullptr, settings.accept_language_list.dtor);
  EXPECT_NE(options.AcceptLanguageList.c_str(), settings.accept_language_list.str);
  fonts.StandardFontFamily = L"Changed afterwards";
  EXPECT_EQ(L"Standard", Text(settings.standard_font_family));

  ClearBrowserSettingsTexts(settings);
  EXPECT_EQ(nullptr, settings.standard_font_family.str);
  EXPECT_EQ(nullptr, settings.accept_language_list.dtor);
  EXPECT_EQ(16, settings.default_font_size) << "only the texts go";
}

TEST_F(ChromiumOptionsWithEngine, RefillingReplacesTheTexts) {
  TCefBrowserSettings settings{};
  ResetBrowserSettingsRecord(settings);
  TChromiumFontOptions fonts;
  fonts.SerifFontFamily = L"First";
  FillBrowserSettingsRecord(settings, TChromiumOptions{}, fonts, L"");
  fonts.SerifFontFamily = L"Second";
  FillBrowserSettingsRecord(settings, TChromiumOptions{}, fonts, L"");
  EXPECT_EQ(L"Second", Text(settings.serif_font_family));
  ResetBrowserSettingsRecord(settings);  // frees them too
  EXPECT_EQ(nullptr, settings.serif_font_family.str);
}

}  // namespace
