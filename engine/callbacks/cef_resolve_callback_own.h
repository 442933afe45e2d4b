#ifndef OSTREL_ENGINE_CALLBACKS_CEF_RESOLVE_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_RESOLVE_CALLBACK_OWN_H_

// Receives the addresses of a host name resolution. Handed to the engine with
// EngineDataFromInterface (+1).

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_resolve_callback.h"

class TCefResolveCallbackOwn : public TCefBaseRefCountedOwn, public ICefResolveCallback {
 protected:
  TCefResolveCallbackOwn();
  ~TCefResolveCallbackOwn() override = default;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_RESOLVE_CALLBACK_OWN_H_
