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
  virtual void OnAddressChange(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                               const ustring& /*url*/) {}
  virtual void OnTitleChange(Ref<ICefBrowser> /*browser*/, const ustring& /*title*/) {}
  virtual void OnFaviconUrlChange(Ref<ICefBrowser> /*browser*/,
                                  const std::vector<ustring>& /*iconUrls*/) {}
  virtual void OnFullscreenModeChange(Ref<ICefBrowser> /*browser*/, bool /*fullscreen*/) {}
  // `text` may be changed; true: the program shows the tooltip itself.
  virtual bool OnTooltip(Ref<ICefBrowser> /*browser*/, ustring& /*text*/) { return false; }
  virtual void OnStatusMessage(Ref<ICefBrowser> /*browser*/, const ustring& /*value*/) {}
  // True: the message is not written to the engine's console output.
  virtual bool OnConsoleMessage(Ref<ICefBrowser> /*browser*/, cef_log_severity_t /*level*/,
                                const ustring& /*message*/, const ustring& /*source*/,
                                int /*line*/) {
    return false;
  }
  // True: the program resized the browser itself.
  virtual bool OnAutoResize(Ref<ICefBrowser> /*browser*/, const cef_size_t* /*newSize*/) {
    return false;
  }
  virtual void OnLoadingProgressChange(Ref<ICefBrowser> /*browser*/, double /*progress*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DISPLAY_HANDLER_H_
