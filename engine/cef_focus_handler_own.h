#ifndef OSTREL_ENGINE_CEF_FOCUS_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_FOCUS_HANDLER_OWN_H_

// The engine's focus handler: focus leaving the browser, about to enter it, and entered.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"

class ICefBrowser;

class ICefFocusHandler : public virtual ICefBaseRefCounted {
 public:
  // `next`: focus moves forward (Tab) rather than backward.
  virtual void OnTakeFocus(const CefRefPtr<ICefBrowser>& browser, bool next) = 0;
  // True cancels setting the focus.
  virtual bool OnSetFocus(const CefRefPtr<ICefBrowser>& browser, cef_focus_source_t source) = 0;
  virtual void OnGotFocus(const CefRefPtr<ICefBrowser>& browser) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

// Every operation does nothing and lets the focus change happen by default.
class TCefFocusHandlerOwn : public TCefBaseRefCountedOwn, public ICefFocusHandler {
 public:
  void OnTakeFocus(const CefRefPtr<ICefBrowser>&, bool) override {}
  bool OnSetFocus(const CefRefPtr<ICefBrowser>&, cef_focus_source_t) override { return false; }
  void OnGotFocus(const CefRefPtr<ICefBrowser>&) override {}
  void RemoveReferences() override {}

 protected:
  TCefFocusHandlerOwn();
  ~TCefFocusHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_FOCUS_HANDLER_OWN_H_
