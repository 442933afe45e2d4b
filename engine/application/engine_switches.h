#ifndef OSTREL_ENGINE_APPLICATION_ENGINE_SWITCHES_H_
#define OSTREL_ENGINE_APPLICATION_ENGINE_SWITCHES_H_

// The engine command line of the browser process, composed from the settings of the engine
// application object. Pure: the settings and the result of the plug-in search come in, the
// ordered switches go out, so the composition can be tested without an engine or a system.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/cef_app_types.h"

// One switch as it is appended to the engine's command line, leading dashes included.
struct TEngineSwitch {
  std::wstring name;
  std::optional<std::wstring> value;  // none: a switch without value

  bool operator==(const TEngineSwitch&) const = default;
};

// The Flash plug-in file found in the plug-in folder, with its file version as text.
struct TFlashPlugin {
  std::wstring path;
  std::wstring version;
};

// The engine's three-valued switch (cef_state_t) without the engine's headers.
inline constexpr int32_t kSwitchStateDefault = 0;
inline constexpr int32_t kSwitchStateEnabled = 1;
inline constexpr int32_t kSwitchStateDisabled = 2;

// The settings the command line depends on, with the application object's defaults.
struct TEngineSwitchSettings {
  bool SingleProcess = false;
  bool EnableGPU = false;
  bool FlashEnabled = true;
  bool EnableMediaStream = true;
  bool EnableSpeechInput = true;
  bool UseFakeUIForMediaStream = false;
  int32_t SmoothScrolling = kSwitchStateDefault;
  int32_t TouchEvents = kSwitchStateDefault;
  TCefAutoplayPolicy AutoplayPolicy = appDefault;
  TCefPluginPolicySwitch PluginPolicy = PLUGIN_POLICY_SWITCH_ALLOW;
  bool FastUnload = false;
  bool DisableGPUCache = true;  // true exactly when no cache folder is set
  bool DisableSafeBrowsing = false;
  bool MuteAudio = false;
  bool DisableWebSecurity = false;
  bool DisablePDFExtension = false;
  bool SitePerProcess = false;
  bool DisableExtensions = false;
  bool DisableBackgroundNetworking = false;
  bool MetricsRecordingOnly = false;
  bool AllowFileAccessFromFiles = false;
  bool AllowRunningInsecureContent = false;
  bool EnablePrintPreview = false;
  std::wstring DefaultEncoding;
  bool DisableJavascript = false;
  bool DisableJavascriptCloseWindows = false;
  bool DisableJavascriptAccessClipboard = false;
  bool DisableJavascriptDomPaste = false;
  bool AllowUniversalAccessFromFileUrls = false;
  bool DisableImageLoading = false;
  bool ImageShrinkStandaloneToFit = false;
  bool DisableTextAreaResize = false;
  bool DisableTabToLinks = false;
  bool DisablePlugins = false;
  bool EnableProfanityFilter = false;
  bool DisableSpellChecking = false;
  std::wstring OverrideSpellCheckLang;
  std::wstring EnableFeatures;
  std::wstring DisableFeatures;
  std::wstring EnableBlinkFeatures;
  std::wstring DisableBlinkFeatures;
  // Added by AddCustomCommandLine: names and values, index by index.
  std::vector<std::wstring> CustomSwitches;
  std::vector<std::wstring> CustomSwitchValues;
};

// The switches in the engine's expected order. `flash` is the plug-in search result (none when
// nothing usable was found); when present, the FlashEnabled setting does not matter. Custom
// switches come last, and only when both lists have the same length.
std::vector<TEngineSwitch> ComposeEngineSwitches(const TEngineSwitchSettings& settings,
                                                 const std::optional<TFlashPlugin>& flash);

#endif  // OSTREL_ENGINE_APPLICATION_ENGINE_SWITCHES_H_
