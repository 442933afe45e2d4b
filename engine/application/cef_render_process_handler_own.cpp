#include "engine/application/cef_render_process_handler_own.h"

#include "engine/application/cef_application.h"
#include "engine/core/exception_policy.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_process_message_ref.h"

namespace {

static_assert(sizeof(cef_render_process_handler_t) == 120, "render-process handler structure");

using Handler = TCefRenderProcessHandlerOwn;

// Engine-object arguments carry a reference each; they are wrapped before the owner check so
// that the reference is released even when the structure has no owner.

CefRefPtr<ICefScriptObject> ScriptObject(void* data) { return TCefBaseRefCountedRef::UnWrap(data); }

void CEF_CALLBACK OnRenderThreadCreatedCallback(cef_render_process_handler_t* self,
                                                cef_list_value_t* extra_info) {
  const CefRefPtr<ICefListValue> extraInfo = TCefListValueRef::UnWrap(extra_info);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnRenderThreadCreated(extraInfo); });
}

void CEF_CALLBACK OnWebKitInitializedCallback(cef_render_process_handler_t* self) {
  WithOwner<Handler>(self, [](Handler& handler) { handler.OnWebKitInitialized(); });
}

void CEF_CALLBACK OnBrowserCreatedCallback(cef_render_process_handler_t* self,
                                           cef_browser_t* browser,
                                           cef_dictionary_value_t* extra_info) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefDictionaryValue> extraInfo = TCefDictionaryValueRef::UnWrap(extra_info);
  WithOwner<Handler>(self,
                     [&](Handler& handler) { handler.OnBrowserCreated(aBrowser, extraInfo); });
}

void CEF_CALLBACK OnBrowserDestroyedCallback(cef_render_process_handler_t* self,
                                             cef_browser_t* browser) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  WithOwner<Handler>(self, [&](Handler& handler) { handler.OnBrowserDestroyed(aBrowser); });
}

cef_load_handler_t* CEF_CALLBACK GetLoadHandlerCallback(cef_render_process_handler_t* self) {
  return WithOwner<Handler>(self, static_cast<cef_load_handler_t*>(nullptr), [](Handler& handler) {
    // +1 for the engine, which releases what a getter returns.
    return static_cast<cef_load_handler_t*>(EngineDataFromInterface(handler.GetLoadHandler()));
  });
}

void CEF_CALLBACK OnContextCreatedCallback(cef_render_process_handler_t* self,
                                           cef_browser_t* browser, cef_frame_t* frame,
                                           cef_v8context_t* context) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefScriptObject> aContext = ScriptObject(context);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnContextCreated(aBrowser, aFrame, aContext); });
}

void CEF_CALLBACK OnContextReleasedCallback(cef_render_process_handler_t* self,
                                            cef_browser_t* browser, cef_frame_t* frame,
                                            cef_v8context_t* context) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefScriptObject> aContext = ScriptObject(context);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnContextReleased(aBrowser, aFrame, aContext); });
}

void CEF_CALLBACK OnUncaughtExceptionCallback(cef_render_process_handler_t* self,
                                              cef_browser_t* browser, cef_frame_t* frame,
                                              cef_v8context_t* context,
                                              cef_v8exception_t* exception,
                                              cef_v8stack_trace_t* stack_trace) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefScriptObject> aContext = ScriptObject(context);
  const CefRefPtr<ICefScriptObject> aException = ScriptObject(exception);
  const CefRefPtr<ICefScriptObject> aStackTrace = ScriptObject(stack_trace);
  WithOwner<Handler>(self, [&](Handler& handler) {
    handler.OnUncaughtException(aBrowser, aFrame, aContext, aException, aStackTrace);
  });
}

void CEF_CALLBACK OnFocusedNodeChangedCallback(cef_render_process_handler_t* self,
                                               cef_browser_t* browser, cef_frame_t* frame,
                                               cef_domnode_t* node) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefScriptObject> aNode = ScriptObject(node);
  WithOwner<Handler>(
      self, [&](Handler& handler) { handler.OnFocusedNodeChanged(aBrowser, aFrame, aNode); });
}

int CEF_CALLBACK OnProcessMessageReceivedCallback(cef_render_process_handler_t* self,
                                                  cef_browser_t* browser, cef_frame_t* frame,
                                                  cef_process_id_t source_process,
                                                  cef_process_message_t* message) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefProcessMessage> aMessage = TCefProcessMessageRef::UnWrap(message);
  return WithOwner<Handler>(self, 0, [&](Handler& handler) {
    return EngineBool(handler.OnProcessMessageReceived(aBrowser, aFrame, source_process, aMessage));
  });
}

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
  data->on_render_thread_created = OnRenderThreadCreatedCallback;
  data->on_web_kit_initialized = OnWebKitInitializedCallback;
  data->on_browser_created = OnBrowserCreatedCallback;
  data->on_browser_destroyed = OnBrowserDestroyedCallback;
  data->get_load_handler = GetLoadHandlerCallback;
  data->on_context_created = OnContextCreatedCallback;
  data->on_context_released = OnContextReleasedCallback;
  data->on_uncaught_exception = OnUncaughtExceptionCallback;
  data->on_focused_node_changed = OnFocusedNodeChangedCallback;
  data->on_process_message_received = OnProcessMessageReceivedCallback;
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
