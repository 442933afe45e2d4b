// The engine command line of the browser process: composed from the settings, in the engine's
// order, with the Flash plug-in search and the custom switches; sub-processes add nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/application/cef_app_own.h"
#include "engine/application/cef_application.h"
#include "engine/application/engine_switches.h"
#include "engine/core/cef_string.h"
#include "tests/unit/engine_test_support.h"
#include "tests/unit/fake_engine_object.h"

namespace {

namespace fs = std::filesystem;
using Switches = std::vector<std::wstring>;

// Switches appended to the fake command line, as "name" or "name=value".
Switches g_switches;

void CEF_CALLBACK RecordSwitch(cef_command_line_t*, const cef_string_t* name) {
  g_switches.push_back(CopyEngineString(name));
}

void CEF_CALLBACK RecordSwitchWithValue(cef_command_line_t*, const cef_string_t* name,
                                        const cef_string_t* value) {
  g_switches.push_back(CopyEngineString(name) + L"=" + CopyEngineString(value));
}

// What the engine's command-line processing callback appends for `cefApp`, called the way the
// engine calls it (`process_type` empty in the browser process).
Switches EngineCommandLine(TCefApplication& cefApp, const std::wstring& process_type = L"") {
  FakeEngineObject<cef_command_line_t> line;
  line.data.append_switch = RecordSwitch;
  line.data.append_switch_with_value = RecordSwitchWithValue;
  g_switches.clear();
  const CefRefPtr<TCustomCefApp> app = MakeRefCounted<TCustomCefApp>(&cefApp);
  auto* data = static_cast<cef_app_t*>(EngineDataFromInterface(app));
  const cef_string_t type = BorrowEngineString(process_type);
  data->on_before_command_line_processing(data, &type, line.Get());
  data->base.release(&data->base);
  EXPECT_EQ(line.refs, 0) << "the command line's reference is released once";
  return g_switches;
}

// The program's four start settings (the cache makes the GPU shader cache switch go away).
void ApplyProgramSettings(TCefApplication& cefApp) {
  cefApp.SetLogFile(L"debug.log");
  cefApp.SetLogSeverity(2);
  cefApp.SetCache(L"cache");
  cefApp.SetEnablePrintPreview(true);
}

Switches Texts(const std::vector<TEngineSwitch>& switches) {
  Switches texts;
  for (const TEngineSwitch& item : switches) {
    texts.push_back(item.value ? item.name + L"=" + *item.value : item.name);
  }
  return texts;
}

bool Contains(const Switches& switches, const std::wstring& text) {
  return std::find(switches.begin(), switches.end(), text) != switches.end();
}

fs::path FlashFixture() {
  return engine_test::BinDir().parent_path() / L"tests" / L"fixtures" / L"flash-plugin" /
         L"flash_plugin.dll";
}

// ---- Through the application callback object ----

TEST(EngineCommandLine, ProgramSettingsGiveExactlySevenSwitchesInOrder) {
  TCefApplication cefApp(Switches{});
  ApplyProgramSettings(cefApp);
  EXPECT_EQ(EngineCommandLine(cefApp),
            (Switches{L"--enable-accelerated-plugins", L"--enable-system-flash",
                      L"--enable-media-stream=1", L"--enable-speech-input=1", L"--disable-gpu",
                      L"--disable-gpu-compositing", L"--enable-print-preview"}));
}

TEST(EngineCommandLine, EmptyCacheAddsTheShaderCacheSwitch) {
  TCefApplication cefApp(Switches{});
  ApplyProgramSettings(cefApp);
  cefApp.SetCache(L"");
  const Switches switches = EngineCommandLine(cefApp);
  EXPECT_TRUE(Contains(switches, L"--disable-gpu-shader-disk-cache"));
  EXPECT_EQ(switches.size(), 8u);
}

TEST(EngineCommandLine, SubProcessesAddNothing) {
  TCefApplication renderer(Switches{L"--type=renderer"});
  ApplyProgramSettings(renderer);
  EXPECT_TRUE(EngineCommandLine(renderer, L"renderer").empty());
  // The browser process itself adds nothing when the engine names another process type.
  TCefApplication browser(Switches{});
  EXPECT_TRUE(EngineCommandLine(browser, L"gpu-process").empty());
}

TEST(EngineCommandLine, FlashPluginFoundInAnyLetterCaseWins) {
  ASSERT_TRUE(fs::exists(FlashFixture())) << FlashFixture();
  engine_test::TempFolder folder;
  // Searched in folder order: a folder named like a DLL and a DLL of another product come
  // first and are passed over.
  fs::create_directory(folder.path() / L"a-folder.dll");
  fs::copy_file(engine_test::BinDir() / L"chrome_elf.dll", folder.path() / L"another.dll");
  fs::copy_file(FlashFixture(), folder.path() / L"pepflash.dll");
  TCefApplication cefApp(Switches{});
  ApplyProgramSettings(cefApp);
  cefApp.SetCustomFlashPath(folder.path().wstring());  // no trailing separator
  cefApp.SetEnableGPU(true);
  cefApp.SetFlashEnabled(false);  // does not matter once a plug-in is found
  const Switches switches = EngineCommandLine(cefApp);
  ASSERT_GE(switches.size(), 4u);
  EXPECT_EQ(Switches(switches.begin(), switches.begin() + 4),
            (Switches{L"--enable-gpu-plugin", L"--enable-accelerated-plugins",
                      L"--ppapi-flash-path=" + (folder.path() / L"pepflash.dll").wstring(),
                      L"--ppapi-flash-version=32.0.0.303"}));
  EXPECT_FALSE(Contains(switches, L"--enable-system-flash"));
}

TEST(EngineCommandLine, FolderWithoutPluginFallsBackToTheFlashSetting) {
  engine_test::TempFolder folder;
  fs::copy_file(engine_test::BinDir() / L"chrome_elf.dll", folder.path() / L"another.dll");
  TCefApplication cefApp(Switches{});
  ApplyProgramSettings(cefApp);
  cefApp.SetCustomFlashPath(folder.path().wstring() + L"\\");
  EXPECT_EQ(EngineCommandLine(cefApp).at(1), L"--enable-system-flash");
  cefApp.SetCustomFlashPath(L"C:\\no\\such\\folder");
  EXPECT_EQ(EngineCommandLine(cefApp).at(1), L"--enable-system-flash");
}

TEST(EngineCommandLine, CustomSwitchesOnlyFromListsOfEqualLength) {
  TCefApplication cefApp(Switches{});
  ApplyProgramSettings(cefApp);
  cefApp.AddCustomCommandLine(L"--first", L"1");
  cefApp.AddCustomCommandLine(L"", L"skipped");
  cefApp.AddCustomCommandLine(L"--flag");
  Switches switches = EngineCommandLine(cefApp);
  EXPECT_EQ(Switches(switches.end() - 2, switches.end()), (Switches{L"--first=1", L"--flag"}));
  EXPECT_EQ(switches.size(), 9u);
}

// ---- The composition itself ----

TEST(ComposeEngineSwitches, UnequalCustomListsAddNone) {
  TEngineSwitchSettings settings;
  settings.CustomSwitches = {L"--a", L"--b"};
  settings.CustomSwitchValues = {L"1"};
  const Switches without = Texts(ComposeEngineSwitches(TEngineSwitchSettings{}, std::nullopt));
  EXPECT_EQ(Texts(ComposeEngineSwitches(settings, std::nullopt)), without);
}

TEST(ComposeEngineSwitches, GpuOnDropsTheDisableSwitchesAndAddsTheGpuPlugin) {
  TEngineSwitchSettings settings;
  settings.EnableGPU = true;
  settings.DisableGPUCache = false;
  EXPECT_EQ(
      Texts(ComposeEngineSwitches(settings, std::nullopt)),
      (Switches{L"--enable-gpu-plugin", L"--enable-accelerated-plugins", L"--enable-system-flash",
                L"--enable-media-stream=1", L"--enable-speech-input=1"}));
}

TEST(ComposeEngineSwitches, MediaOffStillAddsTheSwitchesWithZero) {
  TEngineSwitchSettings settings;
  settings.FlashEnabled = false;
  settings.EnableMediaStream = false;
  settings.EnableSpeechInput = false;
  settings.DisableGPUCache = false;
  EXPECT_EQ(Texts(ComposeEngineSwitches(settings, std::nullopt)),
            (Switches{L"--enable-media-stream=0", L"--enable-speech-input=0", L"--disable-gpu",
                      L"--disable-gpu-compositing"}));
}

TEST(ComposeEngineSwitches, EveryOtherSettingInItsPlace) {
  TEngineSwitchSettings s;
  s.FlashEnabled = false;
  s.UseFakeUIForMediaStream = true;
  s.EnableGPU = true;
  s.SingleProcess = true;
  s.SmoothScrolling = kSwitchStateDisabled;
  s.TouchEvents = kSwitchStateEnabled;
  s.AutoplayPolicy = appNoUserGestureRequired;
  s.FastUnload = true;
  s.DisableGPUCache = true;
  s.DisableSafeBrowsing = true;
  s.MuteAudio = true;
  s.DisableWebSecurity = true;
  s.DisablePDFExtension = true;
  s.SitePerProcess = true;
  s.DisableExtensions = true;
  s.DisableBackgroundNetworking = true;
  s.MetricsRecordingOnly = true;
  s.AllowFileAccessFromFiles = true;
  s.AllowRunningInsecureContent = true;
  s.EnablePrintPreview = true;
  s.PluginPolicy = PLUGIN_POLICY_SWITCH_BLOCK;
  s.DefaultEncoding = L"GBK";
  s.DisableJavascript = true;
  s.DisableJavascriptCloseWindows = true;
  s.DisableJavascriptAccessClipboard = true;
  s.DisableJavascriptDomPaste = true;
  s.AllowUniversalAccessFromFileUrls = true;
  s.DisableImageLoading = true;
  s.ImageShrinkStandaloneToFit = true;
  s.DisableTextAreaResize = true;
  s.DisableTabToLinks = true;
  s.DisablePlugins = true;
  s.EnableProfanityFilter = true;
  s.DisableSpellChecking = true;
  s.OverrideSpellCheckLang = L"de";
  s.EnableFeatures = L"A";
  s.DisableFeatures = L"B";
  s.EnableBlinkFeatures = L"C";
  s.DisableBlinkFeatures = L"D";
  s.CustomSwitches = {L"--last"};
  s.CustomSwitchValues = {L"x"};
  EXPECT_EQ(Texts(ComposeEngineSwitches(s, std::nullopt)),
            (Switches{L"--enable-media-stream=1",
                      L"--enable-speech-input=1",
                      L"--use-fake-ui-for-media-stream",
                      L"--single-process",
                      L"--disable-smooth-scrolling",
                      L"--touch-events=enabled",
                      L"--autoplay-policy=no-user-gesture-required",
                      L"--enable-fast-unload",
                      L"--disable-gpu-shader-disk-cache",
                      L"--disable-client-side-phishing-detection",
                      L"--safebrowsing-disable-auto-update",
                      L"--safebrowsing-disable-download-protection",
                      L"--mute-audio",
                      L"--disable-web-security",
                      L"--disable-pdf-extension",
                      L"--site-per-process",
                      L"--disable-extensions",
                      L"--disable-background-networking",
                      L"--metrics-recording-only",
                      L"--allow-file-access-from-files",
                      L"--allow-running-insecure-content",
                      L"--enable-print-preview",
                      L"--plugin-policy=block",
                      L"--default-encoding=GBK",
                      L"--disable-javascript",
                      L"--disable-javascript-close-windows",
                      L"--disable-javascript-access-clipboard",
                      L"--disable-javascript-dom-paste",
                      L"--allow-universal-access-from-files",
                      L"--disable-image-loading",
                      L"--image-shrink-standalone-to-fit",
                      L"--disable-text-area-resize",
                      L"--disable-tab-to-links",
                      L"--disable-plugins",
                      L"--enable-profanity-filter",
                      L"--disable-spell-checking",
                      L"--override-spell-check-lang=de",
                      L"--enable-features=A",
                      L"--disable-features=B",
                      L"--enable-blink-features=C",
                      L"--disable-blink-features=D",
                      L"--last=x"}));
}

TEST(ComposeEngineSwitches, ThreeValuedSettingsAndPolicies) {
  TEngineSwitchSettings s;
  s.SmoothScrolling = kSwitchStateEnabled;
  s.TouchEvents = kSwitchStateDisabled;
  s.AutoplayPolicy = appDocumentUserActivationRequired;
  s.PluginPolicy = PLUGIN_POLICY_SWITCH_DETECT;
  const Switches switches = Texts(ComposeEngineSwitches(s, std::nullopt));
  EXPECT_TRUE(Contains(switches, L"--enable-smooth-scrolling"));
  EXPECT_TRUE(Contains(switches, L"--touch-events=disabled"));
  EXPECT_TRUE(Contains(switches, L"--autoplay-policy=document-user-activation-required"));
  EXPECT_TRUE(Contains(switches, L"--plugin-policy=detect"));
  s.AutoplayPolicy = appUserGestureRequired;
  EXPECT_TRUE(Contains(Texts(ComposeEngineSwitches(s, std::nullopt)),
                       L"--autoplay-policy=user-gesture-required"));
}

}  // namespace
