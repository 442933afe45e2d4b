#ifndef OSTREL_ENGINE_REFS_CEF_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_CALLBACK_REF_H_

// The engine's generic callback: continue or cancel an operation it has put on hold.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void Cont() = 0;
  virtual void Cancel() = 0;
};

class TCefCallbackRef final : public TCefRefBase<TCefCallbackRef, ICefCallback, cef_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cont() override;
  void Cancel() override;

 private:
  ~TCefCallbackRef() override = default;
};

inline CefRefPtr<ICefCallback> UnWrapEngine(cef_callback_t* data) {
  return TCefCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_CALLBACK_REF_H_
