#ifndef OSTREL_ENGINE_REFS_CEF_COOKIE_MANAGER_REF_H_
#define OSTREL_ENGINE_REFS_CEF_COOKIE_MANAGER_REF_H_

// The engine's cookie store. The callbacks and visitors are program objects (owned wrappers)
// handed to the engine with one added reference; null where the engine allows none.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_completion_callback.h"
#include "engine/interfaces/cef_cookie_visitor.h"
#include "engine/interfaces/cef_delete_cookies_callback.h"
#include "engine/interfaces/cef_set_cookie_callback.h"

class ICefCookieManager : public virtual ICefBaseRefCounted {
 public:
  virtual void SetSupportedSchemes(const std::vector<ustring>& schemes, bool includeDefaults,
                                   Ref<ICefCompletionCallback> callback) = 0;
  virtual bool VisitAllCookies(Ref<ICefCookieVisitor> visitor) = 0;
  virtual bool VisitUrlCookies(const ustring& url, bool includeHttpOnly,
                               Ref<ICefCookieVisitor> visitor) = 0;
  virtual bool SetCookie(const ustring& url, const cef_cookie_t& cookie,
                         Ref<ICefSetCookieCallback> callback) = 0;
  virtual bool DeleteCookies(const ustring& url, const ustring& cookieName,
                             Ref<ICefDeleteCookiesCallback> callback) = 0;
  virtual bool FlushStore(Ref<ICefCompletionCallback> callback) = 0;
};

class TCefCookieManagerRef final
    : public TCefRefBase<TCefCookieManagerRef, ICefCookieManager, cef_cookie_manager_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // The global cookie manager; `callback`, when given, runs once its store is ready. Null
  // before the library is loaded.
  static CefRefPtr<ICefCookieManager> Global(Ref<ICefCompletionCallback> callback);

  void SetSupportedSchemes(const std::vector<ustring>& schemes, bool includeDefaults,
                           Ref<ICefCompletionCallback> callback) override;
  bool VisitAllCookies(Ref<ICefCookieVisitor> visitor) override;
  bool VisitUrlCookies(const ustring& url, bool includeHttpOnly,
                       Ref<ICefCookieVisitor> visitor) override;
  bool SetCookie(const ustring& url, const cef_cookie_t& cookie,
                 Ref<ICefSetCookieCallback> callback) override;
  bool DeleteCookies(const ustring& url, const ustring& cookieName,
                     Ref<ICefDeleteCookiesCallback> callback) override;
  bool FlushStore(Ref<ICefCompletionCallback> callback) override;

 private:
  ~TCefCookieManagerRef() override = default;
};

inline CefRefPtr<ICefCookieManager> UnWrapEngine(cef_cookie_manager_t* data) {
  return TCefCookieManagerRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_COOKIE_MANAGER_REF_H_
