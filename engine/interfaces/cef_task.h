#ifndef OSTREL_ENGINE_INTERFACES_CEF_TASK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_TASK_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefTask : public virtual ICefBaseRefCounted {
 public:
  virtual void Execute() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_TASK_H_
