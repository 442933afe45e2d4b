#ifndef OSTREL_ENGINE_CEF_CONTEXT_MENU_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_CONTEXT_MENU_HANDLER_OWN_H_

// The engine's context menu handler: building the menu, showing it, its commands and its close.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"

class ICefBrowser;
class ICefFrame;
class ICefContextMenuParams;
class ICefMenuModel;
class ICefRunContextMenuCallback;

class ICefContextMenuHandler : public virtual ICefBaseRefCounted {
 public:
  // `model` may be changed (or cleared to show no menu).
  virtual void OnBeforeContextMenu(const CefRefPtr<ICefBrowser>& browser,
                                   const CefRefPtr<ICefFrame>& frame,
                                   const CefRefPtr<ICefContextMenuParams>& params,
                                   const CefRefPtr<ICefMenuModel>& model) = 0;
  // True: the program shows the menu itself and reports the choice through `callback`.
  virtual bool RunContextMenu(const CefRefPtr<ICefBrowser>& browser,
                              const CefRefPtr<ICefFrame>& frame,
                              const CefRefPtr<ICefContextMenuParams>& params,
                              const CefRefPtr<ICefMenuModel>& model,
                              const CefRefPtr<ICefRunContextMenuCallback>& callback) = 0;
  // True: the command was handled here.
  virtual bool OnContextMenuCommand(const CefRefPtr<ICefBrowser>& browser,
                                    const CefRefPtr<ICefFrame>& frame,
                                    const CefRefPtr<ICefContextMenuParams>& params, int commandId,
                                    cef_event_flags_t eventFlags) = 0;
  virtual void OnContextMenuDismissed(const CefRefPtr<ICefBrowser>& browser,
                                      const CefRefPtr<ICefFrame>& frame) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

// By default the engine's own menu is shown and handled.
class TCefContextMenuHandlerOwn : public TCefBaseRefCountedOwn, public ICefContextMenuHandler {
 public:
  void OnBeforeContextMenu(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                           const CefRefPtr<ICefContextMenuParams>&,
                           const CefRefPtr<ICefMenuModel>&) override {}
  bool RunContextMenu(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                      const CefRefPtr<ICefContextMenuParams>&, const CefRefPtr<ICefMenuModel>&,
                      const CefRefPtr<ICefRunContextMenuCallback>&) override {
    return false;
  }
  bool OnContextMenuCommand(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                            const CefRefPtr<ICefContextMenuParams>&, int,
                            cef_event_flags_t) override {
    return false;
  }
  void OnContextMenuDismissed(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&) override {
  }
  void RemoveReferences() override {}

 protected:
  TCefContextMenuHandlerOwn();
  ~TCefContextMenuHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_CONTEXT_MENU_HANDLER_OWN_H_
