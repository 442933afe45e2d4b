#ifndef OSTREL_ENGINE_REFS_CEF_REQUEST_CONTEXT_REF_H_
#define OSTREL_ENGINE_REFS_CEF_REQUEST_CONTEXT_REF_H_

// A browser's request context: preferences, host resolution, cookies. Handlers and callbacks are
// program objects (owned wrappers) handed to the engine with one added reference; engine
// objects without a wrapper of their own here (handler, extension) come back as plain
// counted wrappers.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_completion_callback.h"
#include "engine/interfaces/cef_request_context_handler.h"
#include "engine/interfaces/cef_resolve_callback.h"
#include "engine/refs/cef_cookie_manager_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_value_ref.h"

class ICefRequestContext : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsSame(Ref<ICefRequestContext> other) = 0;
  virtual bool IsSharingWith(Ref<ICefRequestContext> other) = 0;
  virtual bool IsGlobal() = 0;
  virtual CefRefPtr<ICefBaseRefCounted> GetHandler() = 0;
  virtual ustring GetCachePath() = 0;
  virtual CefRefPtr<ICefCookieManager> GetCookieManager(Ref<ICefCompletionCallback> callback) = 0;
  virtual bool RegisterSchemeHandlerFactory(const ustring& schemeName, const ustring& domainName,
                                            Ref<ICefBaseRefCounted> factory) = 0;
  virtual bool ClearSchemeHandlerFactories() = 0;
  virtual void PurgePluginListCache(bool reloadPages) = 0;
  virtual bool HasPreference(const ustring& name) = 0;
  virtual CefRefPtr<ICefValue> GetPreference(const ustring& name) = 0;
  virtual CefRefPtr<ICefDictionaryValue> GetAllPreferences(bool includeDefaults) = 0;
  virtual bool CanSetPreference(const ustring& name) = 0;
  // `error` receives the engine's reason when it refuses.
  virtual bool SetPreference(const ustring& name, Ref<ICefValue> value, ustring& error) = 0;
  virtual void ClearCertificateExceptions(Ref<ICefCompletionCallback> callback) = 0;
  virtual void ClearHttpAuthCredentials(Ref<ICefCompletionCallback> callback) = 0;
  virtual void CloseAllConnections(Ref<ICefCompletionCallback> callback) = 0;
  virtual void ResolveHost(const ustring& origin, Ref<ICefResolveCallback> callback) = 0;
  virtual void LoadExtension(const ustring& rootDirectory, Ref<ICefDictionaryValue> manifest,
                             Ref<ICefBaseRefCounted> handler) = 0;
  virtual bool DidLoadExtension(const ustring& extensionId) = 0;
  virtual bool HasExtension(const ustring& extensionId) = 0;
  // Appends the identifiers of the loaded extensions.
  virtual bool GetExtensions(std::vector<ustring>& extensionIds) = 0;
  virtual CefRefPtr<ICefBaseRefCounted> GetExtension(const ustring& extensionId) = 0;
};

class TCefRequestContextRef final
    : public TCefRefBase<TCefRequestContextRef, ICefRequestContext, cef_request_context_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // The global context; a new context with `settings`; a new context sharing storage with
  // `other`. Null before the library is loaded.
  static CefRefPtr<ICefRequestContext> Global();
  static CefRefPtr<ICefRequestContext> New(const cef_request_context_settings_t& settings,
                                           Ref<ICefRequestContextHandler> handler);
  static CefRefPtr<ICefRequestContext> Shared(Ref<ICefRequestContext> other,
                                              Ref<ICefRequestContextHandler> handler);

  bool IsSame(Ref<ICefRequestContext> other) override;
  bool IsSharingWith(Ref<ICefRequestContext> other) override;
  bool IsGlobal() override;
  CefRefPtr<ICefBaseRefCounted> GetHandler() override;
  ustring GetCachePath() override;
  CefRefPtr<ICefCookieManager> GetCookieManager(Ref<ICefCompletionCallback> callback) override;
  bool RegisterSchemeHandlerFactory(const ustring& schemeName, const ustring& domainName,
                                    Ref<ICefBaseRefCounted> factory) override;
  bool ClearSchemeHandlerFactories() override;
  void PurgePluginListCache(bool reloadPages) override;
  bool HasPreference(const ustring& name) override;
  CefRefPtr<ICefValue> GetPreference(const ustring& name) override;
  CefRefPtr<ICefDictionaryValue> GetAllPreferences(bool includeDefaults) override;
  bool CanSetPreference(const ustring& name) override;
  bool SetPreference(const ustring& name, Ref<ICefValue> value, ustring& error) override;
  void ClearCertificateExceptions(Ref<ICefCompletionCallback> callback) override;
  void ClearHttpAuthCredentials(Ref<ICefCompletionCallback> callback) override;
  void CloseAllConnections(Ref<ICefCompletionCallback> callback) override;
  void ResolveHost(const ustring& origin, Ref<ICefResolveCallback> callback) override;
  void LoadExtension(const ustring& rootDirectory, Ref<ICefDictionaryValue> manifest,
                     Ref<ICefBaseRefCounted> handler) override;
  bool DidLoadExtension(const ustring& extensionId) override;
  bool HasExtension(const ustring& extensionId) override;
  bool GetExtensions(std::vector<ustring>& extensionIds) override;
  CefRefPtr<ICefBaseRefCounted> GetExtension(const ustring& extensionId) override;

 private:
  ~TCefRequestContextRef() override = default;
};

inline CefRefPtr<ICefRequestContext> UnWrapEngine(cef_request_context_t* data) {
  return TCefRequestContextRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_REQUEST_CONTEXT_REF_H_
