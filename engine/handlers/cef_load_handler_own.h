#ifndef OSTREL_ENGINE_HANDLERS_CEF_LOAD_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_LOAD_HANDLER_OWN_H_

// The engine's load handler: the browser's loading state and the start, end and failure of each
// frame's load. Called on the engine's UI thread.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_load_handler.h"

class ICefBrowser;
class ICefFrame;

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

#endif  // OSTREL_ENGINE_HANDLERS_CEF_LOAD_HANDLER_OWN_H_
