#ifndef OSTREL_ENGINE_INTERFACES_CEF_DISPLAY_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_DISPLAY_HANDLER_H_

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DISPLAY_HANDLER_H_
