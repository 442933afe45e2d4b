#include "engine/refs/cef_request_context_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/core/cef_string_collections.h"
#include "engine/refs/cef_cookie_manager_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_value_ref.h"

CefRefPtr<ICefRequestContext> TCefRequestContextRef::Global() {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_request_context_get_global_context());
}

CefRefPtr<ICefRequestContext> TCefRequestContextRef::New(
    const cef_request_context_settings_t& settings,
    const CefRefPtr<ICefRequestContextHandler>& handler) {
  if (!EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_request_context_create_context(
      &settings, HandToEngine<cef_request_context_handler_t>(handler)));
}

CefRefPtr<ICefRequestContext> TCefRequestContextRef::Shared(
    const CefRefPtr<ICefRequestContext>& other,
    const CefRefPtr<ICefRequestContextHandler>& handler) {
  // Sharing needs a context to share with; the engine would refuse a null one.
  if (!other || !EngineLibraryLoaded()) return nullptr;
  return UnWrap(cef_create_context_shared(HandToEngine<cef_request_context_t>(other),
                                          HandToEngine<cef_request_context_handler_t>(handler)));
}

bool TCefRequestContextRef::IsSame(const CefRefPtr<ICefRequestContext>& other) {
  return CallEngine(Engine(), &cef_request_context_t::is_same,
                    HandToEngine<cef_request_context_t>(other)) != 0;
}

bool TCefRequestContextRef::IsSharingWith(const CefRefPtr<ICefRequestContext>& other) {
  return CallEngine(Engine(), &cef_request_context_t::is_sharing_with,
                    HandToEngine<cef_request_context_t>(other)) != 0;
}

bool TCefRequestContextRef::IsGlobal() {
  return CallEngine(Engine(), &cef_request_context_t::is_global) != 0;
}

CefRefPtr<ICefBaseRefCounted> TCefRequestContextRef::GetHandler() {
  return TCefBaseRefCountedRef::UnWrap(CallEngine(Engine(), &cef_request_context_t::get_handler));
}

ustring TCefRequestContextRef::GetCachePath() {
  return CopyAndFreeUserFreeString(CallEngine(Engine(), &cef_request_context_t::get_cache_path));
}

CefRefPtr<ICefCookieManager> TCefRequestContextRef::GetCookieManager(
    const CefRefPtr<ICefCompletionCallback>& callback) {
  return TCefCookieManagerRef::UnWrap(
      CallEngine(Engine(), &cef_request_context_t::get_cookie_manager,
                 HandToEngine<cef_completion_callback_t>(callback)));
}

bool TCefRequestContextRef::RegisterSchemeHandlerFactory(
    const ustring& schemeName, const ustring& domainName,
    const CefRefPtr<ICefBaseRefCounted>& factory) {
  const cef_string_t borrowed_scheme_name = BorrowEngineString(schemeName);
  const cef_string_t borrowed_domain_name = BorrowEngineString(domainName);
  return CallEngine(Engine(), &cef_request_context_t::register_scheme_handler_factory,
                    &borrowed_scheme_name, &borrowed_domain_name,
                    HandToEngine<cef_scheme_handler_factory_t>(factory)) != 0;
}

bool TCefRequestContextRef::ClearSchemeHandlerFactories() {
  return CallEngine(Engine(), &cef_request_context_t::clear_scheme_handler_factories) != 0;
}

void TCefRequestContextRef::PurgePluginListCache(bool reloadPages) {
  CallEngine(Engine(), &cef_request_context_t::purge_plugin_list_cache, EngineBool(reloadPages));
}

bool TCefRequestContextRef::HasPreference(const ustring& name) {
  const cef_string_t borrowed_name = BorrowEngineString(name);
  return CallEngine(Engine(), &cef_request_context_t::has_preference, &borrowed_name) != 0;
}

CefRefPtr<ICefValue> TCefRequestContextRef::GetPreference(const ustring& name) {
  const cef_string_t borrowed_name = BorrowEngineString(name);
  return TCefValueRef::UnWrap(
      CallEngine(Engine(), &cef_request_context_t::get_preference, &borrowed_name));
}

CefRefPtr<ICefDictionaryValue> TCefRequestContextRef::GetAllPreferences(bool includeDefaults) {
  return TCefDictionaryValueRef::UnWrap(CallEngine(
      Engine(), &cef_request_context_t::get_all_preferences, EngineBool(includeDefaults)));
}

bool TCefRequestContextRef::CanSetPreference(const ustring& name) {
  const cef_string_t borrowed_name = BorrowEngineString(name);
  return CallEngine(Engine(), &cef_request_context_t::can_set_preference, &borrowed_name) != 0;
}

bool TCefRequestContextRef::SetPreference(const ustring& name, const CefRefPtr<ICefValue>& value,
                                          ustring& error) {
  const cef_string_t borrowed_name = BorrowEngineString(name);
  cef_string_t engine_error{};
  const bool accepted = CallEngine(Engine(), &cef_request_context_t::set_preference, &borrowed_name,
                                   HandToEngine<cef_value_t>(value), &engine_error) != 0;
  error = CopyAndClearEngineString(&engine_error);
  return accepted;
}

void TCefRequestContextRef::ClearCertificateExceptions(
    const CefRefPtr<ICefCompletionCallback>& callback) {
  CallEngine(Engine(), &cef_request_context_t::clear_certificate_exceptions,
             HandToEngine<cef_completion_callback_t>(callback));
}

void TCefRequestContextRef::ClearHttpAuthCredentials(
    const CefRefPtr<ICefCompletionCallback>& callback) {
  CallEngine(Engine(), &cef_request_context_t::clear_http_auth_credentials,
             HandToEngine<cef_completion_callback_t>(callback));
}

void TCefRequestContextRef::CloseAllConnections(const CefRefPtr<ICefCompletionCallback>& callback) {
  CallEngine(Engine(), &cef_request_context_t::close_all_connections,
             HandToEngine<cef_completion_callback_t>(callback));
}

void TCefRequestContextRef::ResolveHost(const ustring& origin,
                                        const CefRefPtr<ICefResolveCallback>& callback) {
  const cef_string_t borrowed_origin = BorrowEngineString(origin);
  CallEngine(Engine(), &cef_request_context_t::resolve_host, &borrowed_origin,
             HandToEngine<cef_resolve_callback_t>(callback));
}

void TCefRequestContextRef::LoadExtension(const ustring& rootDirectory,
                                          const CefRefPtr<ICefDictionaryValue>& manifest,
                                          const CefRefPtr<ICefBaseRefCounted>& handler) {
  const cef_string_t borrowed_root_directory = BorrowEngineString(rootDirectory);
  CallEngine(Engine(), &cef_request_context_t::load_extension, &borrowed_root_directory,
             HandToEngine<cef_dictionary_value_t>(manifest),
             HandToEngine<cef_extension_handler_t>(handler));
}

bool TCefRequestContextRef::DidLoadExtension(const ustring& extensionId) {
  const cef_string_t borrowed_extension_id = BorrowEngineString(extensionId);
  return CallEngine(Engine(), &cef_request_context_t::did_load_extension, &borrowed_extension_id) !=
         0;
}

bool TCefRequestContextRef::HasExtension(const ustring& extensionId) {
  const cef_string_t borrowed_extension_id = BorrowEngineString(extensionId);
  return CallEngine(Engine(), &cef_request_context_t::has_extension, &borrowed_extension_id) != 0;
}

bool TCefRequestContextRef::GetExtensions(std::vector<ustring>& extensionIds) {
  CefRefPtr<TCefStringListOwn> list = MakeRefCounted<TCefStringListOwn>();
  if (list->GetHandle() == nullptr) return false;
  const bool listed =
      CallEngine(Engine(), &cef_request_context_t::get_extensions, list->GetHandle()) != 0;
  list->CopyToStrings(extensionIds);
  return listed;
}

CefRefPtr<ICefBaseRefCounted> TCefRequestContextRef::GetExtension(const ustring& extensionId) {
  const cef_string_t borrowed_extension_id = BorrowEngineString(extensionId);
  return TCefBaseRefCountedRef::UnWrap(
      CallEngine(Engine(), &cef_request_context_t::get_extension, &borrowed_extension_id));
}
