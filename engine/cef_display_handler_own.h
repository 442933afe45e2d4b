#ifndef OSTREL_ENGINE_CEF_DISPLAY_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_DISPLAY_HANDLER_OWN_H_

// The engine's display handler: address, title, icons, full-screen mode, tooltip, status text,
// console messages, automatic resizing and loading progress.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefBrowser;
class ICefFrame;

class ICefDisplayHandler : public virtual ICefBaseRefCounted {
 public:
  virtual void OnAddressChange(const CefRefPtr<ICefBrowser>& browser,
                               const CefRefPtr<ICefFrame>& frame, const ustring& url) = 0;
  virtual void OnTitleChange(const CefRefPtr<ICefBrowser>& browser, const ustring& title) = 0;
  virtual void OnFaviconUrlChange(const CefRefPtr<ICefBrowser>& browser,
                                  const std::vector<ustring>& iconUrls) = 0;
  virtual void OnFullscreenModeChange(const CefRefPtr<ICefBrowser>& browser, bool fullscreen) = 0;
  // `text` may be changed; true: the program shows the tooltip itself.
  virtual bool OnTooltip(const CefRefPtr<ICefBrowser>& browser, ustring& text) = 0;
  virtual void OnStatusMessage(const CefRefPtr<ICefBrowser>& browser, const ustring& value) = 0;
  // True: the message is not written to the engine's console output.
  virtual bool OnConsoleMessage(const CefRefPtr<ICefBrowser>& browser, cef_log_severity_t level,
                                const ustring& message, const ustring& source, int line) = 0;
  // True: the program resized the browser itself.
  virtual bool OnAutoResize(const CefRefPtr<ICefBrowser>& browser, const cef_size_t* newSize) = 0;
  virtual void OnLoadingProgressChange(const CefRefPtr<ICefBrowser>& browser, double progress) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

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

#endif  // OSTREL_ENGINE_CEF_DISPLAY_HANDLER_OWN_H_
