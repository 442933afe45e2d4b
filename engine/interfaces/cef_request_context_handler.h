#ifndef OSTREL_ENGINE_INTERFACES_CEF_REQUEST_CONTEXT_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_REQUEST_CONTEXT_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefRequestContext;
class ICefResourceRequestHandler;
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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_REQUEST_CONTEXT_HANDLER_H_
