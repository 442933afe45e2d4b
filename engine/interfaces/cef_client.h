#ifndef OSTREL_ENGINE_INTERFACES_CEF_CLIENT_H_
#define OSTREL_ENGINE_INTERFACES_CEF_CLIENT_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefBrowser;
class ICefContextMenuHandler;
class ICefDialogHandler;
class ICefDisplayHandler;
class ICefDownloadHandler;
class ICefDragHandler;
class ICefFindHandler;
class ICefFocusHandler;
class ICefFrame;
class ICefJsDialogHandler;
class ICefKeyboardHandler;
class ICefLifeSpanHandler;
class ICefLoadHandler;
class ICefProcessMessage;
class ICefRenderHandler;
class ICefRequestHandler;

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

#endif  // OSTREL_ENGINE_INTERFACES_CEF_CLIENT_H_
