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
  virtual bool IsSame(const CefRefPtr<ICefRequestContext>& other) = 0;
  virtual bool IsSharingWith(const CefRefPtr<ICefRequestContext>& other) = 0;
  virtual bool IsGlobal() = 0;
  virtual CefRefPtr<ICefBaseRefCounted> GetHandler() = 0;
  virtual ustring GetCachePath() = 0;
  virtual CefRefPtr<ICefCookieManager> GetCookieManager(
      const CefRefPtr<ICefCompletionCallback>& callback) = 0;
  virtual bool RegisterSchemeHandlerFactory(const ustring& schemeName, const ustring& domainName,
                                            const CefRefPtr<ICefBaseRefCounted>& factory) = 0;
  virtual bool ClearSchemeHandlerFactories() = 0;
  virtual void PurgePluginListCache(bool reloadPages) = 0;
  virtual bool HasPreference(const ustring& name) = 0;
  virtual CefRefPtr<ICefValue> GetPreference(const ustring& name) = 0;
  virtual CefRefPtr<ICefDictionaryValue> GetAllPreferences(bool includeDefaults) = 0;
  virtual bool CanSetPreference(const ustring& name) = 0;
  // `error` receives the engine's reason when it refuses.
  virtual bool SetPreference(const ustring& name, const CefRefPtr<ICefValue>& value,
                             ustring& error) = 0;
  virtual void ClearCertificateExceptions(const CefRefPtr<ICefCompletionCallback>& callback) = 0;
  virtual void ClearHttpAuthCredentials(const CefRefPtr<ICefCompletionCallback>& callback) = 0;
  virtual void CloseAllConnections(const CefRefPtr<ICefCompletionCallback>& callback) = 0;
  virtual void ResolveHost(const ustring& origin,
                           const CefRefPtr<ICefResolveCallback>& callback) = 0;
  virtual void LoadExtension(const ustring& rootDirectory,
                             const CefRefPtr<ICefDictionaryValue>& manifest,
                             const CefRefPtr<ICefBaseRefCounted>& handler) = 0;
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
                                           const CefRefPtr<ICefRequestContextHandler>& handler);
  static CefRefPtr<ICefRequestContext> Shared(const CefRefPtr<ICefRequestContext>& other,
                                              const CefRefPtr<ICefRequestContextHandler>& handler);

  bool IsSame(const CefRefPtr<ICefRequestContext>& other) override;
  bool IsSharingWith(const CefRefPtr<ICefRequestContext>& other) override;
  bool IsGlobal() override;
  CefRefPtr<ICefBaseRefCounted> GetHandler() override;
  ustring GetCachePath() override;
  CefRefPtr<ICefCookieManager> GetCookieManager(
      const CefRefPtr<ICefCompletionCallback>& callback) override;
  bool RegisterSchemeHandlerFactory(const ustring& schemeName, const ustring& domainName,
                                    const CefRefPtr<ICefBaseRefCounted>& factory) override;
  bool ClearSchemeHandlerFactories() override;
  void PurgePluginListCache(bool reloadPages) override;
  bool HasPreference(const ustring& name) override;
  CefRefPtr<ICefValue> GetPreference(const ustring& name) override;
  CefRefPtr<ICefDictionaryValue> GetAllPreferences(bool includeDefaults) override;
  bool CanSetPreference(const ustring& name) override;
  bool SetPreference(const ustring& name, const CefRefPtr<ICefValue>& value,
                     ustring& error) override;
  void ClearCertificateExceptions(const CefRefPtr<ICefCompletionCallback>& callback) override;
  void ClearHttpAuthCredentials(const CefRefPtr<ICefCompletionCallback>& callback) override;
  void CloseAllConnections(const CefRefPtr<ICefCompletionCallback>& callback) override;
  void ResolveHost(const ustring& origin, const CefRefPtr<ICefResolveCallback>& callback) override;
  void LoadExtension(const ustring& rootDirectory, const CefRefPtr<ICefDictionaryValue>& manifest,
                     const CefRefPtr<ICefBaseRefCounted>& handler) override;
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
