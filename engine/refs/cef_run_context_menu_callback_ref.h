#ifndef OSTREL_ENGINE_REFS_CEF_RUN_CONTEXT_MENU_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_RUN_CONTEXT_MENU_CALLBACK_REF_H_

// The engine's answer channel for a context menu the program shows itself: Cont with the chosen
// command, or Cancel.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"

class ICefRunContextMenuCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont(int commandId, cef_event_flags_t eventFlags) = 0;
  virtual void Cancel() = 0;
};

class TCefRunContextMenuCallbackRef final
    : public TCefRefBase<TCefRunContextMenuCallbackRef, ICefRunContextMenuCallback,
                         cef_run_context_menu_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cont(int commandId, cef_event_flags_t eventFlags) override;
  void Cancel() override;

 private:
  ~TCefRunContextMenuCallbackRef() override = default;
};

// How engine callbacks receive a cef_run_context_menu_callback_t: wrapped, taking over its
// reference.
inline CefRefPtr<ICefRunContextMenuCallback> UnWrapEngine(cef_run_context_menu_callback_t* data) {
  return TCefRunContextMenuCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_RUN_CONTEXT_MENU_CALLBACK_REF_H_
