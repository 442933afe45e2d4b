#include "engine/application/engine_switches.h"

namespace {

class SwitchList {
 public:
  void Flag(bool condition, const wchar_t* name) {
    if (condition) FSwitches.push_back({name, std::nullopt});
  }
  void Value(const wchar_t* name, const std::wstring& value) { FSwitches.push_back({name, value}); }
  // A text setting becomes a switch only when it holds something.
  void NonEmpty(const wchar_t* name, const std::wstring& value) {
    if (!value.empty()) Value(name, value);
  }
  // An empty name is skipped; an empty value makes a switch without value.
  void Custom(const std::wstring& name, const std::wstring& value) {
    if (name.empty()) return;
    FSwitches.push_back({name, value.empty() ? std::nullopt : std::optional(value)});
  }
  std::vector<TEngineSwitch> Take() { return std::move(FSwitches); }

 private:
  std::vector<TEngineSwitch> FSwitches;
};

const wchar_t* AutoplayPolicyText(TCefAutoplayPolicy policy) {
  switch (policy) {
    case appDocumentUserActivationRequired:
      return L"document-user-activation-required";
    case appNoUserGestureRequired:
      return L"no-user-gesture-required";
    case appUserGestureRequired:
      return L"user-gesture-required";
    case appDefault:
      break;
  }
  return nullptr;
}

const wchar_t* PluginPolicyText(TCefPluginPolicySwitch policy) {
  switch (policy) {
    case PLUGIN_POLICY_SWITCH_DETECT:
      return L"detect";
    case PLUGIN_POLICY_SWITCH_BLOCK:
      return L"block";
    case PLUGIN_POLICY_SWITCH_ALLOW:
      break;
  }
  return nullptr;
}

}  // namespace

std::vector<TEngineSwitch> ComposeEngineSwitches(const TEngineSwitchSettings& s,
                                                 const std::optional<TFlashPlugin>& flash) {
  SwitchList list;
  // A plug-in found in the plug-in folder wins; only without one does FlashEnabled ask the
  // engine for the system's own plug-in.
  if (flash) {
    list.Flag(s.EnableGPU, L"--enable-gpu-plugin");
    list.Flag(true, L"--enable-accelerated-plugins");
    list.Value(L"--ppapi-flash-path", flash->path);
    list.Value(L"--ppapi-flash-version", flash->version);
  } else if (s.FlashEnabled) {
    list.Flag(s.EnableGPU, L"--enable-gpu-plugin");
    list.Flag(true, L"--enable-accelerated-plugins");
    list.Flag(true, L"--enable-system-flash");
  }
  list.Value(L"--enable-media-stream", s.EnableMediaStream ? L"1" : L"0");
  list.Value(L"--enable-speech-input", s.EnableSpeechInput ? L"1" : L"0");
  list.Flag(s.UseFakeUIForMediaStream, L"--use-fake-ui-for-media-stream");
  list.Flag(!s.EnableGPU, L"--disable-gpu");
  list.Flag(!s.EnableGPU, L"--disable-gpu-compositing");
  list.Flag(s.SingleProcess, L"--single-process");
  list.Flag(s.SmoothScrolling == kSwitchStateEnabled, L"--enable-smooth-scrolling");
  list.Flag(s.SmoothScrolling == kSwitchStateDisabled, L"--disable-smooth-scrolling");
  if (s.TouchEvents == kSwitchStateEnabled) list.Value(L"--touch-events", L"enabled");
  if (s.TouchEvents == kSwitchStateDisabled) list.Value(L"--touch-events", L"disabled");
  if (const wchar_t* policy = AutoplayPolicyText(s.AutoplayPolicy)) {
    list.Value(L"--autoplay-policy", policy);
  }
  list.Flag(s.FastUnload, L"--enable-fast-unload");
  list.Flag(s.DisableGPUCache, L"--disable-gpu-shader-disk-cache");
  list.Flag(s.DisableSafeBrowsing, L"--disable-client-side-phishing-detection");
  list.Flag(s.DisableSafeBrowsing, L"--safebrowsing-disable-auto-update");
  list.Flag(s.DisableSafeBrowsing, L"--safebrowsing-disable-download-protection");
  list.Flag(s.MuteAudio, L"--mute-audio");
  list.Flag(s.DisableWebSecurity, L"--disable-web-security");
  list.Flag(s.DisablePDFExtension, L"--disable-pdf-extension");
  list.Flag(s.SitePerProcess, L"--site-per-process");
  list.Flag(s.DisableExtensions, L"--disable-extensions");
  list.Flag(s.DisableBackgroundNetworking, L"--disable-background-networking");
  list.Flag(s.MetricsRecordingOnly, L"--metrics-recording-only");
  list.Flag(s.AllowFileAccessFromFiles, L"--allow-file-access-from-files");
  list.Flag(s.AllowRunningInsecureContent, L"--allow-running-insecure-content");
  list.Flag(s.EnablePrintPreview, L"--enable-print-preview");
  if (const wchar_t* policy = PluginPolicyText(s.PluginPolicy)) {
    list.Value(L"--plugin-policy", policy);
  }
  list.NonEmpty(L"--default-encoding", s.DefaultEncoding);
  list.Flag(s.DisableJavascript, L"--disable-javascript");
  list.Flag(s.DisableJavascriptCloseWindows, L"--disable-javascript-close-windows");
  list.Flag(s.DisableJavascriptAccessClipboard, L"--disable-javascript-access-clipboard");
  list.Flag(s.DisableJavascriptDomPaste, L"--disable-javascript-dom-paste");
  list.Flag(s.AllowUniversalAccessFromFileUrls, L"--allow-universal-access-from-files");
  list.Flag(s.DisableImageLoading, L"--disable-image-loading");
  list.Flag(s.ImageShrinkStandaloneToFit, L"--image-shrink-standalone-to-fit");
  list.Flag(s.DisableTextAreaResize, L"--disable-text-area-resize");
  list.Flag(s.DisableTabToLinks, L"--disable-tab-to-links");
  list.Flag(s.DisablePlugins, L"--disable-plugins");
  list.Flag(s.EnableProfanityFilter, L"--enable-profanity-filter");
  list.Flag(s.DisableSpellChecking, L"--disable-spell-checking");
  list.NonEmpty(L"--override-spell-check-lang", s.OverrideSpellCheckLang);
  list.NonEmpty(L"--enable-features", s.EnableFeatures);
  list.NonEmpty(L"--disable-features", s.DisableFeatures);
  list.NonEmpty(L"--enable-blink-features", s.EnableBlinkFeatures);
  list.NonEmpty(L"--disable-blink-features", s.DisableBlinkFeatures);

  // Lists of different lengths cannot be paired safely: then none of them is used.
  if (s.CustomSwitches.size() == s.CustomSwitchValues.size()) {
    for (size_t i = 0; i < s.CustomSwitches.size(); ++i) {
      list.Custom(s.CustomSwitches[i], s.CustomSwitchValues[i]);
    }
  }
  return list.Take();
}
