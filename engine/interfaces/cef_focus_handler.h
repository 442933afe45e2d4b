#ifndef OSTREL_ENGINE_INTERFACES_CEF_FOCUS_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_FOCUS_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_FOCUS_HANDLER_H_
