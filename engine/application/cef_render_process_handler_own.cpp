#include "engine/application/cef_render_process_handler_own.h"

#include "engine/application/cef_application.h"
#include "engine/core/engine_callback.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_process_message_ref.h"

namespace {

static_assert(sizeof(cef_render_process_handler_t) == 120, "render-process handler structure");

// Runs `body` with the application object unless the handler has been detached, reporting an
// exception under `label`.
template <class Body>
void Forward(const std::atomic<TCefApplication*>& cefApp, const wchar_t* label, Body&& body) {
  TCefApplication* app = cefApp.load();
  if (app == nullptr) return;
  GuardRoutine(label, [&] { body(*app); });
}

}  // namespace

// ---- TCefRenderProcessHandlerOwn ----

TCefRenderProcessHandlerOwn::TCefRenderProcessHandlerOwn() {
  CreateData(sizeof(cef_render_process_handler_t), false);
  auto* data = Data<cef_render_process_handler_t>();
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

void TCustomRenderLoadHandler::OnLoadingStateChange(const CefRefPtr<ICefBrowser>& browser,
                                                    bool isLoading, bool canGoBack,
                                                    bool canGoForward) {
  Forward(FCefApp, L"TCustomRenderLoadHandler.OnLoadingStateChange", [&](TCefApplication& app) {
    app.Internal_OnLoadingStateChange(browser, isLoading, canGoBack, canGoForward);
  });
}

void TCustomRenderLoadHandler::OnLoadStart(const CefRefPtr<ICefBrowser>& browser,
                                           const CefRefPtr<ICefFrame>& frame,
                                           cef_transition_type_t transitionType) {
  Forward(FCefApp, L"TCustomRenderLoadHandler.OnLoadStart",
          [&](TCefApplication& app) { app.Internal_OnLoadStart(browser, frame, transitionType); });
}

void TCustomRenderLoadHandler::OnLoadEnd(const CefRefPtr<ICefBrowser>& browser,
                                         const CefRefPtr<ICefFrame>& frame, int httpStatusCode) {
  Forward(FCefApp, L"TCustomRenderLoadHandler.OnLoadEnd",
          [&](TCefApplication& app) { app.Internal_OnLoadEnd(browser, frame, httpStatusCode); });
}

void TCustomRenderLoadHandler::OnLoadError(const CefRefPtr<ICefBrowser>& browser,
                                           const CefRefPtr<ICefFrame>& frame,
                                           cef_errorcode_t errorCode, const ustring& errorText,
                                           const ustring& failedUrl) {
  Forward(FCefApp, L"TCustomRenderLoadHandler.OnLoadError", [&](TCefApplication& app) {
    app.Internal_OnLoadError(browser, frame, errorCode, errorText, failedUrl);
  });
}

void TCustomRenderLoadHandler::RemoveReferences() { FCefApp.store(nullptr); }

// ---- TCefCustomRenderProcessHandler ----

TCefCustomRenderProcessHandler::TCefCustomRenderProcessHandler(TCefApplication* cefApp)
    : FCefApp(cefApp) {
  if (cefApp != nullptr && cefApp->GetMustCreateLoadHandler()) {
    FLoadHandler = MakeRefCounted<TCustomRenderLoadHandler>(cefApp);
  }
}

void TCefCustomRenderProcessHandler::OnRenderThreadCreated(Ref<ICefListValue> extraInfo) {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnRenderThreadCreated",
          [&](TCefApplication& app) { app.Internal_OnRenderThreadCreated(extraInfo); });
}

void TCefCustomRenderProcessHandler::OnWebKitInitialized() {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnWebKitInitialized",
          [](TCefApplication& app) { app.Internal_OnWebKitInitialized(); });
}

void TCefCustomRenderProcessHandler::OnBrowserCreated(Ref<ICefBrowser> browser,
                                                      Ref<ICefDictionaryValue> extraInfo) {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnBrowserCreated",
          [&](TCefApplication& app) { app.Internal_OnBrowserCreated(browser, extraInfo); });
}

void TCefCustomRenderProcessHandler::OnBrowserDestroyed(Ref<ICefBrowser> browser) {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnBrowserDestroyed",
          [&](TCefApplication& app) { app.Internal_OnBrowserDestroyed(browser); });
}

CefRefPtr<ICefLoadHandler> TCefCustomRenderProcessHandler::GetLoadHandler() { return FLoadHandler; }

void TCefCustomRenderProcessHandler::OnContextCreated(Ref<ICefBrowser> browser,
                                                      Ref<ICefFrame> frame,
                                                      Ref<ICefScriptObject> context) {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnContextCreated",
          [&](TCefApplication& app) { app.Internal_OnContextCreated(browser, frame, context); });
}

void TCefCustomRenderProcessHandler::OnContextReleased(Ref<ICefBrowser> browser,
                                                       Ref<ICefFrame> frame,
                                                       Ref<ICefScriptObject> context) {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnContextReleased",
          [&](TCefApplication& app) { app.Internal_OnContextReleased(browser, frame, context); });
}

void TCefCustomRenderProcessHandler::OnUncaughtException(Ref<ICefBrowser> browser,
                                                         Ref<ICefFrame> frame,
                                                         Ref<ICefScriptObject> context,
                                                         Ref<ICefScriptObject> exception,
                                                         Ref<ICefScriptObject> stackTrace) {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnUncaughtException",
          [&](TCefApplication& app) {
            app.Internal_OnUncaughtException(browser, frame, context, exception, stackTrace);
          });
}

void TCefCustomRenderProcessHandler::OnFocusedNodeChanged(Ref<ICefBrowser> browser,
                                                          Ref<ICefFrame> frame,
                                                          Ref<ICefScriptObject> node) {
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnFocusedNodeChanged",
          [&](TCefApplication& app) { app.Internal_OnFocusedNodeChanged(browser, frame, node); });
}

bool TCefCustomRenderProcessHandler::OnProcessMessageReceived(Ref<ICefBrowser> browser,
                                                              Ref<ICefFrame> frame,
                                                              cef_process_id_t sourceProcess,
                                                              Ref<ICefProcessMessage> message) {
  bool handled = false;
  Forward(FCefApp, L"TCefCustomRenderProcessHandler.OnProcessMessageReceived",
          [&](TCefApplication& app) {
            app.Internal_OnProcessMessageReceived(browser, frame, sourceProcess, message, handled);
          });
  return handled;
}

void TCefCustomRenderProcessHandler::RemoveReferences() {
  FCefApp.store(nullptr);
  if (FLoadHandler) FLoadHandler->RemoveReferences();
}
