#ifndef OSTREL_ENGINE_INTERFACES_CEF_KEYBOARD_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_KEYBOARD_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefBrowser;

class ICefKeyboardHandler : public virtual ICefBaseRefCounted {
 public:
  // True: the event was handled here. Setting `isKeyboardShortcut` (when returning false) makes
  // the engine send the event to OnKeyEvent should the page not handle it.
  virtual bool OnPreKeyEvent(Ref<ICefBrowser> /*browser*/, const cef_key_event_t* /*event*/,
                             MSG* /*osEvent*/, bool& /*isKeyboardShortcut*/) {
    return false;
  }
  // True: the event was handled here.
  virtual bool OnKeyEvent(Ref<ICefBrowser> /*browser*/, const cef_key_event_t* /*event*/,
                          MSG* /*osEvent*/) {
    return false;
  }
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_KEYBOARD_HANDLER_H_
