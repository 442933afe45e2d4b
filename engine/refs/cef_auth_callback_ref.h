#ifndef OSTREL_ENGINE_REFS_CEF_AUTH_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_AUTH_CALLBACK_REF_H_

// The engine's answer slot for an authentication challenge.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefAuthCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont(const ustring& username, const ustring& password) = 0;
  virtual void Cancel() = 0;
};

class TCefAuthCallbackRef final : public TCefBaseRefCountedRef, public ICefAuthCallback {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefAuthCallbackRef(cef_auth_callback_t* data) : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefAuthCallback> UnWrap(cef_auth_callback_t* data);

  void Cont(const ustring& username, const ustring& password) override;
  void Cancel() override;

 private:
  ~TCefAuthCallbackRef() override = default;
  cef_auth_callback_t* Engine() const noexcept { return Data<cef_auth_callback_t>(); }
};

inline CefRefPtr<ICefAuthCallback> UnWrapEngine(cef_auth_callback_t* data) {
  return TCefAuthCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_AUTH_CALLBACK_REF_H_
