#include "engine/cef_app_own.h"

#include "engine/cef_application.h"
#include "engine/misc_functions.h"

namespace {

static_assert(sizeof(cef_app_t) == 80, "application structure of the engine");
static_assert(sizeof(cef_browser_process_handler_t) == 80, "browser-process handler structure");

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

// ---- Browser-process handler callbacks ----

void CEF_CALLBACK OnContextInitializedCallback(cef_browser_process_handler_t* self) {
  WithOwner<TCefBrowserProcessHandlerOwn>(
      self, [](TCefBrowserProcessHandlerOwn& handler) { handler.OnContextInitialized(); });
}

void CEF_CALLBACK OnBeforeChildProcessLaunchCallback(cef_browser_process_handler_t* self,
                                                     cef_command_line_t* command_line) {
  const CefRefPtr<ICefCommandLine> commandLine = TCefCommandLineRef::UnWrap(command_line);
  WithOwner<TCefBrowserProcessHandlerOwn>(self, [&](TCefBrowserProcessHandlerOwn& handler) {
    handler.OnBeforeChildProcessLaunch(commandLine);
  });
}

void CEF_CALLBACK OnScheduleMessagePumpWorkCallback(cef_browser_process_handler_t* self,
                                                    int64 delay_ms) {
  WithOwner<TCefBrowserProcessHandlerOwn>(self, [&](TCefBrowserProcessHandlerOwn& handler) {
    handler.OnScheduleMessagePumpWork(delay_ms);
  });
}

// ---- Application callbacks ----

void CEF_CALLBACK OnBeforeCommandLineProcessingCallback(cef_app_t* self,
                                                        const cef_string_t* process_type,
                                                        cef_command_line_t* command_line) {
  const CefRefPtr<ICefCommandLine> commandLine = TCefCommandLineRef::UnWrap(command_line);
  WithOwner<TCefAppOwn>(self, [&](TCefAppOwn& app) {
    app.OnBeforeCommandLineProcessing(CopyEngineString(process_type), commandLine);
  });
}

cef_browser_process_handler_t* CEF_CALLBACK GetBrowserProcessHandlerCallback(cef_app_t* self) {
  return WithOwner<TCefAppOwn>(self, static_cast<cef_browser_process_handler_t*>(nullptr),
                               [](TCefAppOwn& app) {
                                 // +1 for the engine, which releases what a getter returns.
                                 return static_cast<cef_browser_process_handler_t*>(
                                     EngineDataFromInterface(app.GetBrowserProcessHandler()));
                               });
}

}  // namespace

// ---- TCefBrowserProcessHandlerOwn ----

// The render-process-thread and print-handler functions stay absent: the engine then does
// nothing for them, which is what this program wants.
TCefBrowserProcessHandlerOwn::TCefBrowserProcessHandlerOwn() {
  CreateData(sizeof(cef_browser_process_handler_t), false);
  auto* data = Data<cef_browser_process_handler_t>();
  data->on_context_initialized = OnContextInitializedCallback;
  data->on_before_child_process_launch = OnBeforeChildProcessLaunchCallback;
  data->on_schedule_message_pump_work = OnScheduleMessagePumpWorkCallback;
}

// ---- TCefCustomBrowserProcessHandler ----

void TCefCustomBrowserProcessHandler::OnContextInitialized() {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return;
  GuardRoutine(L"TCefCustomBrowserProcessHandler.OnContextInitialized",
               [cefApp] { cefApp->Internal_OnContextInitialized(); });
}

void TCefCustomBrowserProcessHandler::OnBeforeChildProcessLaunch(
    const CefRefPtr<ICefCommandLine>& commandLine) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return;
  GuardRoutine(L"TCefCustomBrowserProcessHandler.OnBeforeChildProcessLaunch",
               [&] { cefApp->Internal_OnBeforeChildProcessLaunch(commandLine); });
}

void TCefCustomBrowserProcessHandler::OnScheduleMessagePumpWork(int64_t delayMs) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return;
  GuardRoutine(L"TCefCustomBrowserProcessHandler.OnScheduleMessagePumpWork",
               [&] { cefApp->Internal_OnScheduleMessagePumpWork(delayMs); });
}

void TCefCustomBrowserProcessHandler::RemoveReferences() { FCefApp.store(nullptr); }

// ---- TCefAppOwn ----

// Custom schemes and the resource-bundle and render-process handlers are not used by this
// program; their functions stay absent until their units exist.
TCefAppOwn::TCefAppOwn() {
  CreateData(sizeof(cef_app_t), false);
  auto* data = Data<cef_app_t>();
  data->on_before_command_line_processing = OnBeforeCommandLineProcessingCallback;
  data->get_browser_process_handler = GetBrowserProcessHandlerCallback;
}

// ---- TCustomCefApp ----

TCustomCefApp::TCustomCefApp(TCefApplication* cefApp) : FCefApp(cefApp) {
  if (cefApp == nullptr) return;
  // The resource-bundle and render-process handlers will be decided here the same way.
  if (cefApp->GetMustCreateBrowserProcessHandler()) {
    FBrowserProcessHandler = MakeRefCounted<TCefCustomBrowserProcessHandler>(cefApp);
  }
}

TCustomCefApp::~TCustomCefApp() { RemoveReferences(); }

void TCustomCefApp::OnBeforeCommandLineProcessing(const ustring& processType,
                                                  const CefRefPtr<ICefCommandLine>& commandLine) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return;
  GuardRoutine(L"TCustomCefApp.OnBeforeCommandLineProcessing",
               [&] { cefApp->Internal_OnBeforeCommandLineProcessing(processType, commandLine); });
}

CefRefPtr<TCefBrowserProcessHandlerOwn> TCustomCefApp::GetBrowserProcessHandler() {
  return FBrowserProcessHandler;
}

void TCustomCefApp::RemoveReferences() {
  FCefApp.store(nullptr);
  if (FBrowserProcessHandler) FBrowserProcessHandler->RemoveReferences();
}
