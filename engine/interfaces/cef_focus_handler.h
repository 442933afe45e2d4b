#ifndef OSTREL_ENGINE_INTERFACES_CEF_FOCUS_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_FOCUS_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefBrowser;

class ICefFocusHandler : public virtual ICefBaseRefCounted {
 public:
  // `next`: focus moves forward (Tab) rather than backward.
  virtual void OnTakeFocus(Ref<ICefBrowser> /*browser*/, bool /*next*/) {}
  // True cancels setting the focus.
  virtual bool OnSetFocus(Ref<ICefBrowser> /*browser*/, cef_focus_source_t /*source*/) {
    return false;
  }
  virtual void OnGotFocus(Ref<ICefBrowser> /*browser*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_FOCUS_HANDLER_H_
