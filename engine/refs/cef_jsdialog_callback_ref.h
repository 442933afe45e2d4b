#ifndef OSTREL_ENGINE_REFS_CEF_JSDIALOG_CALLBACK_REF_H_
#define OSTREL_ENGINE_REFS_CEF_JSDIALOG_CALLBACK_REF_H_

// The engine's answer channel for a JavaScript dialog the program shows itself.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefJsDialogCallback : public virtual ICefBaseRefCounted {
 public:
  // `userInput` is the text of a prompt dialog (ignored for the other kinds).
  virtual void Cont(bool success, const ustring& userInput) = 0;
};

class TCefJsDialogCallbackRef final
    : public TCefRefBase<TCefJsDialogCallbackRef, ICefJsDialogCallback, cef_jsdialog_callback_t> {
 public:
  using TCefRefBase::TCefRefBase;

  void Cont(bool success, const ustring& userInput) override;

 private:
  ~TCefJsDialogCallbackRef() override = default;
};

inline CefRefPtr<ICefJsDialogCallback> UnWrapEngine(cef_jsdialog_callback_t* data) {
  return TCefJsDialogCallbackRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_JSDIALOG_CALLBACK_REF_H_
