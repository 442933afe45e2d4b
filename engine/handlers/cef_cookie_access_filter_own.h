#ifndef OSTREL_ENGINE_HANDLERS_CEF_COOKIE_ACCESS_FILTER_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_COOKIE_ACCESS_FILTER_OWN_H_

// The engine's cookie access filter: may a request send a cookie, may a response save one.
// Called on the engine's IO thread. `browser` and `frame` are null for requests that belong to
// no browser; the cookie record is the engine's, lent for the call.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_cookie_access_filter.h"

// Allows every cookie by default: the engine's own behaviour without a filter, so a filter that
// has nothing to say (or no owner any more) changes nothing.
class TCefCookieAccessFilterOwn : public TCefBaseRefCountedOwn, public ICefCookieAccessFilter {
 protected:
  TCefCookieAccessFilterOwn();
  ~TCefCookieAccessFilterOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_COOKIE_ACCESS_FILTER_OWN_H_
