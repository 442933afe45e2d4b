#ifndef OSTREL_ENGINE_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_

// The engine's request context handler: the context is ready, plug-in policy, and the resource
// request handler of requests the browser's own handler left alone.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_resource_request_handler_own.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestContext;
class ICefWebPluginInfo;

class ICefRequestContextHandler : public virtual ICefBaseRefCounted {
 public:
  virtual void OnRequestContextInitialized(const CefRefPtr<ICefRequestContext>& requestContext) = 0;
  // True when `pluginPolicy` was changed.
  virtual bool OnBeforePluginLoad(const ustring& mimeType, const ustring& pluginUrl,
                                  bool isMainFrame, const ustring& topOriginUrl,
                                  const CefRefPtr<ICefWebPluginInfo>& pluginInfo,
                                  cef_plugin_policy_t& pluginPolicy) = 0;
  // As the request handler's GetResourceRequestHandler; `browser` and `frame` may be null.
  virtual CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
      const CefRefPtr<ICefRequest>& request, bool isNavigation, bool isDownload,
      const ustring& requestInitiator, bool& disableDefaultHandling) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

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

#endif  // OSTREL_ENGINE_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_
