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
  virtual bool OnJsdialog(const CefRefPtr<ICefBrowser>& browser, const ustring& originUrl,
                          cef_jsdialog_type_t dialogType, const ustring& messageText,
                          const ustring& defaultPromptText,
                          const CefRefPtr<ICefJsDialogCallback>& callback,
                          bool& suppressMessage) = 0;
  // True: the program asks the user and answers through `callback`.
  virtual bool OnBeforeUnloadDialog(const CefRefPtr<ICefBrowser>& browser,
                                    const ustring& messageText, bool isReload,
                                    const CefRefPtr<ICefJsDialogCallback>& callback) = 0;
  virtual void OnResetDialogState(const CefRefPtr<ICefBrowser>& browser) = 0;
  virtual void OnDialogClosed(const CefRefPtr<ICefBrowser>& browser) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_JSDIALOG_HANDLER_H_
