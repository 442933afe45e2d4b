#include "engine/callbacks/cef_cookie_callbacks_own.h"

#include "engine/core/engine_callback.h"

namespace {

int CEF_CALLBACK VisitCallback(cef_cookie_visitor_t* self, const cef_cookie_t* cookie, int count,
                               int total, int* delete_cookie) {
  return WithOwner<TCefCookieVisitorOwn>(
      L"ICefCookieVisitor.Visit", self, 0, [&](TCefCookieVisitorOwn& visitor) {
        // The engine always passes a record; without one there is nothing to visit, so stop.
        if (cookie == nullptr) return 0;
        TEngineBoolInOut deleteCookie(delete_cookie);
        const bool goOn =
            visitor.Visit(CookieFromEngine(*cookie), count, total, deleteCookie.value);
        deleteCookie.GiveBack();
        return EngineBool(goOn);
      });
}

}  // namespace

// ---- Delete cookies ----

TCefDeleteCookiesCallbackOwn::TCefDeleteCookiesCallbackOwn() {
  BindCallback<&TCefDeleteCookiesCallbackOwn::OnComplete>(
      CreateData<cef_delete_cookies_callback_t>()->on_complete);
}

// One deletion completes once.
void TCefFastDeleteCookiesCallback::OnComplete(int numDeleted) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(numDeleted);
}

// ---- Set cookie ----

TCefSetCookieCallbackOwn::TCefSetCookieCallbackOwn() {
  BindCallback<&TCefSetCookieCallbackOwn::OnComplete>(
      CreateData<cef_set_cookie_callback_t>()->on_complete);
}

void TCefFastSetCookieCallback::OnComplete(bool success) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(success);
}

// ---- Cookie visitor ----

TCefCookieVisitorOwn::TCefCookieVisitorOwn() {
  CreateData<cef_cookie_visitor_t>()->visit = VisitCallback;
}

bool TCefFastCookieVisitor::Visit(const TCefCookie& cookie, int count, int total,
                                  bool& deleteCookie) {
  return FMethod ? FMethod(cookie, count, total, deleteCookie) : false;
}
