#ifndef OSTREL_ENGINE_CEF_LOAD_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_LOAD_HANDLER_OWN_H_

// The engine's load handler: the browser's loading state and the start, end and failure of each
// frame's load. Called on the engine's UI thread.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefFrame;

class ICefLoadHandler : public virtual ICefBaseRefCounted {
 public:
  virtual void OnLoadingStateChange(const CefRefPtr<ICefBrowser>& browser, bool isLoading,
                                    bool canGoBack, bool canGoForward) = 0;
  virtual void OnLoadStart(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                           cef_transition_type_t transitionType) = 0;
  virtual void OnLoadEnd(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                         int httpStatusCode) = 0;
  virtual void OnLoadError(const CefRefPtr<ICefBrowser>& browser, const CefRefPtr<ICefFrame>& frame,
                           cef_errorcode_t errorCode, const ustring& errorText,
                           const ustring& failedUrl) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

// Every operation does nothing by default.
class TCefLoadHandlerOwn : public TCefBaseRefCountedOwn, public ICefLoadHandler {
 public:
  void OnLoadingStateChange(const CefRefPtr<ICefBrowser>&, bool, bool, bool) override {}
  void OnLoadStart(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                   cef_transition_type_t) override {}
  void OnLoadEnd(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, int) override {}
  void OnLoadError(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, cef_errorcode_t,
                   const ustring&, const ustring&) override {}
  void RemoveReferences() override {}

 protected:
  TCefLoadHandlerOwn();
  ~TCefLoadHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_LOAD_HANDLER_OWN_H_
