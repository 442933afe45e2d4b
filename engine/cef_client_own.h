#ifndef OSTREL_ENGINE_CEF_CLIENT_OWN_H_
#define OSTREL_ENGINE_CEF_CLIENT_OWN_H_

// The engine's client: one per browser, the table through which the engine finds the browser's
// handlers, plus the messages that the browser's renderer sends.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_context_menu_handler_own.h"
#include "engine/cef_dialog_handler_own.h"
#include "engine/cef_display_handler_own.h"
#include "engine/cef_download_handler_own.h"
#include "engine/cef_drag_handler_own.h"
#include "engine/cef_find_handler_own.h"
#include "engine/cef_focus_handler_own.h"
#include "engine/cef_jsdialog_handler_own.h"
#include "engine/cef_keyboard_handler_own.h"
#include "engine/cef_life_span_handler_own.h"
#include "engine/cef_load_handler_own.h"
#include "engine/cef_render_handler_own.h"
#include "engine/cef_request_handler_own.h"

class ICefBrowser;
class ICefFrame;
class ICefProcessMessage;

// The getters are in the engine's order. Each handler a getter returns goes to the engine with a
// reference of its own; null means the engine's default behaviour for that area.
class ICefClient : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefContextMenuHandler> GetContextMenuHandler() = 0;
  virtual CefRefPtr<ICefDialogHandler> GetDialogHandler() = 0;
  virtual CefRefPtr<ICefDisplayHandler> GetDisplayHandler() = 0;
  virtual CefRefPtr<ICefDownloadHandler> GetDownloadHandler() = 0;
  virtual CefRefPtr<ICefDragHandler> GetDragHandler() = 0;
  virtual CefRefPtr<ICefFindHandler> GetFindHandler() = 0;
  virtual CefRefPtr<ICefFocusHandler> GetFocusHandler() = 0;
  virtual CefRefPtr<ICefJsDialogHandler> GetJsdialogHandler() = 0;
  virtual CefRefPtr<ICefKeyboardHandler> GetKeyboardHandler() = 0;
  virtual CefRefPtr<ICefLifeSpanHandler> GetLifeSpanHandler() = 0;
  virtual CefRefPtr<ICefLoadHandler> GetLoadHandler() = 0;
  virtual CefRefPtr<ICefRenderHandler> GetRenderHandler() = 0;
  virtual CefRefPtr<ICefRequestHandler> GetRequestHandler() = 0;
  // True: the message was handled here.
  virtual bool OnProcessMessageReceived(const CefRefPtr<ICefBrowser>& browser,
                                        const CefRefPtr<ICefFrame>& frame,
                                        cef_process_id_t sourceProcess,
                                        const CefRefPtr<ICefProcessMessage>& message) = 0;
  // Detaches the client and its handlers from whatever they report to.
  virtual void RemoveReferences() = 0;
};

// Offers no handlers and handles no message by default.
class TCefClientOwn : public TCefBaseRefCountedOwn, public ICefClient {
 public:
  CefRefPtr<ICefContextMenuHandler> GetContextMenuHandler() override { return nullptr; }
  CefRefPtr<ICefDialogHandler> GetDialogHandler() override { return nullptr; }
  CefRefPtr<ICefDisplayHandler> GetDisplayHandler() override { return nullptr; }
  CefRefPtr<ICefDownloadHandler> GetDownloadHandler() override { return nullptr; }
  CefRefPtr<ICefDragHandler> GetDragHandler() override { return nullptr; }
  CefRefPtr<ICefFindHandler> GetFindHandler() override { return nullptr; }
  CefRefPtr<ICefFocusHandler> GetFocusHandler() override { return nullptr; }
  CefRefPtr<ICefJsDialogHandler> GetJsdialogHandler() override { return nullptr; }
  CefRefPtr<ICefKeyboardHandler> GetKeyboardHandler() override { return nullptr; }
  CefRefPtr<ICefLifeSpanHandler> GetLifeSpanHandler() override { return nullptr; }
  CefRefPtr<ICefLoadHandler> GetLoadHandler() override { return nullptr; }
  CefRefPtr<ICefRenderHandler> GetRenderHandler() override { return nullptr; }
  CefRefPtr<ICefRequestHandler> GetRequestHandler() override { return nullptr; }
  bool OnProcessMessageReceived(const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
                                cef_process_id_t, const CefRefPtr<ICefProcessMessage>&) override {
    return false;
  }
  void RemoveReferences() override {}

 protected:
  TCefClientOwn();
  ~TCefClientOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_CLIENT_OWN_H_
