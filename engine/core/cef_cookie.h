#ifndef OSTREL_ENGINE_CORE_CEF_COOKIE_H_
#define OSTREL_ENGINE_CORE_CEF_COOKIE_H_

// The engine's cookie record and the program's copy of it. The record's times stay in the
// engine's UTC time record.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_string.h"

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

#endif  // OSTREL_ENGINE_CORE_CEF_COOKIE_H_
