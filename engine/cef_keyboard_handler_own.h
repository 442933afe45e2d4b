#ifndef OSTREL_ENGINE_CEF_KEYBOARD_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_KEYBOARD_HANDLER_OWN_H_

// The engine's keyboard handler: key events before and after the page sees them. The key event
// and the system message are the engine's records, lent for the call.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"

class ICefBrowser;

class ICefKeyboardHandler : public virtual ICefBaseRefCounted {
 public:
  // True: the event was handled here. Setting `isKeyboardShortcut` (when returning false) makes
  // the engine send the event to OnKeyEvent should the page not handle it.
  virtual bool OnPreKeyEvent(const CefRefPtr<ICefBrowser>& browser, const cef_key_event_t* event,
                             MSG* osEvent, bool& isKeyboardShortcut) = 0;
  // True: the event was handled here.
  virtual bool OnKeyEvent(const CefRefPtr<ICefBrowser>& browser, const cef_key_event_t* event,
                          MSG* osEvent) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

// By default every key goes its usual way.
class TCefKeyboardHandlerOwn : public TCefBaseRefCountedOwn, public ICefKeyboardHandler {
 public:
  bool OnPreKeyEvent(const CefRefPtr<ICefBrowser>&, const cef_key_event_t*, MSG*, bool&) override {
    return false;
  }
  bool OnKeyEvent(const CefRefPtr<ICefBrowser>&, const cef_key_event_t*, MSG*) override {
    return false;
  }
  void RemoveReferences() override {}

 protected:
  TCefKeyboardHandlerOwn();
  ~TCefKeyboardHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_KEYBOARD_HANDLER_OWN_H_
