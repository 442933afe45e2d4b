#include "browser/chromium_options.h"

#include <array>

namespace {

std::array<cef_string_t*, 8> Texts(TCefBrowserSettings& settings) {
  return {&settings.standard_font_family, &settings.fixed_font_family,
          &settings.serif_font_family,    &settings.sans_serif_font_family,
          &settings.cursive_font_family,  &settings.fantasy_font_family,
          &settings.default_encoding,     &settings.accept_language_list};
}

}  // namespace

void ClearBrowserSettingsTexts(TCefBrowserSettings& settings) {
  // The record's own destructor is the engine's way of freeing what it allocated.
  for (cef_string_t* text : Texts(settings)) {
    if (text->dtor != nullptr && text->str != nullptr) text->dtor(text->str);
    *text = cef_string_t{};
  }
}

void ResetBrowserSettingsRecord(TCefBrowserSettings& settings) {
  ClearBrowserSettingsTexts(settings);
  settings = TCefBrowserSettings{};
  settings.size = sizeof(TCefBrowserSettings);
  settings.windowless_frame_rate = 30;
}

void FillBrowserSettingsRecord(TCefBrowserSettings& settings, const TChromiumOptions& options,
                               const TChromiumFontOptions& fonts, const ustring& defaultEncoding) {
  settings.size = sizeof(TCefBrowserSettings);
  settings.windowless_frame_rate = options.WindowlessFrameRate;
  SetEngineString(&settings.standard_font_family, fonts.StandardFontFamily);
  SetEngineString(&settings.fixed_font_family, fonts.FixedFontFamily);
  SetEngineString(&settings.serif_font_family, fonts.SerifFontFamily);
  SetEngineString(&settings.sans_serif_font_family, fonts.SansSerifFontFamily);
  SetEngineString(&settings.cursive_font_family, fonts.CursiveFontFamily);
  SetEngineString(&settings.fantasy_font_family, fonts.FantasyFontFamily);
  settings.default_font_size = fonts.DefaultFontSize;
  settings.default_fixed_font_size = fonts.DefaultFixedFontSize;
  settings.minimum_font_size = fonts.MinimumFontSize;
  settings.minimum_logical_font_size = fonts.MinimumLogicalFontSize;
  SetEngineString(&settings.default_encoding, defaultEncoding);
  settings.remote_fonts = fonts.RemoteFonts;
  settings.javascript = options.Javascript;
  settings.javascript_close_windows = options.JavascriptCloseWindows;
  settings.javascript_access_clipboard = options.JavascriptAccessClipboard;
  settings.javascript_dom_paste = options.JavascriptDomPaste;
  settings.plugins = options.Plugins;
  settings.universal_access_from_file_urls = options.UniversalAccessFromFileUrls;
  settings.file_access_from_file_urls = options.FileAccessFromFileUrls;
  settings.web_security = options.WebSecurity;
  settings.image_loading = options.ImageLoading;
  settings.image_shrink_standalone_to_fit = options.ImageShrinkStandaloneToFit;
  settings.text_area_resize = options.TextAreaResize;
  settings.tab_to_links = options.TabToLinks;
  settings.local_storage = options.LocalStorage;
  settings.databases = options.Databases;
  settings.application_cache = options.ApplicationCache;
  settings.webgl = options.Webgl;
  settings.background_color = options.BackgroundColor;
  SetEngineString(&settings.accept_language_list, options.AcceptLanguageList);
}
