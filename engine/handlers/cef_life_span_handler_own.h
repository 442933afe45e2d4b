#ifndef OSTREL_ENGINE_HANDLERS_CEF_LIFE_SPAN_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_LIFE_SPAN_HANDLER_OWN_H_

// The engine's life span handler: pop-ups, and a browser's creation and closing.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_life_span_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefDictionaryValue;

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

#endif  // OSTREL_ENGINE_HANDLERS_CEF_LIFE_SPAN_HANDLER_OWN_H_
