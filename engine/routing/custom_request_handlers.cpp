#include "engine/routing/custom_request_handlers.h"

TCustomResourceRequestHandler::TCustomResourceRequestHandler(CefRefPtr<TChromiumEventsLink> events)
    : TCustomHandler(std::move(events)) {
  IChromiumEvents* control = FEvents->Get();
  if (control != nullptr && control->WantsCookieAccessFilter()) {
    FCookieAccessFilter = MakeRefCounted<TCustomCookieAccessFilter>(FEvents);
  }
}

// The filter is offered only while attached: detached, it would let everything through anyway.
CefRefPtr<ICefCookieAccessFilter> TCustomResourceRequestHandler::GetCookieAccessFilter(
    Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request) {
  if (FEvents->Get() != nullptr) return FCookieAccessFilter;
  return Own::GetCookieAccessFilter(browser, frame, request);
}

TCustomRequestHandler::TCustomRequestHandler(CefRefPtr<TChromiumEventsLink> events)
    : TCustomHandler(std::move(events)) {
  IChromiumEvents* control = FEvents->Get();
  if (control != nullptr && control->WantsResourceRequestHandler()) {
    FResourceRequestHandler = MakeRefCounted<TCustomResourceRequestHandler>(FEvents);
  }
}

// The control sees every request first; unless it clears `useInternalHandler` the engine gets
// this handler's own resource request handler (null when the control wanted none).
CefRefPtr<ICefResourceRequestHandler> TCustomRequestHandler::GetResourceRequestHandler(
    Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request, bool isNavigation,
    bool isDownload, const ustring& requestInitiator, bool& disableDefaultHandling) {
  return FEvents->Forward(
      [&](IChromiumEvents& events) {
        CefRefPtr<ICefResourceRequestHandler> handler;
        bool useInternalHandler = true;
        events.HandleGetResourceRequestHandler(browser, frame, request, isNavigation, isDownload,
                                               requestInitiator, disableDefaultHandling, handler,
                                               useInternalHandler);
        return useInternalHandler ? FResourceRequestHandler : handler;
      },
      [&] {
        return Own::GetResourceRequestHandler(browser, frame, request, isNavigation, isDownload,
                                              requestInitiator, disableDefaultHandling);
      });
}

CefRefPtr<ICefResourceRequestHandler> TCustomRequestContextHandler::GetResourceRequestHandler(
    Ref<ICefBrowser> browser, Ref<ICefFrame> frame, Ref<ICefRequest> request, bool isNavigation,
    bool isDownload, const ustring& requestInitiator, bool& disableDefaultHandling) {
  return FEvents->Forward(
      [&](IChromiumEvents& events) {
        CefRefPtr<ICefResourceRequestHandler> handler;
        events.HandleContextGetResourceRequestHandler(browser, frame, request, isNavigation,
                                                      isDownload, requestInitiator,
                                                      disableDefaultHandling, handler);
        return handler;
      },
      [&] {
        return Own::GetResourceRequestHandler(browser, frame, request, isNavigation, isDownload,
                                              requestInitiator, disableDefaultHandling);
      });
}
