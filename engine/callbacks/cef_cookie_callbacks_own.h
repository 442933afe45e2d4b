#ifndef OSTREL_ENGINE_CALLBACKS_CEF_COOKIE_CALLBACKS_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_COOKIE_CALLBACKS_OWN_H_

// The callbacks of the engine's cookie manager: deleting cookies, setting one, and visiting
// every cookie. Each is handed to the engine with EngineDataFromInterface (+1). The cookie
// record's times stay in the engine's UTC time record.

#include <functional>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_cookie_visitor.h"
#include "engine/interfaces/cef_delete_cookies_callback.h"
#include "engine/interfaces/cef_set_cookie_callback.h"

// ---- Delete cookies ----

class TCefDeleteCookiesCallbackOwn : public TCefBaseRefCountedOwn,
                                     public ICefDeleteCookiesCallback {
 protected:
  TCefDeleteCookiesCallbackOwn();
  ~TCefDeleteCookiesCallbackOwn() override = default;
};

class TCefFastDeleteCookiesCallback final : public TCefDeleteCookiesCallbackOwn {
 public:
  using TProc = std::function<void(int numDeleted)>;
  explicit TCefFastDeleteCookiesCallback(TProc method) : FMethod(std::move(method)) {}

  void OnComplete(int numDeleted) override;

 private:
  ~TCefFastDeleteCookiesCallback() override = default;

  TProc FMethod;
};

// ---- Set cookie ----

class TCefSetCookieCallbackOwn : public TCefBaseRefCountedOwn, public ICefSetCookieCallback {
 protected:
  TCefSetCookieCallbackOwn();
  ~TCefSetCookieCallbackOwn() override = default;
};

class TCefFastSetCookieCallback final : public TCefSetCookieCallbackOwn {
 public:
  using TProc = std::function<void(bool success)>;
  explicit TCefFastSetCookieCallback(TProc method) : FMethod(std::move(method)) {}

  void OnComplete(bool success) override;

 private:
  ~TCefFastSetCookieCallback() override = default;

  TProc FMethod;
};

// ---- Cookie visitor ----

// Visit stops the walk by default.
class TCefCookieVisitorOwn : public TCefBaseRefCountedOwn, public ICefCookieVisitor {
 public:
  bool Visit(const TCefCookie& /*cookie*/, int /*count*/, int /*total*/,
             bool& /*deleteCookie*/) override {
    return false;
  }

 protected:
  TCefCookieVisitorOwn();
  ~TCefCookieVisitorOwn() override = default;
};

class TCefFastCookieVisitor final : public TCefCookieVisitorOwn {
 public:
  using TProc =
      std::function<bool(const TCefCookie& cookie, int count, int total, bool& deleteCookie)>;
  explicit TCefFastCookieVisitor(TProc method) : FMethod(std::move(method)) {}

  bool Visit(const TCefCookie& cookie, int count, int total, bool& deleteCookie) override;

 private:
  ~TCefFastCookieVisitor() override = default;

  TProc FMethod;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_COOKIE_CALLBACKS_OWN_H_
