#ifndef OSTREL_ENGINE_HANDLERS_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_

// The engine's resource request handler: one network request from start to end, on the engine's
// IO thread. `browser` and `frame` are null for requests that belong to no browser.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/handlers/cef_cookie_access_filter_own.h"
#include "engine/interfaces/cef_resource_request_handler.h"

// By default every request goes its usual way: no filter, continue, no handler, no change.
class TCefResourceRequestHandlerOwn : public TCefBaseRefCountedOwn,
                                      public ICefResourceRequestHandler {
 protected:
  TCefResourceRequestHandlerOwn();
  ~TCefResourceRequestHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_RESOURCE_REQUEST_HANDLER_OWN_H_
