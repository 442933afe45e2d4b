#ifndef OSTREL_ENGINE_HANDLERS_CEF_CONTEXT_MENU_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_CONTEXT_MENU_HANDLER_OWN_H_

// The engine's context menu handler: building the menu, showing it, its commands and its close.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_context_menu_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefContextMenuParams;
class ICefMenuModel;
class ICefRunContextMenuCallback;

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

#endif  // OSTREL_ENGINE_HANDLERS_CEF_CONTEXT_MENU_HANDLER_OWN_H_
