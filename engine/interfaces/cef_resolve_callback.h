#ifndef OSTREL_ENGINE_INTERFACES_CEF_RESOLVE_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_RESOLVE_CALLBACK_H_

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefResolveCallback : public virtual ICefBaseRefCounted {
 public:
  // `result` is ERR_NONE (0) on success. `resolvedIps` lives only during the call.
  virtual void OnResolveCompleted(cef_errorcode_t /*result*/,
                                  const std::vector<ustring>& /*resolvedIps*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_RESOLVE_CALLBACK_H_
