#ifndef OSTREL_ENGINE_APPLICATION_CEF_RENDER_PROCESS_HANDLER_OWN_H_
#define OSTREL_ENGINE_APPLICATION_CEF_RENDER_PROCESS_HANDLER_OWN_H_

// The engine's render-process handler and the load handler it may hand out in a renderer
// process. Created only when the application object asks for them (see TCustomCefApp); this
// program never does.

#include <atomic>
#include <cstdint>

#include "engine/capi/cef_capi.h"
#include "engine/core/call_counter.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/handlers/cef_load_handler_own.h"

class TCefApplication;
class ICefBrowser;
class ICefFrame;
class ICefListValue;
class ICefDictionaryValue;
class ICefProcessMessage;

// Script-engine objects (context, exception, stack trace, document node) travel as plain counted
// references: nothing here looks into them, but each is still released once.
using ICefScriptObject = ICefBaseRefCounted;

// Owned wrapper of the engine's render-process handler structure; each virtual operation is one
// callback of the structure, in its order, neutral by default.
class TCefRenderProcessHandlerOwn : public TCefBaseRefCountedOwn {
 public:
  virtual void OnRenderThreadCreated(Ref<ICefListValue> /*extraInfo*/) {}
  virtual void OnWebKitInitialized() {}
  virtual void OnBrowserCreated(Ref<ICefBrowser> /*browser*/,
                                Ref<ICefDictionaryValue> /*extraInfo*/) {}
  virtual void OnBrowserDestroyed(Ref<ICefBrowser> /*browser*/) {}
  virtual CefRefPtr<ICefLoadHandler> GetLoadHandler() { return nullptr; }
  virtual void OnContextCreated(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                Ref<ICefScriptObject> /*context*/) {}
  virtual void OnContextReleased(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                 Ref<ICefScriptObject> /*context*/) {}
  virtual void OnUncaughtException(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                   Ref<ICefScriptObject> /*context*/,
                                   Ref<ICefScriptObject> /*exception*/,
                                   Ref<ICefScriptObject> /*stackTrace*/) {}
  virtual void OnFocusedNodeChanged(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                    Ref<ICefScriptObject> /*node*/) {}
  // True when the message was handled.
  virtual bool OnProcessMessageReceived(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                        cef_process_id_t /*sourceProcess*/,
                                        Ref<ICefProcessMessage> /*message*/) {
    return false;
  }

  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}

 protected:
  TCefRenderProcessHandlerOwn();
};

// Reports the render process's load events to the TCefApplication it serves.
class TCustomRenderLoadHandler final : public TCefLoadHandlerOwn {
 public:
  explicit TCustomRenderLoadHandler(CefRefPtr<TCallTarget<TCefApplication>> cefApp) noexcept
      : FCefApp(std::move(cefApp)) {}

  void OnLoadingStateChange(Ref<ICefBrowser> browser, bool isLoading, bool canGoBack,
                            bool canGoForward) override;
  void OnLoadStart(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                   cef_transition_type_t transitionType) override;
  void OnLoadEnd(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, int httpStatusCode) override;
  void OnLoadError(Ref<ICefBrowser> browser, Ref<ICefFrame> frame, cef_errorcode_t errorCode,
                   const ustring& errorText, const ustring& failedUrl) override;

  void RemoveReferences() override { FCefApp->Detach(); }

 private:
  ~TCustomRenderLoadHandler() override = default;

  const CefRefPtr<TCallTarget<TCefApplication>> FCefApp;
};

// Reports the render process's events to the TCefApplication it serves, and hands out its load
// handler when the application object asked for one.
class TCefCustomRenderProcessHandler final : public TCefRenderProcessHandlerOwn {
 public:
  explicit TCefCustomRenderProcessHandler(CefRefPtr<TCallTarget<TCefApplication>> cefApp);

  void OnRenderThreadCreated(Ref<ICefListValue> extraInfo) override;
  void OnWebKitInitialized() override;
  void OnBrowserCreated(Ref<ICefBrowser> browser, Ref<ICefDictionaryValue> extraInfo) override;
  void OnBrowserDestroyed(Ref<ICefBrowser> browser) override;
  CefRefPtr<ICefLoadHandler> GetLoadHandler() override;
  void OnContextCreated(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                        Ref<ICefScriptObject> context) override;
  void OnContextReleased(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                         Ref<ICefScriptObject> context) override;
  void OnUncaughtException(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                           Ref<ICefScriptObject> context, Ref<ICefScriptObject> exception,
                           Ref<ICefScriptObject> stackTrace) override;
  void OnFocusedNodeChanged(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                            Ref<ICefScriptObject> node) override;
  bool OnProcessMessageReceived(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                cef_process_id_t sourceProcess,
                                Ref<ICefProcessMessage> message) override;

  void RemoveReferences() override { FCefApp->Detach(); }

 private:
  ~TCefCustomRenderProcessHandler() override = default;

  const CefRefPtr<TCallTarget<TCefApplication>> FCefApp;
  // Set in the constructor only, so engine threads may read it without a lock.
  CefRefPtr<TCustomRenderLoadHandler> FLoadHandler;
};

#endif  // OSTREL_ENGINE_APPLICATION_CEF_RENDER_PROCESS_HANDLER_OWN_H_
