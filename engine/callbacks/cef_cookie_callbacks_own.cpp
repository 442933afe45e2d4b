#include "engine/callbacks/cef_cookie_callbacks_own.h"

namespace {

static_assert(sizeof(cef_delete_cookies_callback_t) == 48, "delete-cookies callback structure");
static_assert(sizeof(cef_set_cookie_callback_t) == 48, "set-cookie callback structure");
static_assert(sizeof(cef_cookie_visitor_t) == 48, "cookie visitor structure");

void CEF_CALLBACK OnDeleteCompleteCallback(cef_delete_cookies_callback_t* self, int num_deleted) {
  WithOwner<TCefDeleteCookiesCallbackOwn>(
      self, [&](TCefDeleteCookiesCallbackOwn& callback) { callback.OnComplete(num_deleted); });
}

void CEF_CALLBACK OnSetCompleteCallback(cef_set_cookie_callback_t* self, int success) {
  WithOwner<TCefSetCookieCallbackOwn>(
      self, [&](TCefSetCookieCallbackOwn& callback) { callback.OnComplete(success != 0); });
}

int CEF_CALLBACK VisitCallback(cef_cookie_visitor_t* self, const cef_cookie_t* cookie, int count,
                               int total, int* delete_cookie) {
  return WithOwner<TCefCookieVisitorOwn>(self, 0, [&](TCefCookieVisitorOwn& visitor) {
    // The engine always passes a record; without one there is nothing to visit, so stop.
    if (cookie == nullptr) return 0;
    bool deleteCookie = delete_cookie != nullptr && *delete_cookie != 0;
    const bool goOn = visitor.Visit(CookieFromEngine(*cookie), count, total, deleteCookie);
    if (delete_cookie != nullptr) *delete_cookie = EngineBool(deleteCookie);
    return EngineBool(goOn);
  });
}

}  // namespace

// ---- Delete cookies ----

TCefDeleteCookiesCallbackOwn::TCefDeleteCookiesCallbackOwn() {
  CreateData(sizeof(cef_delete_cookies_callback_t), false);
  Data<cef_delete_cookies_callback_t>()->on_complete = OnDeleteCompleteCallback;
}

// One deletion completes once.
void TCefFastDeleteCookiesCallback::OnComplete(int numDeleted) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(numDeleted);
}

// ---- Set cookie ----

TCefSetCookieCallbackOwn::TCefSetCookieCallbackOwn() {
  CreateData(sizeof(cef_set_cookie_callback_t), false);
  Data<cef_set_cookie_callback_t>()->on_complete = OnSetCompleteCallback;
}

void TCefFastSetCookieCallback::OnComplete(bool success) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(success);
}

// ---- Cookie visitor ----

TCefCookieVisitorOwn::TCefCookieVisitorOwn() {
  CreateData(sizeof(cef_cookie_visitor_t), false);
  Data<cef_cookie_visitor_t>()->visit = VisitCallback;
}

bool TCefFastCookieVisitor::Visit(const TCefCookie& cookie, int count, int total,
                                  bool& deleteCookie) {
  return FMethod ? FMethod(cookie, count, total, deleteCookie) : false;
}
