#ifndef OSTREL_ENGINE_REFS_CEF_JSDIALOG_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_JSDIALOG_CALLBACK_REF_H_

// The engine's answer channel for a JavaScript dialog the program shows itself.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefJsDialogCallback : public virtual ICefBaseRefCounted {
 public:
  // `userInput` is the text of a prompt dialog (ignored for the other kinds).
  virtual void Cont(bool success, const ustring& userInput) = 0;
};

class TCefJsDialogCallbackRef final : public TCefBaseRefCountedRef, public ICefJsDialogCallback {
 public:
  // Takes over the reference that came with `data` (not null: see UnWrap).
  explicit TCefJsDialogCallbackRef(cef_jsdialog_callback_t* data) : TCefBaseRefCountedRef(data) {}

  // Null in, null out; otherwise a wrapper that takes over the reference `data` carries.
  static CefRefPtr<ICefJsDialogCallback> UnWrap(cef_jsdialog_callback_t* data);

  void Cont(bool success, const ustring& userInput) override;

 private:
  ~TCefJsDialogCallbackRef() override = default;
  cef_jsdialog_callback_t* Engine() const noexcept { return Data<cef_jsdialog_callback_t>(); }
};

inline CefRefPtr<ICefJsDialogCallback> UnWrapEngine(cef_jsdialog_callback_t* data) {
  return TCefJsDialogCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_JSDIALOG_CALLBACK_REF_H_
