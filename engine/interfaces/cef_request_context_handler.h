#ifndef OSTREL_ENGINE_INTERFACES_CEF_REQUEST_CONTEXT_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_REQUEST_CONTEXT_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_resource_request_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestContext;
class ICefWebPluginInfo;

class ICefRequestContextHandler : public virtual ICefBaseRefCounted {
 public:
  virtual void OnRequestContextInitialized(Ref<ICefRequestContext> /*requestContext*/) {}
  // True when `pluginPolicy` was changed.
  virtual bool OnBeforePluginLoad(const ustring& /*mimeType*/, const ustring& /*pluginUrl*/,
                                  bool /*isMainFrame*/, const ustring& /*topOriginUrl*/,
                                  Ref<ICefWebPluginInfo> /*pluginInfo*/,
                                  cef_plugin_policy_t& /*pluginPolicy*/) {
    return false;
  }
  // As the request handler's GetResourceRequestHandler; `browser` and `frame` may be null.
  virtual CefRefPtr<ICefResourceRequestHandler> GetResourceRequestHandler(
      Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/, Ref<ICefRequest> /*request*/,
      bool /*isNavigation*/, bool /*isDownload*/, const ustring& /*requestInitiator*/,
      bool& /*disableDefaultHandling*/) {
    return nullptr;
  }
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_REQUEST_CONTEXT_HANDLER_H_
