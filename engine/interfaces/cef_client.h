#ifndef OSTREL_ENGINE_INTERFACES_CEF_CLIENT_H_
#define OSTREL_ENGINE_INTERFACES_CEF_CLIENT_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_context_menu_handler.h"
#include "engine/interfaces/cef_dialog_handler.h"
#include "engine/interfaces/cef_display_handler.h"
#include "engine/interfaces/cef_download_handler.h"
#include "engine/interfaces/cef_drag_handler.h"
#include "engine/interfaces/cef_find_handler.h"
#include "engine/interfaces/cef_focus_handler.h"
#include "engine/interfaces/cef_jsdialog_handler.h"
#include "engine/interfaces/cef_keyboard_handler.h"
#include "engine/interfaces/cef_life_span_handler.h"
#include "engine/interfaces/cef_load_handler.h"
#include "engine/interfaces/cef_render_handler.h"
#include "engine/interfaces/cef_request_handler.h"

class ICefBrowser;
class ICefFrame;
class ICefProcessMessage;

// The getters are in the engine's order. Each handler a getter returns goes to the engine with a
// reference of its own; null means the engine's default behaviour for that area.
class ICefClient : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefContextMenuHandler> GetContextMenuHandler() { return nullptr; }
  virtual CefRefPtr<ICefDialogHandler> GetDialogHandler() { return nullptr; }
  virtual CefRefPtr<ICefDisplayHandler> GetDisplayHandler() { return nullptr; }
  virtual CefRefPtr<ICefDownloadHandler> GetDownloadHandler() { return nullptr; }
  virtual CefRefPtr<ICefDragHandler> GetDragHandler() { return nullptr; }
  virtual CefRefPtr<ICefFindHandler> GetFindHandler() { return nullptr; }
  virtual CefRefPtr<ICefFocusHandler> GetFocusHandler() { return nullptr; }
  virtual CefRefPtr<ICefJsDialogHandler> GetJsdialogHandler() { return nullptr; }
  virtual CefRefPtr<ICefKeyboardHandler> GetKeyboardHandler() { return nullptr; }
  virtual CefRefPtr<ICefLifeSpanHandler> GetLifeSpanHandler() { return nullptr; }
  virtual CefRefPtr<ICefLoadHandler> GetLoadHandler() { return nullptr; }
  virtual CefRefPtr<ICefRenderHandler> GetRenderHandler() { return nullptr; }
  virtual CefRefPtr<ICefRequestHandler> GetRequestHandler() { return nullptr; }
  // True: the message was handled here.
  virtual bool OnProcessMessageReceived(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                                        cef_process_id_t /*sourceProcess*/,
                                        Ref<ICefProcessMessage> /*message*/) {
    return false;
  }
  // Detaches the client and its handlers from whatever they report to.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_CLIENT_H_
