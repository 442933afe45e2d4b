#include "engine/application/cef_render_process_handler_own.h"

#include "engine/application/cef_application.h"
#include "engine/core/engine_callback.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_process_message_ref.h"

namespace {}  // namespace

// ---- TCefRenderProcessHandlerOwn ----

TCefRenderProcessHandlerOwn::TCefRenderProcessHandlerOwn() {
  auto* data = CreateData<cef_render_process_handler_t>();
  BindCallback<&TCefRenderProcessHandlerOwn::OnRenderThreadCreated>(data->on_render_thread_created);
  BindCallback<&TCefRenderProcessHandlerOwn::OnWebKitInitialized>(data->on_web_kit_initialized);
  BindCallback<&TCefRenderProcessHandlerOwn::OnBrowserCreated>(data->on_browser_created);
  BindCallback<&TCefRenderProcessHandlerOwn::OnBrowserDestroyed>(data->on_browser_destroyed);
  BindCallback<&TCefRenderProcessHandlerOwn::GetLoadHandler>(data->get_load_handler);
  BindCallback<&TCefRenderProcessHandlerOwn::OnContextCreated>(data->on_context_created);
  BindCallback<&TCefRenderProcessHandlerOwn::OnContextReleased>(data->on_context_released);
  BindCallback<&TCefRenderProcessHandlerOwn::OnUncaughtException>(data->on_uncaught_exception);
  BindCallback<&TCefRenderProcessHandlerOwn::OnFocusedNodeChanged>(data->on_focused_node_changed);
  BindCallback<&TCefRenderProcessHandlerOwn::OnProcessMessageReceived>(
      data->on_process_message_received);
}

// ---- TCustomRenderLoadHandler ----

void TCustomRenderLoadHandler::OnLoadingStateChange(Ref<ICefBrowser> browser, bool isLoading,
                                                    bool canGoBack, bool canGoForward) {
  FCefApp->ForwardGuarded(
      L"TCustomRenderLoadHandler.OnLoadingStateChange", [&](TCefApplication& app) {
        app.Internal_OnLoadingStateChange(browser, isLoading, canGoBack, canGoForward);
      });
}

void TCustomRenderLoadHandler::OnLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                           cef_transition_type_t transitionType) {
  FCefApp->ForwardGuarded(L"TCustomRenderLoadHandler.OnLoadStart", [&](TCefApplication& app) {
    app.Internal_OnLoadStart(browser, frame, transitionType);
  });
}

void TCustomRenderLoadHandler::OnLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                         int httpStatusCode) {
  FCefApp->ForwardGuarded(L"TCustomRenderLoadHandler.OnLoadEnd", [&](TCefApplication& app) {
    app.Internal_OnLoadEnd(browser, frame, httpStatusCode);
  });
}

void TCustomRenderLoadHandler::OnLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                           cef_errorcode_t errorCode, const ustring& errorText,
                                           const ustring& failedUrl) {
  FCefApp->ForwardGuarded(L"TCustomRenderLoadHandler.OnLoadError", [&](TCefApplication& app) {
    app.Internal_OnLoadError(browser, frame, errorCode, errorText, failedUrl);
  });
}

// ---- TCefCustomRenderProcessHandler ----

TCefCustomRenderProcessHandler::TCefCustomRenderProcessHandler(
    CefRefPtr<TCallTarget<TCefApplication>> cefApp)
    : FCefApp(std::move(cefApp)) {
  TCefApplication* app = FCefApp->Get();
  if (app != nullptr && app->GetMustCreateLoadHandler()) {
    FLoadHandler = MakeRefCounted<TCustomRenderLoadHandler>(FCefApp);
  }
}

void TCefCustomRenderProcessHandler::OnRenderThreadCreated(Ref<ICefListValue> extraInfo) {
  FCefApp->ForwardGuarded(
      L"TCefCustomRenderProcessHandler.OnRenderThreadCreated",
      [&](TCefApplication& app) { app.Internal_OnRenderThreadCreated(extraInfo); });
}

void TCefCustomRenderProcessHandler::OnWebKitInitialized() {
  FCefApp->ForwardGuarded(L"TCefCustomRenderProcessHandler.OnWebKitInitialized",
                          [](TCefApplication& app) { app.Internal_OnWebKitInitialized(); });
}

void TCefCustomRenderProcessHandler::OnBrowserCreated(Ref<ICefBrowser> browser,
                                                      Ref<ICefDictionaryValue> extraInfo) {
  FCefApp->ForwardGuarded(
      L"TCefCustomRenderProcessHandler.OnBrowserCreated",
      [&](TCefApplication& app) { app.Internal_OnBrowserCreated(browser, extraInfo); });
}

void TCefCustomRenderProcessHandler::OnBrowserDestroyed(Ref<ICefBrowser> browser) {
  FCefApp->ForwardGuarded(L"TCefCustomRenderProcessHandler.OnBrowserDestroyed",
                          [&](TCefApplication& app) { app.Internal_OnBrowserDestroyed(browser); });
}

CefRefPtr<ICefLoadHandler> TCefCustomRenderProcessHandler::GetLoadHandler() { return FLoadHandler; }

void TCefCustomRenderProcessHandler::OnContextCreated(Ref<ICefBrowser> browser,
                                                      Ref<ICefFrame> frame,
                                                      Ref<ICefScriptObject> context) {
  FCefApp->ForwardGuarded(
      L"TCefCustomRenderProcessHandler.OnContextCreated",
      [&](TCefApplication& app) { app.Internal_OnContextCreated(browser, frame, context); });
}

void TCefCustomRenderProcessHandler::OnContextReleased(Ref<ICefBrowser> browser,
                                                       Ref<ICefFrame> frame,
                                                       Ref<ICefScriptObject> context) {
  FCefApp->ForwardGuarded(
      L"TCefCustomRenderProcessHandler.OnContextReleased",
      [&](TCefApplication& app) { app.Internal_OnContextReleased(browser, frame, context); });
}

void TCefCustomRenderProcessHandler::OnUncaughtException(Ref<ICefBrowser> browser,
                                                         Ref<ICefFrame> frame,
                                                         Ref<ICefScriptObject> context,
                                                         Ref<ICefScriptObject> exception,
                                                         Ref<ICefScriptObject> stackTrace) {
  FCefApp->ForwardGuarded(
      L"TCefCustomRenderProcessHandler.OnUncaughtException", [&](TCefApplication& app) {
        app.Internal_OnUncaughtException(browser, frame, context, exception, stackTrace);
      });
}

void TCefCustomRenderProcessHandler::OnFocusedNodeChanged(Ref<ICefBrowser> browser,
                                                          Ref<ICefFrame> frame,
                                                          Ref<ICefScriptObject> node) {
  FCefApp->ForwardGuarded(
      L"TCefCustomRenderProcessHandler.OnFocusedNodeChanged",
      [&](TCefApplication& app) { app.Internal_OnFocusedNodeChanged(browser, frame, node); });
}

bool TCefCustomRenderProcessHandler::OnProcessMessageReceived(Ref<ICefBrowser> browser,
                                                              Ref<ICefFrame> frame,
                                                              cef_process_id_t sourceProcess,
                                                              Ref<ICefProcessMessage> message) {
  bool handled = false;
  FCefApp->ForwardGuarded(
      L"TCefCustomRenderProcessHandler.OnProcessMessageReceived", [&](TCefApplication& app) {
        app.Internal_OnProcessMessageReceived(browser, frame, sourceProcess, message, handled);
      });
  return handled;
}
