#ifndef OSTREL_ENGINE_APPLICATION_CEF_APPLICATION_H_
#define OSTREL_ENGINE_APPLICATION_CEF_APPLICATION_H_

// TCefApplication: the one object per process between the program and the engine library. It
// holds the global engine settings, recognises the process role, checks, loads and initialises
// the engine, hands sub-process runs to it, and shuts it down at the end. GlobalCEFApp is the
// one instance (created and destroyed by the program entry).

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/application/cef_app_own.h"
#include "engine/capi/cef_capi.h"
#include "engine/core/cef_app_types.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

struct TEngineSwitchSettings;
class TCefSchemeRegistrarRef;
class ICefBrowser;
class ICefFrame;
class ICefCommandLine;
class ICefListValue;
class ICefDictionaryValue;
class ICefProcessMessage;
// Script-engine objects (context, exception, stack trace, document node): no flow of this
// program looks into them, so they travel as plain counted references, released once.
using ICefScriptObject = ICefBaseRefCounted;

// The one engine runtime version this program works with, and the project page that the
// version messages send the user to.
inline constexpr uint16_t kSupportedLibCefVersion[4] = {77, 1, 18, 0};
inline constexpr const wchar_t* kEngineFilesAddress = L"https://ostrel.example/engine-files";

class TCefApplication {
 public:
  // Event types (all unset in this program; each is called only when set).
  using TOnRegisterCustomSchemes = std::function<void(TCefSchemeRegistrarRef* registrar)>;
  using TOnContextInitialized = std::function<void()>;
  using TOnBeforeChildProcessLaunch = std::function<void(Ref<ICefCommandLine> command_line)>;
  using TOnRenderProcessThreadCreated = std::function<void(Ref<ICefListValue> extra_info)>;
  using TOnScheduleMessagePumpWork = std::function<void(int64_t delay_ms)>;
  using TOnGetLocalizedString =
      std::function<void(int32_t string_id, ustring& string_value, bool& result)>;
  using TOnGetDataResource =
      std::function<void(int32_t resource_id, void*& data, size_t& data_size, bool& result)>;
  using TOnGetDataResourceForScale =
      std::function<void(int32_t resource_id, cef_scale_factor_t scale_factor, void*& data,
                         size_t& data_size, bool& result)>;
  using TOnRenderThreadCreated = std::function<void(Ref<ICefListValue> extra_info)>;
  using TOnWebKitInitialized = std::function<void()>;
  using TOnBrowserCreated =
      std::function<void(Ref<ICefBrowser> browser, Ref<ICefDictionaryValue> extra_info)>;
  using TOnBrowserDestroyed = std::function<void(Ref<ICefBrowser> browser)>;
  using TOnContextCreated = std::function<void(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                               Ref<ICefScriptObject> context)>;
  using TOnContextReleased = TOnContextCreated;
  using TOnUncaughtException = std::function<void(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefScriptObject> context,
      Ref<ICefScriptObject> exception, Ref<ICefScriptObject> stack_trace)>;
  using TOnFocusedNodeChanged = std::function<void(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                   Ref<ICefScriptObject> node)>;
  using TOnProcessMessageReceived = std::function<void(
      Ref<ICefBrowser> browser, Ref<ICefFrame> frame, cef_process_id_t source_process,
      Ref<ICefProcessMessage> message, bool& handled)>;
  using TOnCDMRegistrationComplete =
      std::function<void(cef_cdm_registration_error_t result, const ustring& error_message)>;
  using TOnLoadingStateChange = std::function<void(Ref<ICefBrowser> browser, bool is_loading,
                                                   bool can_go_back, bool can_go_forward)>;
  using TOnLoadStart = std::function<void(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                          cef_transition_type_t transition_type)>;
  using TOnLoadEnd =
      std::function<void(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, int32_t http_status)>;
  using TOnLoadError =
      std::function<void(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, cef_errorcode_t error_code,
                         const ustring& error_text, const ustring& failed_url)>;

  // Recognises the role from this process's command line.
  TCefApplication();
  // Recognises the role from `arguments` (the command-line arguments after the program path).
  explicit TCefApplication(const std::vector<std::wstring>& arguments);
  // Browser process: ShutDown; then, in every process, FreeLibcefLibrary.
  virtual ~TCefApplication();
  TCefApplication(const TCefApplication&) = delete;
  TCefApplication& operator=(const TCefApplication&) = delete;

  // ---- Start (called by the program entry) ----
  // True only in the browser process once the engine is loaded, verified and initialised; false
  // in every sub-process (after the engine has run it) and on every start failure. Only the
  // first call can succeed.
  bool StartMainProcess();
  // For a separate sub-process program (not used by this program).
  bool StartSubProcess();

  // Loads the library and resolves every entry point; false (after one message) on failure.
  virtual bool LoadEngineLibrary();
  // Shows a start-up failure in a topmost error box when ShowMessageDlg is on.
  virtual void ShowErrorMessage(const ustring& message);

  // Browser process: the engine files are present, of the right version and machine type.
  bool CheckEngineFiles();
  // Fills the engine settings record from the properties; its texts borrow the properties'
  // buffers, so they must not change until the engine's initialisation has returned.
  void FillEngineSettings();
  const cef_settings_t& EngineSettings() const { return FAppSettings; }

  // ---- End ----
  void ShutDown();
  void FreeLibcefLibrary();

  // ---- Engine services (each does nothing before the state it needs) ----
  void SetOsmodalLoop(bool value);
  void DoMessageLoopWork();
  void RunMessageLoop();
  void QuitMessageLoop();
  void UpdateDeviceScaleFactor();
  void AddCustomCommandLine(const ustring& command_line, const ustring& value = {});

  // ---- Questions answered for the rest of the program ----
  // True once the engine has reported its global context, or when no browser-process handler
  // is to be created (nobody would report it).
  bool GlobalContextInitialized() const;
  bool GetMustCreateBrowserProcessHandler() const;
  bool GetMustCreateRenderProcessHandler() const;
  bool GetMustCreateResourceBundleHandler() const;
  bool GetMustCreateLoadHandler() const;
  int32_t ChildProcessesCount() const;
  // Working sets of this process and its direct sub-processes, summed in 32 bits (wraps).
  uint32_t UsedMemory() const;
  uint64_t TotalSystemMemory() const;
  uint64_t AvailableSystemMemory() const;
  uint32_t SystemMemoryLoad() const;

  ustring LibCefVersion() const;
  ustring ChromeVersion() const;
  ustring LibCefPath() const;
  ustring ChromeElfPath() const;
  uint16_t ChromeMajorVer() const { return FChromeVersionInfo[0]; }
  uint16_t ChromeMinorVer() const { return FChromeVersionInfo[1]; }
  uint16_t ChromeRelease() const { return FChromeVersionInfo[2]; }
  uint16_t ChromeBuild() const { return FChromeVersionInfo[3]; }

  // ---- State ----
  TCefProcessType ProcessType() const { return FProcessType; }
  TCefAplicationStatus Status() const { return FStatus; }
  bool LibLoaded() const { return FLibLoaded; }
  HMODULE LibHandle() const { return FLibHandle; }
  const ustring& MissingLibFiles() const { return FMissingLibFiles; }
  // Read from the screen at construction in the browser process, at the first call elsewhere.
  float DeviceScaleFactor() const;
  // True exactly when Cache is empty: the engine is then told not to keep a GPU shader cache.
  bool DisableGPUCache() const { return FDisableGPUCache; }
  const std::vector<ustring>& CustomCommandLines() const { return FCustomCommandLines; }
  const std::vector<ustring>& CustomCommandLineValues() const { return FCustomCommandLineValues; }

  // ---- Settings: engine settings record ----
  bool NoSandbox() const { return FNoSandbox; }
  void SetNoSandbox(bool value) { FNoSandbox = value; }
  const ustring& BrowserSubprocessPath() const { return FBrowserSubprocessPath; }
  void SetBrowserSubprocessPath(const ustring& value);
  const ustring& FrameworkDirPath() const { return FFrameworkDirPath; }
  void SetFrameworkDirPath(const ustring& value);
  const ustring& MainBundlePath() const { return FMainBundlePath; }
  void SetMainBundlePath(const ustring& value) { FMainBundlePath = value; }
  bool MultiThreadedMessageLoop() const { return FMultiThreadedMessageLoop; }
  void SetMultiThreadedMessageLoop(bool value) { FMultiThreadedMessageLoop = value; }
  bool ExternalMessagePump() const { return FExternalMessagePump; }
  void SetExternalMessagePump(bool value) { FExternalMessagePump = value; }
  bool WindowlessRenderingEnabled() const { return FWindowlessRenderingEnabled; }
  void SetWindowlessRenderingEnabled(bool value) { FWindowlessRenderingEnabled = value; }
  bool CommandLineArgsDisabled() const { return FCommandLineArgsDisabled; }
  void SetCommandLineArgsDisabled(bool value) { FCommandLineArgsDisabled = value; }
  const ustring& Cache() const { return FCache; }
  void SetCache(const ustring& value);
  const ustring& RootCache() const { return FRootCache; }
  void SetRootCache(const ustring& value);
  const ustring& UserDataPath() const { return FUserDataPath; }
  void SetUserDataPath(const ustring& value);
  bool PersistSessionCookies() const { return FPersistSessionCookies; }
  void SetPersistSessionCookies(bool value) { FPersistSessionCookies = value; }
  bool PersistUserPreferences() const { return FPersistUserPreferences; }
  void SetPersistUserPreferences(bool value) { FPersistUserPreferences = value; }
  const ustring& UserAgent() const { return FUserAgent; }
  void SetUserAgent(const ustring& value) { FUserAgent = value; }
  const ustring& ProductVersion() const { return FProductVersion; }
  void SetProductVersion(const ustring& value) { FProductVersion = value; }
  const ustring& Locale() const { return FLocale; }
  void SetLocale(const ustring& value) { FLocale = value; }
  const ustring& LogFile() const { return FLogFile; }
  void SetLogFile(const ustring& value) { FLogFile = value; }
  uint32_t LogSeverity() const { return FLogSeverity; }
  void SetLogSeverity(uint32_t value) { FLogSeverity = value; }
  const ustring& JavaScriptFlags() const { return FJavaScriptFlags; }
  void SetJavaScriptFlags(const ustring& value) { FJavaScriptFlags = value; }
  const ustring& ResourcesDirPath() const { return FResourcesDirPath; }
  void SetResourcesDirPath(const ustring& value);
  const ustring& LocalesDirPath() const { return FLocalesDirPath; }
  void SetLocalesDirPath(const ustring& value);
  bool PackLoadingDisabled() const { return FPackLoadingDisabled; }
  void SetPackLoadingDisabled(bool value) { FPackLoadingDisabled = value; }
  int32_t RemoteDebuggingPort() const { return FRemoteDebuggingPort; }
  void SetRemoteDebuggingPort(int32_t value) { FRemoteDebuggingPort = value; }
  int32_t UncaughtExceptionStackSize() const { return FUncaughtExceptionStackSize; }
  void SetUncaughtExceptionStackSize(int32_t value) { FUncaughtExceptionStackSize = value; }
  bool IgnoreCertificateErrors() const { return FIgnoreCertificateErrors; }
  void SetIgnoreCertificateErrors(bool value) { FIgnoreCertificateErrors = value; }
  bool EnableNetSecurityExpiration() const { return FEnableNetSecurityExpiration; }
  void SetEnableNetSecurityExpiration(bool value) { FEnableNetSecurityExpiration = value; }
  uint32_t BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(uint32_t value) { FBackgroundColor = value; }
  const ustring& AcceptLanguageList() const { return FAcceptLanguageList; }
  void SetAcceptLanguageList(const ustring& value) { FAcceptLanguageList = value; }
  const ustring& ApplicationClientID() const { return FApplicationClientID; }
  void SetApplicationClientID(const ustring& value) { FApplicationClientID = value; }
  void* WindowsSandboxInfo() const { return FWindowsSandboxInfo; }
  void SetWindowsSandboxInfo(void* value) { FWindowsSandboxInfo = value; }

  // ---- Settings: engine command line ----
  bool SingleProcess() const { return FSingleProcess; }
  void SetSingleProcess(bool value) { FSingleProcess = value; }
  bool EnableGPU() const { return FEnableGPU; }
  void SetEnableGPU(bool value) { FEnableGPU = value; }
  bool FlashEnabled() const { return FFlashEnabled; }
  void SetFlashEnabled(bool value) { FFlashEnabled = value; }
  const ustring& CustomFlashPath() const { return FCustomFlashPath; }
  void SetCustomFlashPath(const ustring& value) { FCustomFlashPath = value; }
  bool EnableMediaStream() const { return FEnableMediaStream; }
  void SetEnableMediaStream(bool value) { FEnableMediaStream = value; }
  bool EnableSpeechInput() const { return FEnableSpeechInput; }
  void SetEnableSpeechInput(bool value) { FEnableSpeechInput = value; }
  bool UseFakeUIForMediaStream() const { return FUseFakeUIForMediaStream; }
  void SetUseFakeUIForMediaStream(bool value) { FUseFakeUIForMediaStream = value; }
  cef_state_t SmoothScrolling() const { return FSmoothScrolling; }
  void SetSmoothScrolling(cef_state_t value) { FSmoothScrolling = value; }
  cef_state_t TouchEvents() const { return FTouchEvents; }
  void SetTouchEvents(cef_state_t value) { FTouchEvents = value; }
  TCefAutoplayPolicy AutoplayPolicy() const { return FAutoplayPolicy; }
  void SetAutoplayPolicy(TCefAutoplayPolicy value) { FAutoplayPolicy = value; }
  TCefPluginPolicySwitch PluginPolicy() const { return FPluginPolicy; }
  void SetPluginPolicy(TCefPluginPolicySwitch value) { FPluginPolicy = value; }
  bool FastUnload() const { return FFastUnload; }
  void SetFastUnload(bool value) { FFastUnload = value; }
  bool DisableSafeBrowsing() const { return FDisableSafeBrowsing; }
  void SetDisableSafeBrowsing(bool value) { FDisableSafeBrowsing = value; }
  bool MuteAudio() const { return FMuteAudio; }
  void SetMuteAudio(bool value) { FMuteAudio = value; }
  bool SitePerProcess() const { return FSitePerProcess; }
  void SetSitePerProcess(bool value) { FSitePerProcess = value; }
  bool DisableWebSecurity() const { return FDisableWebSecurity; }
  void SetDisableWebSecurity(bool value) { FDisableWebSecurity = value; }
  bool DisablePDFExtension() const { return FDisablePDFExtension; }
  void SetDisablePDFExtension(bool value) { FDisablePDFExtension = value; }
  bool DisableExtensions() const { return FDisableExtensions; }
  void SetDisableExtensions(bool value) { FDisableExtensions = value; }
  bool DisableBackgroundNetworking() const { return FDisableBackgroundNetworking; }
  void SetDisableBackgroundNetworking(bool value) { FDisableBackgroundNetworking = value; }
  bool MetricsRecordingOnly() const { return FMetricsRecordingOnly; }
  void SetMetricsRecordingOnly(bool value) { FMetricsRecordingOnly = value; }
  bool AllowFileAccessFromFiles() const { return FAllowFileAccessFromFiles; }
  void SetAllowFileAccessFromFiles(bool value) { FAllowFileAccessFromFiles = value; }
  bool AllowRunningInsecureContent() const { return FAllowRunningInsecureContent; }
  void SetAllowRunningInsecureContent(bool value) { FAllowRunningInsecureContent = value; }
  bool DisableJavascript() const { return FDisableJavascript; }
  void SetDisableJavascript(bool value) { FDisableJavascript = value; }
  bool DisableJavascriptCloseWindows() const { return FDisableJavascriptCloseWindows; }
  void SetDisableJavascriptCloseWindows(bool value) { FDisableJavascriptCloseWindows = value; }
  bool DisableJavascriptAccessClipboard() const { return FDisableJavascriptAccessClipboard; }
  void SetDisableJavascriptAccessClipboard(bool value) {
    FDisableJavascriptAccessClipboard = value;
  }
  bool DisableJavascriptDomPaste() const { return FDisableJavascriptDomPaste; }
  void SetDisableJavascriptDomPaste(bool value) { FDisableJavascriptDomPaste = value; }
  bool AllowUniversalAccessFromFileUrls() const { return FAllowUniversalAccessFromFileUrls; }
  void SetAllowUniversalAccessFromFileUrls(bool value) {
    FAllowUniversalAccessFromFileUrls = value;
  }
  bool DisableImageLoading() const { return FDisableImageLoading; }
  void SetDisableImageLoading(bool value) { FDisableImageLoading = value; }
  bool ImageShrinkStandaloneToFit() const { return FImageShrinkStandaloneToFit; }
  void SetImageShrinkStandaloneToFit(bool value) { FImageShrinkStandaloneToFit = value; }
  bool DisableTextAreaResize() const { return FDisableTextAreaResize; }
  void SetDisableTextAreaResize(bool value) { FDisableTextAreaResize = value; }
  bool DisableTabToLinks() const { return FDisableTabToLinks; }
  void SetDisableTabToLinks(bool value) { FDisableTabToLinks = value; }
  bool DisablePlugins() const { return FDisablePlugins; }
  void SetDisablePlugins(bool value) { FDisablePlugins = value; }
  bool EnableProfanityFilter() const { return FEnableProfanityFilter; }
  void SetEnableProfanityFilter(bool value) { FEnableProfanityFilter = value; }
  bool DisableSpellChecking() const { return FDisableSpellChecking; }
  void SetDisableSpellChecking(bool value) { FDisableSpellChecking = value; }
  bool EnablePrintPreview() const { return FEnablePrintPreview; }
  void SetEnablePrintPreview(bool value) { FEnablePrintPreview = value; }
  const ustring& DefaultEncoding() const { return FDefaultEncoding; }
  void SetDefaultEncoding(const ustring& value) { FDefaultEncoding = value; }
  const ustring& OverrideSpellCheckLang() const { return FOverrideSpellCheckLang; }
  void SetOverrideSpellCheckLang(const ustring& value) { FOverrideSpellCheckLang = value; }
  const ustring& EnableFeatures() const { return FEnableFeatures; }
  void SetEnableFeatures(const ustring& value) { FEnableFeatures = value; }
  const ustring& DisableFeatures() const { return FDisableFeatures; }
  void SetDisableFeatures(const ustring& value) { FDisableFeatures = value; }
  const ustring& EnableBlinkFeatures() const { return FEnableBlinkFeatures; }
  void SetEnableBlinkFeatures(const ustring& value) { FEnableBlinkFeatures = value; }
  const ustring& DisableBlinkFeatures() const { return FDisableBlinkFeatures; }
  void SetDisableBlinkFeatures(const ustring& value) { FDisableBlinkFeatures = value; }

  // ---- Settings: behaviour of this object ----
  bool EnableHighDPISupport() const { return FEnableHighDPISupport; }
  void SetEnableHighDPISupport(bool value) { FEnableHighDPISupport = value; }
  bool DeleteCache() const { return FDeleteCache; }
  void SetDeleteCache(bool value) { FDeleteCache = value; }
  bool DeleteCookies() const { return FDeleteCookies; }
  void SetDeleteCookies(bool value) { FDeleteCookies = value; }
  bool CheckCEFFiles() const { return FCheckCEFFiles; }
  void SetCheckCEFFiles(bool value) { FCheckCEFFiles = value; }
  bool CheckDevToolsResources() const { return FCheckDevToolsResources; }
  void SetCheckDevToolsResources(bool value) { FCheckDevToolsResources = value; }
  const ustring& LocalesRequired() const { return FLocalesRequired; }
  void SetLocalesRequired(const ustring& value) { FLocalesRequired = value; }
  bool ShowMessageDlg() const { return FShowMessageDlg; }
  void SetShowMessageDlg(bool value) { FShowMessageDlg = value; }
  bool SetCurrentDir() const { return FSetCurrentDir; }
  void SetSetCurrentDir(bool value) { FSetCurrentDir = value; }
  bool LogProcessInfo() const { return FLogProcessInfo; }
  void SetLogProcessInfo(bool value) { FLogProcessInfo = value; }
  bool DestroyAppWindows() const { return FDestroyAppWindows; }
  void SetDestroyAppWindows(bool value) { FDestroyAppWindows = value; }
  bool ReRaiseExceptions() const { return FReRaiseExceptions; }
  void SetReRaiseExceptions(bool value);
  const ustring& WidevinePath() const { return FWidevinePath; }
  void SetWidevinePath(const ustring& value) { FWidevinePath = value; }
  bool MustFreeLibrary() const { return FMustFreeLibrary; }
  void SetMustFreeLibrary(bool value) { FMustFreeLibrary = value; }
  bool MustCreateBrowserProcessHandler() const { return FMustCreateBrowserProcessHandler; }
  void SetMustCreateBrowserProcessHandler(bool value) { FMustCreateBrowserProcessHandler = value; }
  bool MustCreateRenderProcessHandler() const { return FMustCreateRenderProcessHandler; }
  void SetMustCreateRenderProcessHandler(bool value) { FMustCreateRenderProcessHandler = value; }
  bool MustCreateResourceBundleHandler() const { return FMustCreateResourceBundleHandler; }
  void SetMustCreateResourceBundleHandler(bool value) { FMustCreateResourceBundleHandler = value; }
  bool MustCreateLoadHandler() const { return FMustCreateLoadHandler; }
  void SetMustCreateLoadHandler(bool value) { FMustCreateLoadHandler = value; }

  // ---- Events ----
  TOnRegisterCustomSchemes OnRegCustomSchemes;
  TOnContextInitialized OnContextInitialized;
  TOnBeforeChildProcessLaunch OnBeforeChildProcessLaunch;
  TOnRenderProcessThreadCreated OnRenderProcessThreadCreated;
  TOnScheduleMessagePumpWork OnScheduleMessagePumpWork;
  TOnGetLocalizedString OnGetLocalizedString;
  TOnGetDataResource OnGetDataResource;
  TOnGetDataResourceForScale OnGetDataResourceForScale;
  TOnRenderThreadCreated OnRenderThreadCreated;
  TOnWebKitInitialized OnWebKitInitialized;
  TOnBrowserCreated OnBrowserCreated;
  TOnBrowserDestroyed OnBrowserDestroyed;
  TOnContextCreated OnContextCreated;
  TOnContextReleased OnContextReleased;
  TOnUncaughtException OnUncaughtException;
  TOnFocusedNodeChanged OnFocusedNodeChanged;
  TOnProcessMessageReceived OnProcessMessageReceived;
  TOnCDMRegistrationComplete OnCDMRegistrationComplete;
  TOnLoadingStateChange OnLoadingStateChange;
  TOnLoadStart OnLoadStart;
  TOnLoadEnd OnLoadEnd;
  TOnLoadError OnLoadError;

  // ---- Forwarding operations for the handler objects (called on engine threads) ----
  void Internal_OnBeforeCommandLineProcessing(const ustring& process_type,
                                              Ref<ICefCommandLine> command_line);
  void Internal_OnRegisterCustomSchemes(TCefSchemeRegistrarRef* registrar);
  void Internal_OnContextInitialized();
  void Internal_OnBeforeChildProcessLaunch(Ref<ICefCommandLine> command_line);
  void Internal_OnRenderProcessThreadCreated(Ref<ICefListValue> extra_info);
  void Internal_OnScheduleMessagePumpWork(int64_t delay_ms);
  bool Internal_GetLocalizedString(int32_t string_id, ustring& string_value);
  bool Internal_GetDataResource(int32_t resource_id, void*& data, size_t& data_size);
  bool Internal_GetDataResourceForScale(int32_t resource_id, cef_scale_factor_t scale_factor,
                                        void*& data, size_t& data_size);
  void Internal_OnRenderThreadCreated(Ref<ICefListValue> extra_info);
  void Internal_OnWebKitInitialized();
  void Internal_OnBrowserCreated(Ref<ICefBrowser> browser, Ref<ICefDictionaryValue> extra_info);
  void Internal_OnBrowserDestroyed(Ref<ICefBrowser> browser);
  void Internal_OnContextCreated(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                 Ref<ICefScriptObject> context);
  void Internal_OnContextReleased(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                  Ref<ICefScriptObject> context);
  void Internal_OnUncaughtException(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                    Ref<ICefScriptObject> context, Ref<ICefScriptObject> exception,
                                    Ref<ICefScriptObject> stack_trace);
  void Internal_OnFocusedNodeChanged(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                     Ref<ICefScriptObject> node);
  void Internal_OnProcessMessageReceived(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                         cef_process_id_t source_process,
                                         Ref<ICefProcessMessage> message, bool& handled);
  void Internal_OnCDMRegistrationComplete(cef_cdm_registration_error_t result,
                                          const ustring& error_message);
  void Internal_OnLoadingStateChange(Ref<ICefBrowser> browser, bool is_loading, bool can_go_back,
                                     bool can_go_forward);
  void Internal_OnLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                            cef_transition_type_t transition_type);
  void Internal_OnLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, int32_t http_status);
  void Internal_OnLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                            cef_errorcode_t error_code, const ustring& error_text,
                            const ustring& failed_url);

 protected:
  bool SharedExeProcessing();
  bool MultiExeProcessing();
  // The engine's process-execution call: negative at once in the browser process; in a
  // sub-process the whole run happens inside it. -1 without an object or on an exception.
  int32_t ExecuteProcess(Ref<TCustomCefApp> app);
  bool InitializeLibrary(Ref<TCustomCefApp> app);
  void RegisterWidevineCDM();

 private:
  void ReadChromeVersion();
  CefRefPtr<TCustomCefApp> CreateCustomApp();
  void ReleaseCustomApp();
  bool CheckLibraryVersion();
  bool CheckLibraryMachine();
  void FailStart(TCefAplicationStatus status, const ustring& message);
  // The plug-in folder's first DLL whose product name is "Shockwave Flash" (any letter case).
  std::optional<std::wstring> FindFlashDLL() const;
  TEngineSwitchSettings EngineSwitchSettings() const;
  // Whether any of the named events is set (the handler creation rules).
  bool BrowserProcessEventsSet() const;
  bool ResourceBundleEventsSet() const;
  bool RenderProcessEventsSet() const;
  bool LoadHandlerEventsSet() const;

  // State
  TCefProcessType FProcessType = ptBrowser;
  TCefAplicationStatus FStatus = asLoading;
  bool FLibLoaded = false;
  HMODULE FLibHandle = nullptr;
  ustring FMissingLibFiles;
  std::atomic<bool> FGlobalContextInitialized{false};
  uint16_t FChromeVersionInfo[4] = {77, 0, 3865, 120};
  mutable float FDeviceScaleFactor = 0.0f;
  cef_settings_t FAppSettings{};
  bool FDisableGPUCache = true;
  std::vector<ustring> FCustomCommandLines;
  std::vector<ustring> FCustomCommandLineValues;
  // The application callback object handed to the engine. Kept so that it can be detached
  // before this object goes away: the engine may still hold it and call it.
  CefRefPtr<TCustomCefApp> FCustomApp;

  // Settings: engine settings record
  bool FNoSandbox = true;
  ustring FBrowserSubprocessPath;
  ustring FFrameworkDirPath;
  ustring FMainBundlePath;
  bool FMultiThreadedMessageLoop = true;
  bool FExternalMessagePump = false;
  bool FWindowlessRenderingEnabled = false;
  bool FCommandLineArgsDisabled = false;
  ustring FCache;
  ustring FRootCache;
  ustring FUserDataPath;
  bool FPersistSessionCookies = false;
  bool FPersistUserPreferences = false;
  ustring FUserAgent;
  ustring FProductVersion;
  ustring FLocale;
  ustring FLogFile;
  uint32_t FLogSeverity = LOGSEVERITY_DISABLE;
  ustring FJavaScriptFlags;
  ustring FResourcesDirPath;
  ustring FLocalesDirPath;
  bool FPackLoadingDisabled = false;
  int32_t FRemoteDebuggingPort = 0;
  int32_t FUncaughtExceptionStackSize = 0;
  bool FIgnoreCertificateErrors = false;
  bool FEnableNetSecurityExpiration = false;
  uint32_t FBackgroundColor = 0;
  ustring FAcceptLanguageList;
  ustring FApplicationClientID;
  void* FWindowsSandboxInfo = nullptr;

  // Settings: engine command line
  bool FSingleProcess = false;
  bool FEnableGPU = false;
  bool FFlashEnabled = true;
  ustring FCustomFlashPath;
  bool FEnableMediaStream = true;
  bool FEnableSpeechInput = true;
  bool FUseFakeUIForMediaStream = false;
  cef_state_t FSmoothScrolling = STATE_DEFAULT;
  cef_state_t FTouchEvents = STATE_DEFAULT;
  TCefAutoplayPolicy FAutoplayPolicy = appDefault;
  TCefPluginPolicySwitch FPluginPolicy = PLUGIN_POLICY_SWITCH_ALLOW;
  bool FFastUnload = false;
  bool FDisableSafeBrowsing = false;
  bool FMuteAudio = false;
  bool FSitePerProcess = false;
  bool FDisableWebSecurity = false;
  bool FDisablePDFExtension = false;
  bool FDisableExtensions = false;
  bool FDisableBackgroundNetworking = false;
  bool FMetricsRecordingOnly = false;
  bool FAllowFileAccessFromFiles = false;
  bool FAllowRunningInsecureContent = false;
  bool FDisableJavascript = false;
  bool FDisableJavascriptCloseWindows = false;
  bool FDisableJavascriptAccessClipboard = false;
  bool FDisableJavascriptDomPaste = false;
  bool FAllowUniversalAccessFromFileUrls = false;
  bool FDisableImageLoading = false;
  bool FImageShrinkStandaloneToFit = false;
  bool FDisableTextAreaResize = false;
  bool FDisableTabToLinks = false;
  bool FDisablePlugins = false;
  bool FEnableProfanityFilter = false;
  bool FDisableSpellChecking = false;
  bool FEnablePrintPreview = false;
  ustring FDefaultEncoding;
  ustring FOverrideSpellCheckLang;
  ustring FEnableFeatures;
  ustring FDisableFeatures;
  ustring FEnableBlinkFeatures;
  ustring FDisableBlinkFeatures;

  // Settings: behaviour of this object
  bool FEnableHighDPISupport = false;
  bool FDeleteCache = false;
  bool FDeleteCookies = false;
  bool FCheckCEFFiles = true;
  bool FCheckDevToolsResources = true;
  ustring FLocalesRequired;
  bool FShowMessageDlg = true;
  bool FSetCurrentDir = false;
  bool FLogProcessInfo = false;
  bool FDestroyAppWindows = true;
  bool FReRaiseExceptions = false;
  ustring FWidevinePath;
  bool FMustFreeLibrary = false;
  bool FMustCreateBrowserProcessHandler = true;
  bool FMustCreateRenderProcessHandler = false;
  bool FMustCreateResourceBundleHandler = false;
  bool FMustCreateLoadHandler = false;
};

// The process's one engine application object; null before the program entry creates it and
// after it has destroyed it.
extern TCefApplication* GlobalCEFApp;

#endif  // OSTREL_ENGINE_APPLICATION_CEF_APPLICATION_H_
