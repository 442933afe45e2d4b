// TCefApplication: the engine command line composed from the settings in the browser process,
// and the search for the Flash plug-in it may name.

#include <filesystem>
#include <system_error>

#include "engine/application/cef_application.h"
#include "engine/application/engine_switches.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_command_line_ref.h"
#include "engine/support/file_version.h"
#include "engine/support/text_functions.h"

namespace {

bool IsFlashPlugin(const std::wstring& path) {
  std::wstring product;
  return GetStringFileInfo(path, L"ProductName", product) && SameText(product, L"Shockwave Flash");
}

// The first "*.dll" file of `folder` (with its trailing separator) that is the plug-in.
std::optional<std::wstring> FirstFlashPlugin(const std::wstring& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_directory(error) || !SameText(entry.path().extension().wstring(), L".dll")) {
      continue;
    }
    const std::wstring path = folder + entry.path().filename().wstring();
    if (IsFlashPlugin(path)) return path;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> TCefApplication::FindFlashDLL() const {
  if (FCustomFlashPath.empty()) return std::nullopt;
  return GuardRoutine(L"TCefApplication.FindFlashDLL", std::optional<std::wstring>(), [&] {
    return FirstFlashPlugin(IncludeTrailingPathDelimiter(FCustomFlashPath));
  });
}

TEngineSwitchSettings TCefApplication::EngineSwitchSettings() const {
  TEngineSwitchSettings s;
  s.SingleProcess = FSingleProcess;
  s.EnableGPU = FEnableGPU;
  s.FlashEnabled = FFlashEnabled;
  s.EnableMediaStream = FEnableMediaStream;
  s.EnableSpeechInput = FEnableSpeechInput;
  s.UseFakeUIForMediaStream = FUseFakeUIForMediaStream;
  s.SmoothScrolling = FSmoothScrolling;
  s.TouchEvents = FTouchEvents;
  s.AutoplayPolicy = FAutoplayPolicy;
  s.PluginPolicy = FPluginPolicy;
  s.FastUnload = FFastUnload;
  s.DisableGPUCache = FDisableGPUCache;
  s.DisableSafeBrowsing = FDisableSafeBrowsing;
  s.MuteAudio = FMuteAudio;
  s.DisableWebSecurity = FDisableWebSecurity;
  s.DisablePDFExtension = FDisablePDFExtension;
  s.SitePerProcess = FSitePerProcess;
  s.DisableExtensions = FDisableExtensions;
  s.DisableBackgroundNetworking = FDisableBackgroundNetworking;
  s.MetricsRecordingOnly = FMetricsRecordingOnly;
  s.AllowFileAccessFromFiles = FAllowFileAccessFromFiles;
  s.AllowRunningInsecureContent = FAllowRunningInsecureContent;
  s.EnablePrintPreview = FEnablePrintPreview;
  s.DefaultEncoding = FDefaultEncoding;
  s.DisableJavascript = FDisableJavascript;
  s.DisableJavascriptCloseWindows = FDisableJavascriptCloseWindows;
  s.DisableJavascriptAccessClipboard = FDisableJavascriptAccessClipboard;
  s.DisableJavascriptDomPaste = FDisableJavascriptDomPaste;
  s.AllowUniversalAccessFromFileUrls = FAllowUniversalAccessFromFileUrls;
  s.DisableImageLoading = FDisableImageLoading;
  s.ImageShrinkStandaloneToFit = FImageShrinkStandaloneToFit;
  s.DisableTextAreaResize = FDisableTextAreaResize;
  s.DisableTabToLinks = FDisableTabToLinks;
  s.DisablePlugins = FDisablePlugins;
  s.EnableProfanityFilter = FEnableProfanityFilter;
  s.DisableSpellChecking = FDisableSpellChecking;
  s.OverrideSpellCheckLang = FOverrideSpellCheckLang;
  s.EnableFeatures = FEnableFeatures;
  s.DisableFeatures = FDisableFeatures;
  s.EnableBlinkFeatures = FEnableBlinkFeatures;
  s.DisableBlinkFeatures = FDisableBlinkFeatures;
  s.CustomSwitches = FCustomCommandLines;
  s.CustomSwitchValues = FCustomCommandLineValues;
  return s;
}

void TCefApplication::Internal_OnBeforeCommandLineProcessing(const ustring& process_type,
                                                             Ref<ICefCommandLine> command_line) {
  // Sub-processes receive the switches the engine passes on to them; only the browser process
  // composes its own.
  if (!command_line || FProcessType != ptBrowser || !process_type.empty()) return;
  std::optional<TFlashPlugin> flash;
  if (const std::optional<std::wstring> path = FindFlashDLL()) {
    TFileVersionInfo version;
    if (GetDLLVersion(*path, version)) flash = TFlashPlugin{*path, VersionToText(version)};
  }
  for (const TEngineSwitch& item : ComposeEngineSwitches(EngineSwitchSettings(), flash)) {
    if (item.value) {
      command_line->AppendSwitchWithValue(item.name, *item.value);
    } else {
      command_line->AppendSwitch(item.name);
    }
  }
}
