#ifndef OSTREL_ENGINE_CEF_RESOLVE_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CEF_RESOLVE_CALLBACK_OWN_H_

// Receives the addresses of a host name resolution. Handed to the engine with
// EngineDataFromInterface (+1).

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefResolveCallback : public virtual ICefBaseRefCounted {
 public:
  // `result` is ERR_NONE (0) on success. `resolvedIps` lives only during the call.
  virtual void OnResolveCompleted(cef_errorcode_t result,
                                  const std::vector<ustring>& resolvedIps) = 0;
};

class TCefResolveCallbackOwn : public TCefBaseRefCountedOwn, public ICefResolveCallback {
 public:
  void OnResolveCompleted(cef_errorcode_t /*result*/,
                          const std::vector<ustring>& /*resolvedIps*/) override {}

 protected:
  TCefResolveCallbackOwn();
  ~TCefResolveCallbackOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_RESOLVE_CALLBACK_OWN_H_
