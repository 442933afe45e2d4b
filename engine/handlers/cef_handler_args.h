#ifndef OSTREL_ENGINE_HANDLERS_CEF_HANDLER_ARGS_H_
#define OSTREL_ENGINE_HANDLERS_CEF_HANDLER_ARGS_H_

// Conversions of the arguments that the engine's handler callbacks pass by pointer for the
// handler to change. Each holder reads the engine's value when it is built and writes it back
// only on GiveBack, so it is built and given back inside the owner check: when the structure has
// no owner the engine's value stays as it was.
//
// In/out engine objects are the exception: the pointer carries a reference for the callee, so
// it is wrapped (ObjectInOut) before the owner check, like every other engine-object argument,
// and that reference is released whatever happens.

#include <type_traits>
#include <utility>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_api.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/core/engine_callback.h"
#include "engine/handlers/cef_resource_request_handler_own.h"
#include "engine/refs/cef_browser_ref.h"
#include "engine/refs/cef_frame_ref.h"
#include "engine/refs/cef_request_ref.h"

// Wraps `*slot` with `unwrap` (a reference wrapper's UnWrap), e.g.
// `auto extraInfo = ObjectInOut(extra_info, &TCefDictionaryValueRef::UnWrap);`
template <class S, class UnWrapFn>
auto ObjectInOut(S** slot, UnWrapFn unwrap) {
  auto object = unwrap(slot != nullptr ? *slot : nullptr);
  using I = typename std::remove_pointer_t<decltype(object.get())>;
  return TEngineObjectInOut<I, S>(slot, std::move(object));
}

// An object handed to the engine as a callback result: its structure with +1 for the engine.
template <class S, class T>
S* EngineResult(const CefRefPtr<T>& object) {
  return static_cast<S*>(EngineDataFromInterface(object));
}

// The engine's get-resource-request-handler callback, the same for the request handler and the
// request context handler (`Owner`, whose structure is `S`): the handler goes out with +1 for
// the engine; the disable-default-handling flag is an in/out Boolean.
template <class Owner, class S>
cef_resource_request_handler_t* CEF_CALLBACK GetResourceRequestHandlerCallback(
    S* self, cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, int is_navigation,
    int is_download, const cef_string_t* request_initiator, int* disable_default_handling) {
  const CefRefPtr<ICefBrowser> aBrowser = TCefBrowserRef::UnWrap(browser);
  const CefRefPtr<ICefFrame> aFrame = TCefFrameRef::UnWrap(frame);
  const CefRefPtr<ICefRequest> aRequest = TCefRequestRef::UnWrap(request);
  return WithOwner<Owner>(
      self, static_cast<cef_resource_request_handler_t*>(nullptr), [&](Owner& handler) {
        TEngineBoolInOut disableDefaultHandling(disable_default_handling);
        auto* result =
            EngineResult<cef_resource_request_handler_t>(handler.GetResourceRequestHandler(
                aBrowser, aFrame, aRequest, is_navigation != 0, is_download != 0,
                CopyEngineString(request_initiator), disableDefaultHandling.value));
        disableDefaultHandling.GiveBack();
        return result;
      });
}

#endif  // OSTREL_ENGINE_HANDLERS_CEF_HANDLER_ARGS_H_
