#ifndef OSTREL_ENGINE_REFS_CEF_AUTH_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_AUTH_CALLBACK_REF_H_

// The engine's answer slot for an authentication challenge.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefAuthCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont(const ustring& username, const ustring& password) = 0;
  virtual void Cancel() = 0;
};

class TCefAuthCallbackRef final
    : public TCefRefBase<TCefAuthCallbackRef, ICefAuthCallback, cef_auth_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cont(const ustring& username, const ustring& password) override;
  void Cancel() override;

 private:
  ~TCefAuthCallbackRef() override = default;
};

inline CefRefPtr<ICefAuthCallback> UnWrapEngine(cef_auth_callback_t* data) {
  return TCefAuthCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_AUTH_CALLBACK_REF_H_
