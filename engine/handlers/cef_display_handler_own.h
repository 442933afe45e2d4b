#ifndef OSTREL_ENGINE_HANDLERS_CEF_DISPLAY_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_DISPLAY_HANDLER_OWN_H_

// The engine's display handler: address, title, icons, full-screen mode, tooltip, status text,
// console messages, automatic resizing and loading progress.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_display_handler.h"

class ICefBrowser;
class ICefFrame;

// Every operation does nothing and leaves the engine's default behaviour by default.
class TCefDisplayHandlerOwn : public TCefBaseRefCountedOwn, public ICefDisplayHandler {
 public:
  void OnAddressChange(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                       const ustring&) override {}
  void OnTitleChange(const CefRefPtr<ICefBrowser>&, const ustring&) override {}
  void OnFaviconUrlChange(const CefRefPtr<ICefBrowser>&, const std::vector<ustring>&) override {}
  void OnFullscreenModeChange(const CefRefPtr<ICefBrowser>&, bool) override {}
  bool OnTooltip(const CefRefPtr<ICefBrowser>&, ustring&) override { return false; }
  void OnStatusMessage(const CefRefPtr<ICefBrowser>&, const ustring&) override {}
  bool OnConsoleMessage(const CefRefPtr<ICefBrowser>&, cef_log_severity_t, const ustring&,
                        const ustring&, int) override {
    return false;
  }
  bool OnAutoResize(const CefRefPtr<ICefBrowser>&, const cef_size_t*) override { return false; }
  void OnLoadingProgressChange(const CefRefPtr<ICefBrowser>&, double) override {}
  void RemoveReferences() override {}

 protected:
  TCefDisplayHandlerOwn();
  ~TCefDisplayHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_DISPLAY_HANDLER_OWN_H_
