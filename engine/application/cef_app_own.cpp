#include "engine/application/cef_app_own.h"

#include "engine/application/cef_application.h"
#include "engine/core/engine_callback.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_scheme_registrar_ref.h"

// ---- TCefBrowserProcessHandlerOwn ----

TCefBrowserProcessHandlerOwn::TCefBrowserProcessHandlerOwn() {
  auto* data = CreateData<cef_browser_process_handler_t>();
  BindCallback<&TCefBrowserProcessHandlerOwn::OnContextInitialized>(data->on_context_initialized);
  BindCallback<&TCefBrowserProcessHandlerOwn::OnBeforeChildProcessLaunch>(
      data->on_before_child_process_launch);
  BindCallback<&TCefBrowserProcessHandlerOwn::OnRenderProcessThreadCreated>(
      data->on_render_process_thread_created);
  BindCallback<&TCefBrowserProcessHandlerOwn::OnScheduleMessagePumpWork>(
      data->on_schedule_message_pump_work);
}

// ---- TCefCustomBrowserProcessHandler ----

void TCefCustomBrowserProcessHandler::OnContextInitialized() {
  FCefApp->ForwardGuarded(L"TCefCustomBrowserProcessHandler.OnContextInitialized",
                          [&](TCefApplication& cefApp) { cefApp.Internal_OnContextInitialized(); });
}

void TCefCustomBrowserProcessHandler::OnBeforeChildProcessLaunch(Ref<ICefCommandLine> commandLine) {
  FCefApp->ForwardGuarded(
      L"TCefCustomBrowserProcessHandler.OnBeforeChildProcessLaunch",
      [&](TCefApplication& cefApp) { cefApp.Internal_OnBeforeChildProcessLaunch(commandLine); });
}

void TCefCustomBrowserProcessHandler::OnRenderProcessThreadCreated(Ref<ICefListValue> extraInfo) {
  FCefApp->ForwardGuarded(
      L"TCefCustomBrowserProcessHandler.OnRenderProcessThreadCreated",
      [&](TCefApplication& cefApp) { cefApp.Internal_OnRenderProcessThreadCreated(extraInfo); });
}

void TCefCustomBrowserProcessHandler::OnScheduleMessagePumpWork(int64_t delayMs) {
  FCefApp->ForwardGuarded(
      L"TCefCustomBrowserProcessHandler.OnScheduleMessagePumpWork",
      [&](TCefApplication& cefApp) { cefApp.Internal_OnScheduleMessagePumpWork(delayMs); });
}

// ---- TCefAppOwn ----

TCefAppOwn::TCefAppOwn() {
  auto* data = CreateData<cef_app_t>();
  BindCallback<&TCefAppOwn::OnBeforeCommandLineProcessing>(data->on_before_command_line_processing);
  BindCallback<&TCefAppOwn::OnRegisterCustomSchemes>(data->on_register_custom_schemes);
  BindCallback<&TCefAppOwn::GetResourceBundleHandler>(data->get_resource_bundle_handler);
  BindCallback<&TCefAppOwn::GetBrowserProcessHandler>(data->get_browser_process_handler);
  BindCallback<&TCefAppOwn::GetRenderProcessHandler>(data->get_render_process_handler);
}

// ---- TCustomCefApp ----

// The handlers share this object's link to the application object: one detach reaches them all.
TCustomCefApp::TCustomCefApp(TCefApplication* cefApp)
    : FCefApp(MakeRefCounted<TCallTarget<TCefApplication>>(cefApp)) {
  if (cefApp == nullptr) return;
  if (cefApp->GetMustCreateResourceBundleHandler()) {
    FResourceBundleHandler = MakeRefCounted<TCefCustomResourceBundleHandler>(FCefApp);
  }
  if (cefApp->GetMustCreateBrowserProcessHandler()) {
    FBrowserProcessHandler = MakeRefCounted<TCefCustomBrowserProcessHandler>(FCefApp);
  }
  if (cefApp->GetMustCreateRenderProcessHandler()) {
    FRenderProcessHandler = MakeRefCounted<TCefCustomRenderProcessHandler>(FCefApp);
  }
}

TCustomCefApp::~TCustomCefApp() { RemoveReferences(); }

void TCustomCefApp::OnBeforeCommandLineProcessing(const ustring& processType,
                                                  Ref<ICefCommandLine> commandLine) {
  FCefApp->ForwardGuarded(L"TCustomCefApp.OnBeforeCommandLineProcessing",
                          [&](TCefApplication& cefApp) {
                            cefApp.Internal_OnBeforeCommandLineProcessing(processType, commandLine);
                          });
}

void TCustomCefApp::OnRegisterCustomSchemes(TCefSchemeRegistrarRef& registrar) {
  FCefApp->ForwardGuarded(L"TCustomCefApp.OnRegisterCustomSchemes", [&](TCefApplication& cefApp) {
    cefApp.Internal_OnRegisterCustomSchemes(&registrar);
  });
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
