#ifndef OSTREL_ENGINE_ROUTING_CUSTOM_CLIENT_HANDLER_H_
#define OSTREL_ENGINE_ROUTING_CUSTOM_CLIENT_HANDLER_H_

// The client a browser control hands to the engine for its browser: it creates the handler
// objects the control has events for and offers them through the engine's getters.
//
// Ownership: the engine holds the client (and whatever handlers it fetched); the client holds
// its handlers; every handler points at the control only (not counted), never back at the
// client, so nothing keeps itself alive. Before the control goes away it calls
// RemoveReferences; from then on every callback the engine still makes answers neutrally.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/handlers/cef_client_own.h"
#include "engine/routing/chromium_events.h"
#include "engine/routing/custom_handlers.h"

class TCustomClientHandler final : public TCefClientOwn {
 public:
  // Asks `events` which handlers to create, once. A null `events` gives a client without
  // handlers; a developer-tools client gets at most the keyboard handler.
  TCustomClientHandler(IChromiumEvents* control, bool aDevToolsClient);

  CefRefPtr<ICefContextMenuHandler> GetContextMenuHandler() override { return FContextMenuHandler; }
  CefRefPtr<ICefDialogHandler> GetDialogHandler() override { return FDialogHandler; }
  CefRefPtr<ICefDisplayHandler> GetDisplayHandler() override { return FDisplayHandler; }
  CefRefPtr<ICefDownloadHandler> GetDownloadHandler() override { return FDownloadHandler; }
  CefRefPtr<ICefDragHandler> GetDragHandler() override { return FDragHandler; }
  CefRefPtr<ICefFindHandler> GetFindHandler() override { return FFindHandler; }
  CefRefPtr<ICefFocusHandler> GetFocusHandler() override { return FFocusHandler; }
  CefRefPtr<ICefJsDialogHandler> GetJsdialogHandler() override { return FJsDialogHandler; }
  CefRefPtr<ICefKeyboardHandler> GetKeyboardHandler() override { return FKeyboardHandler; }
  CefRefPtr<ICefLifeSpanHandler> GetLifeSpanHandler() override { return FLifeSpanHandler; }
  CefRefPtr<ICefLoadHandler> GetLoadHandler() override { return FLoadHandler; }
  CefRefPtr<ICefRenderHandler> GetRenderHandler() override { return FRenderHandler; }
  CefRefPtr<ICefRequestHandler> GetRequestHandler() override { return FRequestHandler; }

  bool OnProcessMessageReceived(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                cef_process_id_t sourceProcess,
                                Ref<ICefProcessMessage> message) override;

  // Detaches the client and every handler it created from the control.
  void RemoveReferences() override;
  // The link the control waits on before it goes away.
  Ref<TChromiumEventsLink> EventsLink() const noexcept { return FEvents; }

 private:
  ~TCustomClientHandler() override;

  // Shared with every handler below; detached by RemoveReferences, possibly during a callback.
  const CefRefPtr<TChromiumEventsLink> FEvents;
  // Set in the constructor only, so engine threads may read them without a lock.
  CefRefPtr<ICefLoadHandler> FLoadHandler;
  CefRefPtr<ICefFocusHandler> FFocusHandler;
  CefRefPtr<ICefContextMenuHandler> FContextMenuHandler;
  CefRefPtr<ICefDialogHandler> FDialogHandler;
  CefRefPtr<ICefKeyboardHandler> FKeyboardHandler;
  CefRefPtr<ICefDisplayHandler> FDisplayHandler;
  CefRefPtr<ICefDownloadHandler> FDownloadHandler;
  CefRefPtr<ICefJsDialogHandler> FJsDialogHandler;
  CefRefPtr<ICefLifeSpanHandler> FLifeSpanHandler;
  CefRefPtr<ICefRenderHandler> FRenderHandler;
  CefRefPtr<ICefRequestHandler> FRequestHandler;
  CefRefPtr<ICefDragHandler> FDragHandler;
  CefRefPtr<ICefFindHandler> FFindHandler;
};

#endif  // OSTREL_ENGINE_ROUTING_CUSTOM_CLIENT_HANDLER_H_
