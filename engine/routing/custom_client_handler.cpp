#include "engine/routing/custom_client_handler.h"

#include "engine/routing/custom_handlers.h"
#include "engine/routing/custom_request_handlers.h"

namespace {

template <class Handler>
CefRefPtr<Handler> CreateIf(bool wanted, Ref<TChromiumEventsLink> events) {
  return wanted ? MakeRefCounted<Handler>(events) : nullptr;
}

}  // namespace

// The predicates are asked in this order, each once: the control may count on it.
TCustomClientHandler::TCustomClientHandler(IChromiumEvents* control, bool aDevToolsClient)
    : FEvents(MakeRefCounted<TChromiumEventsLink>(control)) {
  if (control == nullptr) return;
  if (aDevToolsClient) {
    FKeyboardHandler = CreateIf<TCustomKeyboardHandler>(control->WantsKeyboardHandler(), FEvents);
    return;
  }
  FLoadHandler = CreateIf<TCustomLoadHandler>(control->WantsLoadHandler(), FEvents);
  FFocusHandler = CreateIf<TCustomFocusHandler>(control->WantsFocusHandler(), FEvents);
  FContextMenuHandler =
      CreateIf<TCustomContextMenuHandler>(control->WantsContextMenuHandler(), FEvents);
  FDialogHandler = CreateIf<TCustomDialogHandler>(control->WantsDialogHandler(), FEvents);
  FKeyboardHandler = CreateIf<TCustomKeyboardHandler>(control->WantsKeyboardHandler(), FEvents);
  FDisplayHandler = CreateIf<TCustomDisplayHandler>(control->WantsDisplayHandler(), FEvents);
  FDownloadHandler = CreateIf<TCustomDownloadHandler>(control->WantsDownloadHandler(), FEvents);
  FJsDialogHandler = CreateIf<TCustomJsDialogHandler>(control->WantsJsDialogHandler(), FEvents);
  FLifeSpanHandler = CreateIf<TCustomLifeSpanHandler>(control->WantsLifeSpanHandler(), FEvents);
  FRenderHandler = CreateIf<TCustomRenderHandler>(control->WantsRenderHandler(), FEvents);
  FRequestHandler = CreateIf<TCustomRequestHandler>(control->WantsRequestHandler(), FEvents);
  FDragHandler = CreateIf<TCustomDragHandler>(control->WantsDragHandler(), FEvents);
  FFindHandler = CreateIf<TCustomFindHandler>(control->WantsFindHandler(), FEvents);
}

// Handlers the engine still holds must not report to a control that may be gone by then.
TCustomClientHandler::~TCustomClientHandler() { RemoveReferences(); }

bool TCustomClientHandler::OnProcessMessageReceived(Ref<ICefBrowser> browser, Ref<ICefFrame> frame,
                                                    cef_process_id_t sourceProcess,
                                                    Ref<ICefProcessMessage> message) {
  return FEvents->Forward(
      [&](IChromiumEvents& events) {
        return events.HandleProcessMessageReceived(browser, frame, sourceProcess, message);
      },
      [&] {
        return TCefClientOwn::OnProcessMessageReceived(browser, frame, sourceProcess, message);
      });
}

// Every handler of this client shares the link: one detach reaches them all.
void TCustomClientHandler::RemoveReferences() { FEvents->Detach(); }
