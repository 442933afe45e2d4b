#ifndef OSTREL_ENGINE_INTERFACES_CEF_LOAD_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_LOAD_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_LOAD_HANDLER_H_
