#ifndef OSTREL_ENGINE_INTERFACES_CEF_JSDIALOG_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_JSDIALOG_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefJsDialogCallback;

class ICefJsDialogHandler : public virtual ICefBaseRefCounted {
 public:
  // True: the program shows the dialog and answers through `callback`. False with
  // `suppressMessage` set: the dialog is dropped as if cancelled.
  virtual bool OnJsdialog(Ref<ICefBrowser> /*browser*/, const ustring& /*originUrl*/,
                          cef_jsdialog_type_t /*dialogType*/, const ustring& /*messageText*/,
                          const ustring& /*defaultPromptText*/,
                          Ref<ICefJsDialogCallback> /*callback*/, bool& /*suppressMessage*/) {
    return false;
  }
  // True: the program asks the user and answers through `callback`.
  virtual bool OnBeforeUnloadDialog(Ref<ICefBrowser> /*browser*/, const ustring& /*messageText*/,
                                    bool /*isReload*/, Ref<ICefJsDialogCallback> /*callback*/) {
    return false;
  }
  virtual void OnResetDialogState(Ref<ICefBrowser> /*browser*/) {}
  virtual void OnDialogClosed(Ref<ICefBrowser> /*browser*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_JSDIALOG_HANDLER_H_
