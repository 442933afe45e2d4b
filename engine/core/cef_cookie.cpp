#include "engine/core/cef_cookie.h"

#include "engine/core/cef_base_ref_counted.h"

TCefCookie CookieFromEngine(const cef_cookie_t& record) {
  TCefCookie cookie;
  cookie.name = CopyEngineString(&record.name);
  cookie.value = CopyEngineString(&record.value);
  cookie.domain = CopyEngineString(&record.domain);
  cookie.path = CopyEngineString(&record.path);
  cookie.secure = record.secure != 0;
  cookie.httponly = record.httponly != 0;
  cookie.creation = record.creation;
  cookie.last_access = record.last_access;
  cookie.has_expires = record.has_expires != 0;
  cookie.expires = record.expires;
  return cookie;
}

cef_cookie_t BorrowEngineCookie(const TCefCookie& cookie) noexcept {
  cef_cookie_t record{};
  record.name = BorrowEngineString(cookie.name);
  record.value = BorrowEngineString(cookie.value);
  record.domain = BorrowEngineString(cookie.domain);
  record.path = BorrowEngineString(cookie.path);
  record.secure = EngineBool(cookie.secure);
  record.httponly = EngineBool(cookie.httponly);
  record.creation = cookie.creation;
  record.last_access = cookie.last_access;
  record.has_expires = EngineBool(cookie.has_expires);
  record.expires = cookie.expires;
  return record;
}
