#ifndef OSTREL_ENGINE_INTERFACES_CEF_SET_COOKIE_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_SET_COOKIE_CALLBACK_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefSetCookieCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void OnComplete(bool /*success*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_SET_COOKIE_CALLBACK_H_
