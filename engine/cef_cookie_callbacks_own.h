#ifndef OSTREL_ENGINE_CEF_COOKIE_CALLBACKS_OWN_H_
#define OSTREL_ENGINE_CEF_COOKIE_CALLBACKS_OWN_H_

// The callbacks of the engine's cookie manager: deleting cookies, setting one, and visiting
// every cookie. Each is handed to the engine with EngineDataFromInterface (+1). The cookie
// record's times stay in the engine's UTC time record.

#include <functional>

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

// The program's copy of the engine's cookie record.
struct TCefCookie {
  ustring name;
  ustring value;
  ustring domain;
  ustring path;
  bool secure = false;
  bool httponly = false;
  cef_time_t creation{};
  cef_time_t last_access{};
  bool has_expires = false;
  cef_time_t expires{};
};

// A copy of `record` (empty strings for absent ones).
TCefCookie CookieFromEngine(const cef_cookie_t& record);
// A record borrowing `cookie`'s strings: valid while `cookie` lives unchanged.
cef_cookie_t BorrowEngineCookie(const TCefCookie& cookie) noexcept;
cef_cookie_t BorrowEngineCookie(const TCefCookie&& cookie) = delete;

// ---- Delete cookies ----

class ICefDeleteCookiesCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void OnComplete(int numDeleted) = 0;
};

class TCefDeleteCookiesCallbackOwn : public TCefBaseRefCountedOwn,
                                     public ICefDeleteCookiesCallback {
 public:
  void OnComplete(int /*numDeleted*/) override {}

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

class ICefSetCookieCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void OnComplete(bool success) = 0;
};

class TCefSetCookieCallbackOwn : public TCefBaseRefCountedOwn, public ICefSetCookieCallback {
 public:
  void OnComplete(bool /*success*/) override {}

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

class ICefCookieVisitor : public virtual ICefBaseRefCounted {
 public:
  // `count` is the 0-based index of `cookie` among `total`. Setting `deleteCookie` deletes it;
  // returning false stops the walk.
  virtual bool Visit(const TCefCookie& cookie, int count, int total, bool& deleteCookie) = 0;
};

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

#endif  // OSTREL_ENGINE_CEF_COOKIE_CALLBACKS_OWN_H_
