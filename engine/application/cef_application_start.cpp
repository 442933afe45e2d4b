// TCefApplication: the start paths, the engine file checks, loading the library, initialising
// and shutting down the engine.

#include <windows.h>

#include <utility>

#include "engine/application/cef_app_own.h"
#include "engine/application/cef_application.h"
#include "engine/core/cef_api.h"
#include "engine/core/engine_log.h"
#include "engine/core/exception_policy.h"
#include "engine/core/milestones.h"
#include "engine/support/cache_cleanup.h"
#include "engine/support/file_checks.h"
#include "engine/support/file_version.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"

namespace {

const ustring kLine(kLineBreak);

// "Use only the CEF binaries ..." is the wording of the engine files' own readme.
ustring UseOnlyText(const ustring& before_address) {
  return L"Use only the CEF binaries specified in the Corvana Readme.md file at " + before_address +
         kEngineFilesAddress;
}

cef_main_args_t MainArgs() { return cef_main_args_t{GetModuleHandleW(nullptr)}; }

cef_app_t* EngineApp(Ref<TCustomCefApp> app) {
  return static_cast<cef_app_t*>(EngineDataFromInterface(app));
}

}  // namespace

// ---- Start paths ----

bool TCefApplication::StartMainProcess() {
  if (FStatus != asLoading) return false;
  if (!FSingleProcess && !FBrowserSubprocessPath.empty()) return MultiExeProcessing();
  return SharedExeProcessing();
}

bool TCefApplication::SharedExeProcessing() {
  if (!CheckEngineFiles() || !LoadEngineLibrary()) return false;
  // DestroyAppWindows: the program's windowing layer creates no window before this point, so a
  // sub-process has no hidden window to destroy here.
  const CefRefPtr<TCustomCefApp> app = CreateCustomApp();
  if (ExecuteProcess(app) >= 0) return false;
  // The engine answers "browser" (a negative result) for a "--type=" it does not know, an empty
  // one included; such a run is still no browser process and must not start the engine.
  if (FProcessType != ptBrowser) return false;
  return InitializeLibrary(app);
}

bool TCefApplication::MultiExeProcessing() {
  return GuardRoutine(L"TCefApplication.MultiExeProcessing", false, [&] {
    if (FProcessType != ptBrowser) return false;
    if (!CheckEngineFiles() || !LoadEngineLibrary()) return false;
    return InitializeLibrary(CreateCustomApp());
  });
}

bool TCefApplication::StartSubProcess() {
  return GuardRoutine(L"TCefApplication.StartSubProcess", false, [&] {
    if (FProcessType == ptBrowser || FSingleProcess || !LoadEngineLibrary()) return false;
    return ExecuteProcess(CreateCustomApp()) >= 0;
  });
}

CefRefPtr<TCustomCefApp> TCefApplication::CreateCustomApp() {
  ReleaseCustomApp();
  FCustomApp = MakeRefCounted<TCustomCefApp>(this);
  return FCustomApp;
}

void TCefApplication::ReleaseCustomApp() {
  if (!FCustomApp) return;
  FCustomApp->RemoveReferences();
  FCustomApp->WaitForCalls();
  FCustomApp.reset();
}

int32_t TCefApplication::ExecuteProcess(Ref<TCustomCefApp> app) {
  if (!app) return -1;
  try {
    const cef_main_args_t args = MainArgs();
    return cef_execute_process(&args, EngineApp(app), FWindowsSandboxInfo);
  } catch (...) {
    FStatus = asErrorExecutingProcess;
    if (HandleRoutineException(L"TCefApplication.ExecuteProcess")) throw;
    return -1;
  }
}

bool TCefApplication::InitializeLibrary(Ref<TCustomCefApp> app) {
  if (!app) {
    FStatus = asErrorInitializingLibrary;
    return false;
  }
  const bool initialized = GuardRoutine(L"TCefApplication.InitializeLibrary", false, [&] {
    if (FDeleteCache && FDeleteCookies) {
      RenameAndDeleteDir(FCache, false);
    } else if (FDeleteCookies) {
      DeleteCookieFiles(FCache);
    } else if (FDeleteCache) {
      RenameAndDeleteDir(FCache, true);
    }
    RegisterWidevineCDM();
    FillEngineSettings();
    const cef_main_args_t args = MainArgs();
    return cef_initialize(&args, &FAppSettings, EngineApp(app), FWindowsSandboxInfo) != 0;
  });
  FStatus = initialized ? asInitialized : asErrorInitializingLibrary;
  return initialized;
}

void TCefApplication::FillEngineSettings() {
  cef_settings_t& s = FAppSettings;
  s.size = sizeof(cef_settings_t);
  s.no_sandbox = FNoSandbox;
  s.browser_subprocess_path = BorrowEngineString(FBrowserSubprocessPath);
  s.framework_dir_path = BorrowEngineString(FFrameworkDirPath);
  s.main_bundle_path = BorrowEngineString(FMainBundlePath);
  s.multi_threaded_message_loop = FMultiThreadedMessageLoop;
  s.external_message_pump = FExternalMessagePump;
  s.windowless_rendering_enabled = FWindowlessRenderingEnabled;
  s.command_line_args_disabled = FCommandLineArgsDisabled;
  s.cache_path = BorrowEngineString(FCache);
  s.root_cache_path = BorrowEngineString(FRootCache);
  s.user_data_path = BorrowEngineString(FUserDataPath);
  s.persist_session_cookies = FPersistSessionCookies;
  s.persist_user_preferences = FPersistUserPreferences;
  s.user_agent = BorrowEngineString(FUserAgent);
  s.product_version = BorrowEngineString(FProductVersion);
  s.locale = BorrowEngineString(FLocale);
  s.log_file = BorrowEngineString(FLogFile);
  s.log_severity = static_cast<cef_log_severity_t>(FLogSeverity);
  s.javascript_flags = BorrowEngineString(FJavaScriptFlags);
  s.resources_dir_path = BorrowEngineString(FResourcesDirPath);
  s.locales_dir_path = BorrowEngineString(FLocalesDirPath);
  s.pack_loading_disabled = FPackLoadingDisabled;
  s.remote_debugging_port = FRemoteDebuggingPort;
  s.uncaught_exception_stack_size = FUncaughtExceptionStackSize;
  s.ignore_certificate_errors = FIgnoreCertificateErrors;
  s.enable_net_security_expiration = FEnableNetSecurityExpiration;
  s.background_color = FBackgroundColor;
  s.accept_language_list = BorrowEngineString(FAcceptLanguageList);
  s.application_client_id_for_file_scanning = BorrowEngineString(FApplicationClientID);
}

// ---- Engine files ----

bool TCefApplication::CheckEngineFiles() {
  if (!FCheckCEFFiles || FProcessType != ptBrowser) return true;
  const ScopedCurrentDirectory program_folder(FSetCurrentDir, ProgramFolder());
  // Every check runs, so that the message lists everything that is missing at once.
  bool found = CheckSubprocessPath(FBrowserSubprocessPath, FMissingLibFiles);
  found = CheckDLLs(FFrameworkDirPath, FMissingLibFiles) && found;
  found = CheckResources(FResourcesDirPath, FCheckDevToolsResources, !FDisableExtensions,
                         FMissingLibFiles) &&
          found;
  found = CheckLocales(FLocalesDirPath, FLocalesRequired, FMissingLibFiles) && found;
  if (!found) {
    ustring message = L"CEF binaries missing !";
    const ustring list(TrimText(FMissingLibFiles));
    if (!list.empty()) message += kLine + kLine + L"The missing files are :" + kLine + list;
    FailStart(asErrorMissingFiles, message);
    return false;
  }
  return CheckLibraryVersion() && CheckLibraryMachine();
}

bool TCefApplication::CheckLibraryVersion() {
  const ustring path = LibCefPath();
  if (MatchDLLVersion(path, kSupportedLibCefVersion[0], kSupportedLibCefVersion[1],
                      kSupportedLibCefVersion[2], kSupportedLibCefVersion[3])) {
    return true;
  }
  ustring message = L"Unsupported CEF version !" + kLine + kLine + UseOnlyText(L"");
  TFileVersionInfo found;
  if (GetDLLVersion(path, found)) {
    message += kLine + kLine + L"Expected libcef.dll version : " + LibCefVersion() + kLine +
               L"Found libcef.dll version : " + VersionToText(found);
  }
  FailStart(asErrorDLLVersion, message);
  return false;
}

bool TCefApplication::CheckLibraryMachine() {
  uint32_t machine = 0;
  // A header that cannot be read is left for the loader to judge.
  if (!GetDLLHeaderMachine(LibCefPath(), machine)) return true;
  switch (machine) {
    case kImageMachineX86:
      if (RunningUnderWow64()) return true;
      FailStart(asErrorDLLVersion,
                L"Wrong CEF binaries !" + kLine + kLine +
                    L"Use the 32 bit CEF binaries with 32 bits applications only.");
      return false;
    case kImageMachineX64:
      if (!RunningUnderWow64()) return true;
      FailStart(asErrorDLLVersion,
                L"Wrong CEF binaries !" + kLine + kLine +
                    L"Use the 64 bit CEF binaries with 64 bits applications only.");
      return false;
    default:
      FailStart(asErrorDLLVersion, L"Unknown CEF binaries !" + kLine + kLine + UseOnlyText(L""));
      return false;
  }
}

// ---- Library ----

bool TCefApplication::LoadEngineLibrary() {
  if (FStatus != asLoading || FLibLoaded || FLibHandle != nullptr) {
    // A running engine keeps its status, or it would not be shut down at the end.
    FailStart(FStatus == asInitialized ? asInitialized : asErrorLoadingLibrary,
              L"GlobalCEFApp can only be initialized once per process.");
    return false;
  }
  const ScopedCurrentDirectory program_folder(FSetCurrentDir, ProgramFolder());
  FLibHandle = LoadLibraryExW(LibCefPath().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (FLibHandle == nullptr) {
    const DWORD error = GetLastError();
    FailStart(asErrorLoadingLibrary,
              L"Error loading libcef.dll" + kLine + kLine + L"Error code : 0x" + HexText(error, 8));
    return false;
  }
  if (!ResolveEngineEntryPoints(FLibHandle)) {
    // The handle stays held: the library is forgotten (or freed) at the end like a good one.
    FailStart(asErrorDLLVersion, L"Unsupported CEF version !" + kLine + kLine + UseOnlyText(kLine));
    return false;
  }
  MarkMilestone("engine library loaded");
  FStatus = asLoaded;
  FLibLoaded = true;
  SetEngineLibraryLoaded(true);
  if (FLogProcessInfo) EngineLog(L"Process started", kLogInfo);
  if (FEnableHighDPISupport) cef_enable_highdpi_support();
  return true;
}

void TCefApplication::FailStart(TCefAplicationStatus status, const ustring& message) {
  FStatus = status;
  ShowErrorMessage(message);
}

void TCefApplication::ShowErrorMessage(const ustring& message) {
  if (FShowMessageDlg) MessageBoxW(nullptr, message.c_str(), L"Error", MB_ICONERROR | MB_TOPMOST);
}

// ---- End ----

void TCefApplication::ShutDown() {
  GuardRoutine(L"TCefApplication.ShutDown", [&] {
    if (FStatus != asInitialized) return;
    FStatus = asShuttingDown;
    cef_shutdown();
  });
}

void TCefApplication::FreeLibcefLibrary() {
  ReleaseCustomApp();
  GuardRoutine(L"TCefApplication.FreeLibcefLibrary", [&] {
    if (FMustFreeLibrary && FLibHandle != nullptr) {
      FreeLibrary(FLibHandle);
      ClearEngineEntryPoints();
    }
  });
  FLibHandle = nullptr;
  if (std::exchange(FLibLoaded, false)) SetEngineLibraryLoaded(false);
  FStatus = asUnloaded;
}
