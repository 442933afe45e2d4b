#ifndef OSTREL_ENGINE_INTERFACES_CEF_CONTEXT_MENU_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_CONTEXT_MENU_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefBrowser;
class ICefContextMenuParams;
class ICefFrame;
class ICefMenuModel;
class ICefRunContextMenuCallback;

class ICefContextMenuHandler : public virtual ICefBaseRefCounted {
 public:
  // `model` may be changed (or cleared to show no menu).
  virtual void OnBeforeContextMenu(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                   Ref<ICefContextMenuParams> /*params*/,
                                   Ref<ICefMenuModel> /*model*/) {}
  // True: the program shows the menu itself and reports the choice through `callback`.
  virtual bool RunContextMenu(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                              Ref<ICefContextMenuParams> /*params*/, Ref<ICefMenuModel> /*model*/,
                              Ref<ICefRunContextMenuCallback> /*callback*/) {
    return false;
  }
  // True: the command was handled here.
  virtual bool OnContextMenuCommand(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                    Ref<ICefContextMenuParams> /*params*/, int /*commandId*/,
                                    cef_event_flags_t /*eventFlags*/) {
    return false;
  }
  virtual void OnContextMenuDismissed(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_CONTEXT_MENU_HANDLER_H_
