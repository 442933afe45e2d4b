#ifndef OSTREL_ENGINE_CEF_LIFE_SPAN_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_LIFE_SPAN_HANDLER_OWN_H_

// The engine's life span handler: pop-ups, and a browser's creation and closing.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefFrame;
class ICefDictionaryValue;

class ICefLifeSpanHandler : public virtual ICefBaseRefCounted {
 public:
  // True cancels the pop-up. The records are the engine's and may be changed in place. `client`
  // (the client the pop-up gets, any engine client object) and `extraInfo` may be kept, cleared
  // or replaced.
  virtual bool OnBeforePopup(const CefRefPtr<ICefBrowser>& browser,
                             const CefRefPtr<ICefFrame>& frame, const ustring& targetUrl,
                             const ustring& targetFrameName,
                             cef_window_open_disposition_t targetDisposition, bool userGesture,
                             const cef_popup_features_t* popupFeatures,
                             cef_window_info_t* windowInfo, CefRefPtr<ICefBaseRefCounted>& client,
                             cef_browser_settings_t* settings,
                             CefRefPtr<ICefDictionaryValue>& extraInfo,
                             bool& noJavascriptAccess) = 0;
  virtual void OnAfterCreated(const CefRefPtr<ICefBrowser>& browser) = 0;
  // The engine's do-close question: false lets the engine close the browser's window.
  virtual bool DoClose(const CefRefPtr<ICefBrowser>& browser) = 0;
  virtual void OnBeforeClose(const CefRefPtr<ICefBrowser>& browser) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

// By default pop-ups open and browsers close the engine's way.
class TCefLifeSpanHandlerOwn : public TCefBaseRefCountedOwn, public ICefLifeSpanHandler {
 public:
  bool OnBeforePopup(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&, const ustring&,
                     const ustring&, cef_window_open_disposition_t, bool,
                     const cef_popup_features_t*, cef_window_info_t*,
                     CefRefPtr<ICefBaseRefCounted>&, cef_browser_settings_t*,
                     CefRefPtr<ICefDictionaryValue>&, bool&) override {
    return false;
  }
  void OnAfterCreated(const CefRefPtr<ICefBrowser>&) override {}
  bool DoClose(const CefRefPtr<ICefBrowser>&) override { return false; }
  void OnBeforeClose(const CefRefPtr<ICefBrowser>&) override {}
  void RemoveReferences() override {}

 protected:
  TCefLifeSpanHandlerOwn();
  ~TCefLifeSpanHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_LIFE_SPAN_HANDLER_OWN_H_
