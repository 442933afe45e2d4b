#ifndef OSTREL_ENGINE_HANDLERS_CEF_REQUEST_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_REQUEST_HANDLER_OWN_H_

// The engine's request handler: navigation decisions, the resource request handler of each
// request, authentication, quota and certificate questions, plug-in and renderer events.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/handlers/cef_resource_request_handler_own.h"
#include "engine/interfaces/cef_request_handler.h"

// By default every request and question goes the engine's way.
class TCefRequestHandlerOwn : public TCefBaseRefCountedOwn, public ICefRequestHandler {
 protected:
  TCefRequestHandlerOwn();
  ~TCefRequestHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_REQUEST_HANDLER_OWN_H_
