#include "engine/refs/cef_request_context_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/refs/cef_cookie_manager_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_value_ref.h"

CefRefPtr<ICefRequestContext> TCefRequestContextRef::Global() {
  return CallEntryPoint(cef_request_context_get_global_context);
}

CefRefPtr<ICefRequestContext> TCefRequestContextRef::New(
    const cef_request_context_settings_t& settings, Ref<ICefRequestContextHandler> handler) {
  return CallEntryPoint(cef_request_context_create_context, &settings, handler);
}

CefRefPtr<ICefRequestContext> TCefRequestContextRef::Shared(
    Ref<ICefRequestContext> other, Ref<ICefRequestContextHandler> handler) {
  // Sharing needs a context to share with; the engine would refuse a null one.
  if (!other) return nullptr;
  return CallEntryPoint(cef_create_context_shared, other, handler);
}

bool TCefRequestContextRef::IsSame(Ref<ICefRequestContext> other) {
  return CallEngine(Engine(), &cef_request_context_t::is_same, other) != 0;
}

bool TCefRequestContextRef::IsSharingWith(Ref<ICefRequestContext> other) {
  return CallEngine(Engine(), &cef_request_context_t::is_sharing_with, other) != 0;
}

bool TCefRequestContextRef::IsGlobal() {
  return CallEngine(Engine(), &cef_request_context_t::is_global) != 0;
}

CefRefPtr<ICefBaseRefCounted> TCefRequestContextRef::GetHandler() {
  return CallEngine(Engine(), &cef_request_context_t::get_handler);
}

ustring TCefRequestContextRef::GetCachePath() {
  return CallEngine(Engine(), &cef_request_context_t::get_cache_path);
}

CefRefPtr<ICefCookieManager> TCefRequestContextRef::GetCookieManager(
    Ref<ICefCompletionCallback> callback) {
  return CallEngine(Engine(), &cef_request_context_t::get_cookie_manager, callback);
}

bool TCefRequestContextRef::RegisterSchemeHandlerFactory(const ustring& schemeName,
                                                         const ustring& domainName,
                                                         Ref<ICefBaseRefCounted> factory) {
  return CallEngine(Engine(), &cef_request_context_t::register_scheme_handler_factory, schemeName,
                    domainName, factory) != 0;
}

bool TCefRequestContextRef::ClearSchemeHandlerFactories() {
  return CallEngine(Engine(), &cef_request_context_t::clear_scheme_handler_factories) != 0;
}

void TCefRequestContextRef::PurgePluginListCache(bool reloadPages) {
  CallEngine(Engine(), &cef_request_context_t::purge_plugin_list_cache, reloadPages);
}

bool TCefRequestContextRef::HasPreference(const ustring& name) {
  return CallEngine(Engine(), &cef_request_context_t::has_preference, name) != 0;
}

CefRefPtr<ICefValue> TCefRequestContextRef::GetPreference(const ustring& name) {
  return CallEngine(Engine(), &cef_request_context_t::get_preference, name);
}

CefRefPtr<ICefDictionaryValue> TCefRequestContextRef::GetAllPreferences(bool includeDefaults) {
  return CallEngine(Engine(), &cef_request_context_t::get_all_preferences, includeDefaults);
}

bool TCefRequestContextRef::CanSetPreference(const ustring& name) {
  return CallEngine(Engine(), &cef_request_context_t::can_set_preference, name) != 0;
}

bool TCefRequestContextRef::SetPreference(const ustring& name, Ref<ICefValue> value,
                                          ustring& error) {
  cef_string_t engine_error{};
  const bool accepted =
      CallEngine(Engine(), &cef_request_context_t::set_preference, name, value, &engine_error) != 0;
  error = CopyAndClearEngineString(&engine_error);
  return accepted;
}

void TCefRequestContextRef::ClearCertificateExceptions(Ref<ICefCompletionCallback> callback) {
  CallEngine(Engine(), &cef_request_context_t::clear_certificate_exceptions, callback);
}

void TCefRequestContextRef::ClearHttpAuthCredentials(Ref<ICefCompletionCallback> callback) {
  CallEngine(Engine(), &cef_request_context_t::clear_http_auth_credentials, callback);
}

void TCefRequestContextRef::CloseAllConnections(Ref<ICefCompletionCallback> callback) {
  CallEngine(Engine(), &cef_request_context_t::close_all_connections, callback);
}

void TCefRequestContextRef::ResolveHost(const ustring& origin, Ref<ICefResolveCallback> callback) {
  CallEngine(Engine(), &cef_request_context_t::resolve_host, origin, callback);
}

void TCefRequestContextRef::LoadExtension(const ustring& rootDirectory,
                                          Ref<ICefDictionaryValue> manifest,
                                          Ref<ICefBaseRefCounted> handler) {
  CallEngine(Engine(), &cef_request_context_t::load_extension, rootDirectory, manifest, handler);
}

bool TCefRequestContextRef::DidLoadExtension(const ustring& extensionId) {
  return CallEngine(Engine(), &cef_request_context_t::did_load_extension, extensionId) != 0;
}

bool TCefRequestContextRef::HasExtension(const ustring& extensionId) {
  return CallEngine(Engine(), &cef_request_context_t::has_extension, extensionId) != 0;
}

bool TCefRequestContextRef::GetExtensions(std::vector<ustring>& extensionIds) {
  return CallEngineForStrings(Engine(), &cef_request_context_t::get_extensions, extensionIds);
}

CefRefPtr<ICefBaseRefCounted> TCefRequestContextRef::GetExtension(const ustring& extensionId) {
  return CallEngine(Engine(), &cef_request_context_t::get_extension, extensionId);
}
