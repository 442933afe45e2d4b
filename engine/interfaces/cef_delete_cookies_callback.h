#ifndef OSTREL_ENGINE_INTERFACES_CEF_DELETE_COOKIES_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_DELETE_COOKIES_CALLBACK_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefDeleteCookiesCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void OnComplete(int /*numDeleted*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_DELETE_COOKIES_CALLBACK_H_
