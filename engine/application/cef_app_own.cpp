#include "engine/application/cef_app_own.h"

#include "engine/application/cef_application.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_scheme_registrar_ref.h"

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

void CEF_CALLBACK OnRenderProcessThreadCreatedCallback(cef_browser_process_handler_t* self,
                                                       cef_list_value_t* extra_info) {
  const CefRefPtr<ICefListValue> extraInfo = TCefListValueRef::UnWrap(extra_info);
  WithOwner<TCefBrowserProcessHandlerOwn>(self, [&](TCefBrowserProcessHandlerOwn& handler) {
    handler.OnRenderProcessThreadCreated(extraInfo);
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

void CEF_CALLBACK OnRegisterCustomSchemesCallback(cef_app_t* self,
                                                  cef_scheme_registrar_t* registrar) {
  // The registrar is not counted and lives for this call only: it is wrapped on the stack.
  WithOwner<TCefAppOwn>(self, [&](TCefAppOwn& app) {
    GuardRoutine(L"cef_app_on_register_custom_schemes", [&] {
      TCefSchemeRegistrarRef wrapped(registrar);
      app.OnRegisterCustomSchemes(wrapped);
    });
  });
}

// The handler getters hand the engine +1 on the handler (or null); the engine releases it.
template <class S, class Getter>
S* HandlerResult(cef_app_t* self, Getter getter) {
  return WithOwner<TCefAppOwn>(self, static_cast<S*>(nullptr), [&](TCefAppOwn& app) {
    return static_cast<S*>(EngineDataFromInterface((app.*getter)()));
  });
}

cef_resource_bundle_handler_t* CEF_CALLBACK GetResourceBundleHandlerCallback(cef_app_t* self) {
  return HandlerResult<cef_resource_bundle_handler_t>(self, &TCefAppOwn::GetResourceBundleHandler);
}

cef_browser_process_handler_t* CEF_CALLBACK GetBrowserProcessHandlerCallback(cef_app_t* self) {
  return HandlerResult<cef_browser_process_handler_t>(self, &TCefAppOwn::GetBrowserProcessHandler);
}

cef_render_process_handler_t* CEF_CALLBACK GetRenderProcessHandlerCallback(cef_app_t* self) {
  return HandlerResult<cef_render_process_handler_t>(self, &TCefAppOwn::GetRenderProcessHandler);
}

}  // namespace

// ---- TCefBrowserProcessHandlerOwn ----

TCefBrowserProcessHandlerOwn::TCefBrowserProcessHandlerOwn() {
  CreateData(sizeof(cef_browser_process_handler_t), false);
  auto* data = Data<cef_browser_process_handler_t>();
  data->on_context_initialized = OnContextInitializedCallback;
  data->on_before_child_process_launch = OnBeforeChildProcessLaunchCallback;
  data->on_render_process_thread_created = OnRenderProcessThreadCreatedCallback;
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

void TCefCustomBrowserProcessHandler::OnRenderProcessThreadCreated(
    const CefRefPtr<ICefListValue>& extraInfo) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return;
  GuardRoutine(L"TCefCustomBrowserProcessHandler.OnRenderProcessThreadCreated",
               [&] { cefApp->Internal_OnRenderProcessThreadCreated(extraInfo); });
}

void TCefCustomBrowserProcessHandler::OnScheduleMessagePumpWork(int64_t delayMs) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return;
  GuardRoutine(L"TCefCustomBrowserProcessHandler.OnScheduleMessagePumpWork",
               [&] { cefApp->Internal_OnScheduleMessagePumpWork(delayMs); });
}

void TCefCustomBrowserProcessHandler::RemoveReferences() { FCefApp.store(nullptr); }

// ---- TCefAppOwn ----

TCefAppOwn::TCefAppOwn() {
  CreateData(sizeof(cef_app_t), false);
  auto* data = Data<cef_app_t>();
  data->on_before_command_line_processing = OnBeforeCommandLineProcessingCallback;
  data->on_register_custom_schemes = OnRegisterCustomSchemesCallback;
  data->get_resource_bundle_handler = GetResourceBundleHandlerCallback;
  data->get_browser_process_handler = GetBrowserProcessHandlerCallback;
  data->get_render_process_handler = GetRenderProcessHandlerCallback;
}

// ---- TCustomCefApp ----

TCustomCefApp::TCustomCefApp(TCefApplication* cefApp) : FCefApp(cefApp) {
  if (cefApp == nullptr) return;
  if (cefApp->GetMustCreateResourceBundleHandler()) {
    FResourceBundleHandler = MakeRefCounted<TCefCustomResourceBundleHandler>(cefApp);
  }
  if (cefApp->GetMustCreateBrowserProcessHandler()) {
    FBrowserProcessHandler = MakeRefCounted<TCefCustomBrowserProcessHandler>(cefApp);
  }
  if (cefApp->GetMustCreateRenderProcessHandler()) {
    FRenderProcessHandler = MakeRefCounted<TCefCustomRenderProcessHandler>(cefApp);
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

void TCustomCefApp::OnRegisterCustomSchemes(TCefSchemeRegistrarRef& registrar) {
  TCefApplication* cefApp = FCefApp.load();
  if (cefApp == nullptr) return;
  GuardRoutine(L"TCustomCefApp.OnRegisterCustomSchemes",
               [&] { cefApp->Internal_OnRegisterCustomSchemes(&registrar); });
}

CefRefPtr<TCefResourceBundleHandlerOwn> TCustomCefApp::GetResourceBundleHandler() {
  return FResourceBundleHandler;
}

CefRefPtr<TCefBrowserProcessHandlerOwn> TCustomCefApp::GetBrowserProcessHandler() {
  return FBrowserProcessHandler;
}

CefRefPtr<TCefRenderProcessHandlerOwn> TCustomCefApp::GetRenderProcessHandler() {
  return FRenderProcessHandler;
}

void TCustomCefApp::RemoveReferences() {
  FCefApp.store(nullptr);
  if (FResourceBundleHandler) FResourceBundleHandler->RemoveReferences();
  if (FBrowserProcessHandler) FBrowserProcessHandler->RemoveReferences();
  if (FRenderProcessHandler) FRenderProcessHandler->RemoveReferences();
}
