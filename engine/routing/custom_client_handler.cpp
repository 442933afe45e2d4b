#include "engine/routing/custom_client_handler.h"

#include "engine/routing/custom_handlers.h"
#include "engine/routing/custom_request_handlers.h"

namespace {

template <class Handler>
CefRefPtr<Handler> CreateIf(bool wanted, IChromiumEvents* events) {
  return wanted ? MakeRefCounted<Handler>(events) : nullptr;
}

// RemoveReferences of every handler that exists, in argument order.
template <class... Handlers>
void DetachEach(const Handlers&... handlers) {
  ((handlers ? handlers->RemoveReferences() : void()), ...);
}

}  // namespace

// The predicates are asked in this order, each once: the control may count on it.
TCustomClientHandler::TCustomClientHandler(IChromiumEvents* events, bool aDevToolsClient)
    : FEvents(events) {
  if (events == nullptr) return;
  if (aDevToolsClient) {
    FKeyboardHandler = CreateIf<TCustomKeyboardHandler>(events->WantsKeyboardHandler(), events);
    return;
  }
  FLoadHandler = CreateIf<TCustomLoadHandler>(events->WantsLoadHandler(), events);
  FFocusHandler = CreateIf<TCustomFocusHandler>(events->WantsFocusHandler(), events);
  FContextMenuHandler =
      CreateIf<TCustomContextMenuHandler>(events->WantsContextMenuHandler(), events);
  FDialogHandler = CreateIf<TCustomDialogHandler>(events->WantsDialogHandler(), events);
  FKeyboardHandler = CreateIf<TCustomKeyboardHandler>(events->WantsKeyboardHandler(), events);
  FDisplayHandler = CreateIf<TCustomDisplayHandler>(events->WantsDisplayHandler(), events);
  FDownloadHandler = CreateIf<TCustomDownloadHandler>(events->WantsDownloadHandler(), events);
  FJsDialogHandler = CreateIf<TCustomJsDialogHandler>(events->WantsJsDialogHandler(), events);
  FLifeSpanHandler = CreateIf<TCustomLifeSpanHandler>(events->WantsLifeSpanHandler(), events);
  FRenderHandler = CreateIf<TCustomRenderHandler>(events->WantsRenderHandler(), events);
  FRequestHandler = CreateIf<TCustomRequestHandler>(events->WantsRequestHandler(), events);
  FDragHandler = CreateIf<TCustomDragHandler>(events->WantsDragHandler(), events);
  FFindHandler = CreateIf<TCustomFindHandler>(events->WantsFindHandler(), events);
}

// Handlers the engine still holds must not report to a control that may be gone by then.
TCustomClientHandler::~TCustomClientHandler() { RemoveReferences(); }

bool TCustomClientHandler::OnProcessMessageReceived(const CefRefPtr<ICefBrowser>& browser,
                                                    const CefRefPtr<ICefFrame>& frame,
                                                    cef_process_id_t sourceProcess,
                                                    const CefRefPtr<ICefProcessMessage>& message) {
  IChromiumEvents* events = FEvents.load();
  if (events == nullptr) {
    return TCefClientOwn::OnProcessMessageReceived(browser, frame, sourceProcess, message);
  }
  return events->HandleProcessMessageReceived(browser, frame, sourceProcess, message);
}

void TCustomClientHandler::RemoveReferences() {
  FEvents.store(nullptr);
  DetachEach(FLoadHandler, FFocusHandler, FContextMenuHandler, FDialogHandler, FKeyboardHandler,
             FDisplayHandler, FDownloadHandler, FJsDialogHandler, FLifeSpanHandler, FRenderHandler,
             FRequestHandler, FDragHandler, FFindHandler);
}
