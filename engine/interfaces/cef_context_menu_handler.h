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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_CONTEXT_MENU_HANDLER_H_
