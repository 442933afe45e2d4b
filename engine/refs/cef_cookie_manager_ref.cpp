#include "engine/refs/cef_cookie_manager_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"

CefRefPtr<ICefCookieManager> TCefCookieManagerRef::Global(Ref<ICefCompletionCallback> callback) {
  return CallEntryPoint(cef_cookie_manager_get_global_manager, callback);
}

void TCefCookieManagerRef::SetSupportedSchemes(const std::vector<ustring>& schemes,
                                               bool includeDefaults,
                                               Ref<ICefCompletionCallback> callback) {
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return;
  list->AddStringsFrom(schemes);
  CallEngine(Engine(), &cef_cookie_manager_t::set_supported_schemes, list->GetHandle(),
             includeDefaults, callback);
}

bool TCefCookieManagerRef::VisitAllCookies(Ref<ICefCookieVisitor> visitor) {
  return CallEngine(Engine(), &cef_cookie_manager_t::visit_all_cookies, visitor) != 0;
}

bool TCefCookieManagerRef::VisitUrlCookies(const ustring& url, bool includeHttpOnly,
                                           Ref<ICefCookieVisitor> visitor) {
  return CallEngine(Engine(), &cef_cookie_manager_t::visit_url_cookies, url, includeHttpOnly,
                    visitor) != 0;
}

bool TCefCookieManagerRef::SetCookie(const ustring& url, const cef_cookie_t& cookie,
                                     Ref<ICefSetCookieCallback> callback) {
  return CallEngine(Engine(), &cef_cookie_manager_t::set_cookie, url, &cookie, callback) != 0;
}

bool TCefCookieManagerRef::DeleteCookies(const ustring& url, const ustring& cookieName,
                                         Ref<ICefDeleteCookiesCallback> callback) {
  return CallEngine(Engine(), &cef_cookie_manager_t::delete_cookies, url, cookieName, callback) !=
         0;
}

bool TCefCookieManagerRef::FlushStore(Ref<ICefCompletionCallback> callback) {
  return CallEngine(Engine(), &cef_cookie_manager_t::flush_store, callback) != 0;
}
