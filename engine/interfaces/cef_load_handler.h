#ifndef OSTREL_ENGINE_INTERFACES_CEF_LOAD_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_LOAD_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefFrame;

class ICefLoadHandler : public virtual ICefBaseRefCounted {
 public:
  virtual void OnLoadingStateChange(Ref<ICefBrowser> /*browser*/, bool /*isLoading*/,
                                    bool /*canGoBack*/, bool /*canGoForward*/) {}
  virtual void OnLoadStart(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                           cef_transition_type_t /*transitionType*/) {}
  virtual void OnLoadEnd(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                         int /*httpStatusCode*/) {}
  virtual void OnLoadError(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                           cef_errorcode_t /*errorCode*/, const ustring& /*errorText*/,
                           const ustring& /*failedUrl*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_LOAD_HANDLER_H_
