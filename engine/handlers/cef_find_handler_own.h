#ifndef OSTREL_ENGINE_HANDLERS_CEF_FIND_HANDLER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_FIND_HANDLER_OWN_H_

// The engine's find handler: results of a search in the page.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_find_handler.h"

class TCefFindHandlerOwn : public TCefBaseRefCountedOwn, public ICefFindHandler {
 protected:
  TCefFindHandlerOwn();
  ~TCefFindHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_FIND_HANDLER_OWN_H_
