// TCefApplication: construction, settings with setters, information properties and the
// guarded engine services. Start-up is in cef_application_start.cpp, the forwarding operations
// in cef_application_events.cpp, the process and memory figures in cef_application_system.cpp.

#include "engine/application/cef_application.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <float.h>

#include "engine/application/cef_app_own.h"
#include "engine/application/process_role.h"
#include "engine/core/cef_api.h"
#include "engine/core/engine_log.h"
#include "engine/core/exception_policy.h"
#include "engine/support/file_version.h"
#include "engine/support/misc_functions.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"

TCefApplication* GlobalCEFApp = nullptr;

namespace {

// The arguments of this process after the program path.
std::vector<std::wstring> ProcessArguments() {
  std::vector<std::wstring> arguments;
  int count = 0;
  LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
  if (list == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(list[i]);
  LocalFree(list);
  return arguments;
}

}  // namespace

TCefApplication::TCefApplication() : TCefApplication(ProcessArguments()) {}

TCefApplication::TCefApplication(const std::vector<std::wstring>& arguments)
    : FProcessType(ProcessTypeFromArguments(arguments)) {
  SetEngineLogProcessType(FProcessType);
  // A sub-process hands its whole run to the engine and never asks: reading the screen would
  // load the windowing DLLs and connect to the display in every one of them.
  if (FProcessType == ptBrowser) UpdateDeviceScaleFactor();
  FAppSettings.size = sizeof(cef_settings_t);
  if (FProcessType == ptBrowser) ReadChromeVersion();
  // The engine's code expects floating-point exceptions masked (it divides by zero on purpose
  // in places); the runtime's memory manager needs no multi-threading switch in C++.
  _controlfp(_MCW_EM, _MCW_EM);
}

TCefApplication::~TCefApplication() {
  if (FProcessType == ptBrowser) ShutDown();
  FreeLibcefLibrary();
  if (FReRaiseExceptions) SetReRaiseExceptionsPolicy(false);
}

void TCefApplication::SetReRaiseExceptions(bool value) {
  FReRaiseExceptions = value;
  SetReRaiseExceptionsPolicy(value);
}

void TCefApplication::ReadChromeVersion() {
  const ustring path = ChromeElfPath();
  if (!FileExists(path)) return;
  TFileVersionInfo version;
  if (!GetDLLVersion(path, version)) return;
  FChromeVersionInfo[0] = version.MajorVer;
  FChromeVersionInfo[1] = version.MinorVer;
  FChromeVersionInfo[2] = version.Release;
  FChromeVersionInfo[3] = version.Build;
}

// ---- Setters ----

void TCefApplication::SetBrowserSubprocessPath(const ustring& value) {
  FBrowserSubprocessPath = AbsoluteFolderPath(value, false);
}

void TCefApplication::SetFrameworkDirPath(const ustring& value) {
  FFrameworkDirPath = AbsoluteFolderPath(value, true);
  if (FProcessType == ptBrowser) ReadChromeVersion();
}

void TCefApplication::SetCache(const ustring& value) {
  FCache = AbsoluteFolderPath(value, false);
  FDisableGPUCache = FCache.empty();
}

void TCefApplication::SetRootCache(const ustring& value) {
  FRootCache = AbsoluteFolderPath(value, false);
}

void TCefApplication::SetUserDataPath(const ustring& value) {
  FUserDataPath = AbsoluteFolderPath(value, false);
}

void TCefApplication::SetResourcesDirPath(const ustring& value) {
  FResourcesDirPath = AbsoluteFolderPath(value, true);
}

void TCefApplication::SetLocalesDirPath(const ustring& value) {
  FLocalesDirPath = AbsoluteFolderPath(value, true);
}

// ---- Information ----

ustring TCefApplication::LibCefVersion() const {
  return VersionToText({kSupportedLibCefVersion[0], kSupportedLibCefVersion[1],
                        kSupportedLibCefVersion[2], kSupportedLibCefVersion[3]});
}

ustring TCefApplication::ChromeVersion() const {
  return VersionToText(
      {FChromeVersionInfo[0], FChromeVersionInfo[1], FChromeVersionInfo[2], FChromeVersionInfo[3]});
}

ustring TCefApplication::LibCefPath() const {
  return FFrameworkDirPath.empty()
             ? ustring(L"libcef.dll")
             : IncludeTrailingPathDelimiter(FFrameworkDirPath) + L"libcef.dll";
}

ustring TCefApplication::ChromeElfPath() const {
  return FFrameworkDirPath.empty()
             ? ustring(L"chrome_elf.dll")
             : IncludeTrailingPathDelimiter(FFrameworkDirPath) + L"chrome_elf.dll";
}

bool TCefApplication::GlobalContextInitialized() const {
  return FGlobalContextInitialized.load(std::memory_order_acquire) ||
         !GetMustCreateBrowserProcessHandler();
}

// ---- Handler creation rules ----

bool TCefApplication::BrowserProcessEventsSet() const {
  return OnContextInitialized || OnBeforeChildProcessLaunch || OnRenderProcessThreadCreated ||
         OnScheduleMessagePumpWork;
}

bool TCefApplication::ResourceBundleEventsSet() const {
  return OnGetLocalizedString || OnGetDataResource || OnGetDataResourceForScale;
}

bool TCefApplication::RenderProcessEventsSet() const {
  return OnRenderThreadCreated || OnWebKitInitialized || OnBrowserCreated || OnBrowserDestroyed ||
         OnContextCreated || OnContextReleased || OnUncaughtException || OnFocusedNodeChanged ||
         OnProcessMessageReceived;
}

bool TCefApplication::LoadHandlerEventsSet() const {
  return OnLoadingStateChange || OnLoadStart || OnLoadEnd || OnLoadError;
}

bool TCefApplication::GetMustCreateBrowserProcessHandler() const {
  return FSingleProcess || (FProcessType == ptBrowser &&
                            (FMustCreateBrowserProcessHandler || BrowserProcessEventsSet()));
}

bool TCefApplication::GetMustCreateResourceBundleHandler() const {
  return FSingleProcess || ((FProcessType == ptBrowser || FProcessType == ptRenderer) &&
                            (FMustCreateResourceBundleHandler || ResourceBundleEventsSet()));
}

bool TCefApplication::GetMustCreateRenderProcessHandler() const {
  return FSingleProcess ||
         (FProcessType == ptRenderer && (FMustCreateRenderProcessHandler ||
                                         GetMustCreateLoadHandler() || RenderProcessEventsSet()));
}

bool TCefApplication::GetMustCreateLoadHandler() const {
  return FSingleProcess ||
         (FProcessType == ptRenderer && (FMustCreateLoadHandler || LoadHandlerEventsSet()));
}

// ---- Engine services ----

void TCefApplication::SetOsmodalLoop(bool value) {
  GuardRoutine(L"TCefApplication.SetOsmodalLoop", [&] {
    if (FStatus == asInitialized && cef_set_osmodal_loop != nullptr) {
      cef_set_osmodal_loop(value ? 1 : 0);
    }
  });
}

void TCefApplication::DoMessageLoopWork() {
  GuardRoutine(L"TCefApplication.DoMessageLoopWork", [&] {
    if (FLibLoaded && !FMultiThreadedMessageLoop && FExternalMessagePump) {
      cef_do_message_loop_work();
    }
  });
}

void TCefApplication::RunMessageLoop() {
  GuardRoutine(L"TCefApplication.RunMessageLoop", [&] {
    if (FLibLoaded && !FMultiThreadedMessageLoop && !FExternalMessagePump) cef_run_message_loop();
  });
}

void TCefApplication::QuitMessageLoop() {
  GuardRoutine(L"TCefApplication.QuitMessageLoop", [&] {
    if (FLibLoaded && !FMultiThreadedMessageLoop && !FExternalMessagePump) {
      cef_quit_message_loop();
    }
  });
}

void TCefApplication::UpdateDeviceScaleFactor() { FDeviceScaleFactor = ScreenScale(); }

float TCefApplication::DeviceScaleFactor() const {
  if (FDeviceScaleFactor == 0.0f) FDeviceScaleFactor = ScreenScale();
  return FDeviceScaleFactor;
}

void TCefApplication::AddCustomCommandLine(const ustring& command_line, const ustring& value) {
  FCustomCommandLines.push_back(command_line);
  FCustomCommandLineValues.push_back(value);
}
