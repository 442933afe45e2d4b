#ifndef OSTREL_BROWSER_CHROMIUM_OPTIONS_H_
#define OSTREL_BROWSER_CHROMIUM_OPTIONS_H_

// The option records of the browser control and the engine's browser-settings record filled
// from them.

#include <cstdint>

#include "browser/preference_texts.h"
#include "engine/capi/cef_capi.h"
#include "engine/core/cef_string.h"

using TCefState = cef_state_t;
using TCefBrowserSettings = cef_browser_settings_t;

// The answer to the engine's close request of a browser.
enum TCefCloseBrowserAction : int32_t {
  cbaClose = 0,   // the engine closes the browser's window now
  cbaDelay = 1,   // the program destroys the window's parent itself; the engine waits for it
  cbaCancel = 2,  // the browser stays open
};

// The members `javascript` through `background_color` of the engine's record, in its order.
struct TChromiumOptions {
  int32_t WindowlessFrameRate = 30;
  TCefState Javascript = STATE_DEFAULT;
  TCefState JavascriptCloseWindows = STATE_DEFAULT;
  TCefState JavascriptAccessClipboard = STATE_DEFAULT;
  TCefState JavascriptDomPaste = STATE_DEFAULT;
  TCefState Plugins = STATE_DEFAULT;
  TCefState UniversalAccessFromFileUrls = STATE_DEFAULT;
  TCefState FileAccessFromFileUrls = STATE_DEFAULT;
  TCefState WebSecurity = STATE_DEFAULT;
  TCefState ImageLoading = STATE_DEFAULT;
  TCefState ImageShrinkStandaloneToFit = STATE_DEFAULT;
  TCefState TextAreaResize = STATE_DEFAULT;
  TCefState TabToLinks = STATE_DEFAULT;
  TCefState LocalStorage = STATE_DEFAULT;
  TCefState Databases = STATE_DEFAULT;
  TCefState ApplicationCache = STATE_DEFAULT;
  TCefState Webgl = STATE_DEFAULT;
  cef_color_t BackgroundColor = 0;
  ustring AcceptLanguageList;
};

struct TChromiumFontOptions {
  ustring StandardFontFamily;
  ustring FixedFontFamily;
  ustring SerifFontFamily;
  ustring SansSerifFontFamily;
  ustring CursiveFontFamily;
  ustring FantasyFontFamily;
  int32_t DefaultFontSize = 0;
  int32_t DefaultFixedFontSize = 0;
  int32_t MinimumFontSize = 0;
  int32_t MinimumLogicalFontSize = 0;
  TCefState RemoteFonts = STATE_DEFAULT;
};

// Page layout of PDF output (the engine's PDF print settings without the header texts).
struct TPDFPrintOptions {
  int32_t page_width = 0;
  int32_t page_height = 0;
  int32_t scale_factor = 100;
  double margin_top = 0;
  double margin_right = 0;
  double margin_bottom = 0;
  double margin_left = 0;
  cef_pdf_print_margin_type_t margin_type = PDF_PRINT_MARGIN_DEFAULT;
  bool header_footer_enabled = false;
  bool selection_only = false;
  bool landscape = false;
  bool backgrounds_enabled = false;
};

// The preferences and proxy settings the control writes into the engine's request context, and
// the custom header it adds to requests.
struct TChromiumPreferences {
  bool DoNotTrack = true;
  bool SendReferrer = true;
  bool HyperlinkAuditing = false;
  bool RunAllFlashInAllowMode = false;
  bool AllowOutdatedPlugins = false;
  bool AlwaysAuthorizePlugins = false;
  bool SpellChecking = true;
  ustring SpellCheckerDicts;  // comma text
  bool SafeSearch = false;
  int32_t YouTubeRestrict = 0;
  bool PrintingEnabled = true;
  int32_t MaxConnectionsPerProxy = 32;  // the engine's own default: never written
  TCefWebRTCHandlingPolicy WebRTCIPHandlingPolicy = hpDefault;
  TCefState WebRTCMultipleRoutes = STATE_DEFAULT;
  TCefState WebRTCNonproxiedUDP = STATE_DEFAULT;
  int32_t ProxyType = 0;
  TCefProxyScheme ProxyScheme = psHTTP;
  ustring ProxyServer;
  int32_t ProxyPort = 80;
  ustring ProxyUsername;
  ustring ProxyPassword;
  ustring ProxyScriptURL;
  ustring ProxyByPassList;
  ustring CustomHeaderName;
  ustring CustomHeaderValue;

  bool AddCustomHeader() const { return !CustomHeaderName.empty() && !CustomHeaderValue.empty(); }
};

// Empty texts, frame rate 30, every other member 0. Texts the record owned are freed first.
void ResetBrowserSettingsRecord(TCefBrowserSettings& settings);

// Fills every member from the option records. The texts become engine-owned copies (the old
// ones are freed): they stay valid whatever happens to the options afterwards, and whoever owns
// the record frees them, the engine for a record it passed in, the program with
// ClearBrowserSettingsTexts for its own. Before the engine library is loaded the texts stay
// empty.
void FillBrowserSettingsRecord(TCefBrowserSettings& settings, const TChromiumOptions& options,
                               const TChromiumFontOptions& fonts, const ustring& defaultEncoding);

// Frees the record's eight texts through their own destructors and leaves them empty.
void ClearBrowserSettingsTexts(TCefBrowserSettings& settings);

#endif  // OSTREL_BROWSER_CHROMIUM_OPTIONS_H_
