#ifndef OSTREL_ENGINE_INTERFACES_CEF_COOKIE_ACCESS_FILTER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_COOKIE_ACCESS_FILTER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefBrowser;
class ICefFrame;
class ICefRequest;
class ICefResponse;

class ICefCookieAccessFilter : public virtual ICefBaseRefCounted {
 public:
  virtual bool CanSendCookie(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                             Ref<ICefRequest> /*request*/, const cef_cookie_t* /*cookie*/) {
    return true;
  }
  virtual bool CanSaveCookie(Ref<ICefBrowser> /*browser*/, Ref<ICefFrame> /*frame*/,
                             Ref<ICefRequest> /*request*/, Ref<ICefResponse> /*response*/,
                             const cef_cookie_t* /*cookie*/) {
    return true;
  }
  // Detaches the filter from whatever it reports to; later callbacks allow every cookie.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_COOKIE_ACCESS_FILTER_H_
