#ifndef OSTREL_ENGINE_APPLICATION_CEF_APP_OWN_H_
#define OSTREL_ENGINE_APPLICATION_CEF_APP_OWN_H_

// The application callback object the engine calls in every process, and the browser-process
// handler it hands out. Both are owned wrappers (see cef_base_ref_counted.h).
//
// Ownership: the engine holds the application object; the application object holds its
// handlers; a handler points only at the TCefApplication (not counted), never back at the
// application object, so no cycle keeps either alive.

#include <atomic>
#include <cstdint>

#include "engine/application/cef_render_process_handler_own.h"
#include "engine/application/cef_resource_bundle_handler_own.h"
#include "engine/core/call_counter.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/refs/cef_command_line_ref.h"

class TCefApplication;
class TCefSchemeRegistrarRef;
class ICefListValue;

// Owned wrapper of the engine's browser-process handler structure. Each virtual operation is one
// callback of the structure, neutral by default. The print-handler getter stays absent: the
// engine then uses no print handler, which is what this program wants.
class TCefBrowserProcessHandlerOwn : public TCefBaseRefCountedOwn {
 public:
  virtual void OnContextInitialized() {}
  virtual void OnBeforeChildProcessLaunch(Ref<ICefCommandLine> /*commandLine*/) {}
  virtual void OnRenderProcessThreadCreated(Ref<ICefListValue> /*extraInfo*/) {}
  virtual void OnScheduleMessagePumpWork(int64_t /*delayMs*/) {}

  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}

 protected:
  TCefBrowserProcessHandlerOwn();
};

// Reports the engine's browser-process events to the TCefApplication it serves.
class TCefCustomBrowserProcessHandler final : public TCefBrowserProcessHandlerOwn {
 public:
  explicit TCefCustomBrowserProcessHandler(CefRefPtr<TCallTarget<TCefApplication>> cefApp) noexcept
      : FCefApp(std::move(cefApp)) {}

  void OnContextInitialized() override;
  void OnBeforeChildProcessLaunch(Ref<ICefCommandLine> commandLine) override;
  void OnRenderProcessThreadCreated(Ref<ICefListValue> extraInfo) override;
  void OnScheduleMessagePumpWork(int64_t delayMs) override;

  void RemoveReferences() override { FCefApp->Detach(); }

 private:
  ~TCefCustomBrowserProcessHandler() override = default;

  // Shared with the application callback object, which detaches it.
  const CefRefPtr<TCallTarget<TCefApplication>> FCefApp;
};

// Owned wrapper of the engine's application structure; its virtual operations follow the
// structure's functions, neutral by default.
class TCefAppOwn : public TCefBaseRefCountedOwn {
 public:
  // `processType` is empty in the browser process.
  virtual void OnBeforeCommandLineProcessing(const ustring& /*processType*/,
                                             Ref<ICefCommandLine> /*commandLine*/) {}
  // `registrar` is valid for this call only.
  virtual void OnRegisterCustomSchemes(TCefSchemeRegistrarRef& /*registrar*/) {}
  virtual CefRefPtr<TCefResourceBundleHandlerOwn> GetResourceBundleHandler() { return nullptr; }
  virtual CefRefPtr<TCefBrowserProcessHandlerOwn> GetBrowserProcessHandler() { return nullptr; }
  virtual CefRefPtr<TCefRenderProcessHandlerOwn> GetRenderProcessHandler() { return nullptr; }

 protected:
  TCefAppOwn();
};

// The application callback object, created once per process with the TCefApplication it serves
// and handed to the engine's process-execution and initialisation calls.
class TCustomCefApp final : public TCefAppOwn {
 public:
  // Creates the handlers the application object asks for (its GetMustCreate... questions), once.
  explicit TCustomCefApp(TCefApplication* cefApp);

  void OnBeforeCommandLineProcessing(const ustring& processType,
                                     Ref<ICefCommandLine> commandLine) override;
  void OnRegisterCustomSchemes(TCefSchemeRegistrarRef& registrar) override;
  CefRefPtr<TCefResourceBundleHandlerOwn> GetResourceBundleHandler() override;
  CefRefPtr<TCefBrowserProcessHandlerOwn> GetBrowserProcessHandler() override;
  CefRefPtr<TCefRenderProcessHandlerOwn> GetRenderProcessHandler() override;

  // Detaches this object and its handlers from the TCefApplication: every later callback does
  // nothing. The TCefApplication calls it before it goes away, since the engine may still hold
  // references to these objects, and then waits for the calls still running (WaitForCalls).
  void RemoveReferences() { FCefApp->Detach(); }
  void WaitForCalls() const { FCefApp->WaitForCalls(); }

 private:
  ~TCustomCefApp() override;

  const CefRefPtr<TCallTarget<TCefApplication>> FCefApp;
  // Set in the constructor only, so engine threads may read them without a lock.
  CefRefPtr<TCefResourceBundleHandlerOwn> FResourceBundleHandler;
  CefRefPtr<TCefBrowserProcessHandlerOwn> FBrowserProcessHandler;
  CefRefPtr<TCefRenderProcessHandlerOwn> FRenderProcessHandler;
};

#endif  // OSTREL_ENGINE_APPLICATION_CEF_APP_OWN_H_
