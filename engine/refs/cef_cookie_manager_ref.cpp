#include "engine/refs/cef_cookie_manager_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"

CefRefPtr<ICefCookieManager> TCefCookieManagerRef::Global(
    const CefRefPtr<ICefCompletionCallback>& callback) {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(
      cef_cookie_manager_get_global_manager(HandToEngine<cef_completion_callback_t>(callback)));
}

void TCefCookieManagerRef::SetSupportedSchemes(const std::vector<ustring>& schemes,
                                               bool includeDefaults,
                                               const CefRefPtr<ICefCompletionCallback>& callback) {
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return;
  list->AddStringsFrom(schemes);
  CallEngine(Engine(), &cef_cookie_manager_t::set_supported_schemes, list->GetHandle(),
             EngineBool(includeDefaults), HandToEngine<cef_completion_callback_t>(callback));
}

bool TCefCookieManagerRef::VisitAllCookies(const CefRefPtr<ICefCookieVisitor>& visitor) {
  return CallEngine(Engine(), &cef_cookie_manager_t::visit_all_cookies,
                    HandToEngine<cef_cookie_visitor_t>(visitor)) != 0;
}

bool TCefCookieManagerRef::VisitUrlCookies(const ustring& url, bool includeHttpOnly,
                                           const CefRefPtr<ICefCookieVisitor>& visitor) {
  const cef_string_t borrowed_url = BorrowEngineString(url);
  return CallEngine(Engine(), &cef_cookie_manager_t::visit_url_cookies, &borrowed_url,
                    EngineBool(includeHttpOnly), HandToEngine<cef_cookie_visitor_t>(visitor)) != 0;
}

bool TCefCookieManagerRef::SetCookie(const ustring& url, const cef_cookie_t& cookie,
                                     const CefRefPtr<ICefSetCookieCallback>& callback) {
  const cef_string_t borrowed_url = BorrowEngineString(url);
  return CallEngine(Engine(), &cef_cookie_manager_t::set_cookie, &borrowed_url, &cookie,
                    HandToEngine<cef_set_cookie_callback_t>(callback)) != 0;
}

bool TCefCookieManagerRef::DeleteCookies(const ustring& url, const ustring& cookieName,
                                         const CefRefPtr<ICefDeleteCookiesCallback>& callback) {
  const cef_string_t borrowed_url = BorrowEngineString(url);
  const cef_string_t borrowed_cookie_name = BorrowEngineString(cookieName);
  return CallEngine(Engine(), &cef_cookie_manager_t::delete_cookies, &borrowed_url,
                    &borrowed_cookie_name,
                    HandToEngine<cef_delete_cookies_callback_t>(callback)) != 0;
}

bool TCefCookieManagerRef::FlushStore(const CefRefPtr<ICefCompletionCallback>& callback) {
  return CallEngine(Engine(), &cef_cookie_manager_t::flush_store,
                    HandToEngine<cef_completion_callback_t>(callback)) != 0;
}
