#ifndef OSTREL_ENGINE_INTERFACES_CEF_COOKIE_VISITOR_H_
#define OSTREL_ENGINE_INTERFACES_CEF_COOKIE_VISITOR_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_cookie.h"

class ICefCookieVisitor : public virtual ICefBaseRefCounted {
 public:
  // `count` is the 0-based index of `cookie` among `total`. Setting `deleteCookie` deletes it;
  // returning false stops the walk.
  virtual bool Visit(const TCefCookie& cookie, int count, int total, bool& deleteCookie) = 0;
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_COOKIE_VISITOR_H_
