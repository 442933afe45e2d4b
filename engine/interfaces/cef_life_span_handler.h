#ifndef OSTREL_ENGINE_INTERFACES_CEF_LIFE_SPAN_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_LIFE_SPAN_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefDictionaryValue;
class ICefFrame;

class ICefLifeSpanHandler : public virtual ICefBaseRefCounted {
 public:
  // True cancels the pop-up. The records are the engine's and may be changed in place. `client`
  // (the client the pop-up gets, any engine client object) and `extraInfo` may be kept, cleared
  // or replaced.
  virtual bool OnBeforePopup(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                             const ustring& /*targetUrl*/, const ustring& /*targetFrameName*/,
                             cef_window_open_disposition_t /*targetDisposition*/,
                             bool /*userGesture*/, const cef_popup_features_t* /*popupFeatures*/,
                             cef_window_info_t* /*windowInfo*/,
                             CefRefPtr<ICefBaseRefCounted>& /*client*/,
                             cef_browser_settings_t* /*settings*/,
                             CefRefPtr<ICefDictionaryValue>& /*extraInfo*/,
                             bool& /*noJavascriptAccess*/) {
    return false;
  }
  virtual void OnAfterCreated(Ref<ICefBrowser> /*browser*/) {}
  // The engine's do-close question: false lets the engine close the browser's window.
  virtual bool DoClose(Ref<ICefBrowser> /*browser*/) { return false; }
  virtual void OnBeforeClose(Ref<ICefBrowser> /*browser*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_LIFE_SPAN_HANDLER_H_
