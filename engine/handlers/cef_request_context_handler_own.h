#ifndef OSTREL_ENGINE_HANDLERS_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_

// The engine's request context handler: the context is ready, plug-in policy, and the resource
// request handler of requests the browser's own handler left alone.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/handlers/cef_resource_request_handler_own.h"
#include "engine/interfaces/cef_request_context_handler.h"

// By default the engine's policies apply and no handler is supplied.
class TCefRequestContextHandlerOwn : public TCefBaseRefCountedOwn,
                                     public ICefRequestContextHandler {
 protected:
  TCefRequestContextHandlerOwn();
  ~TCefRequestContextHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_REQUEST_CONTEXT_HANDLER_OWN_H_
