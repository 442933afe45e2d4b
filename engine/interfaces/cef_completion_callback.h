#ifndef OSTREL_ENGINE_INTERFACES_CEF_COMPLETION_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_COMPLETION_CALLBACK_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefCompletionCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void OnComplete() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_COMPLETION_CALLBACK_H_
