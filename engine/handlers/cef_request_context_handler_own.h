#ifndef OSTREL_ENGINE_HANDLERS_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_

// The engine's request context handler: the context is ready, plug-in policy, and the resource
// request handler of requests the browser's own handler left alone.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/handlers/cef_resource_request_handler_own.h"
#include "engine/interfaces/cef_request_context_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestContext;
class ICefWebPluginInfo;

// By default the engine's policies apply and no handler is supplied.
class TCefRequestContextHandlerOwn : public TCefBaseRefCountedOwn,
                                     public ICefRequestContextHandler {
 public:
  void OnRequestContextInitialized(const CefRefPtr<ICefRequestContext>&) override {}
  bool OnBeforePluginLoad(const ustring&, const ustring&, bool, const ustring&,
                          const CefRefPtr<ICefWebPluginInfo>&, cef_plugin_policy_t&) override {
    return false;
  }
  CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(const CefRefPtr<ICefBrowser>&,
                                                                  const CefRefPtr<ICefFrame>&,
                                                                  const CefRefPtr<ICefRequest>&,
                                                                  bool, bool, const ustring&,
                                                                  bool&) override {
    return nullptr;
  }
  void RemoveReferences() override {}

 protected:
  TCefRequestContextHandlerOwn();
  ~TCefRequestContextHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_
