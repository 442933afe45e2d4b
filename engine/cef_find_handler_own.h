#ifndef OSTREL_ENGINE_CEF_FIND_HANDLER_OWN_H_
#define OSTREL_ENGINE_CEF_FIND_HANDLER_OWN_H_

// The engine's find handler: results of a search in the page.

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"

class ICefBrowser;

class ICefFindHandler : public virtual ICefBaseRefCounted {
 public:
  // `selectionRect` is the engine's record, lent for the call.
  virtual void OnFindResult(const CefRefPtr<ICefBrowser>& browser, int identifier, int count,
                            const cef_rect_t* selectionRect, int activeMatchOrdinal,
                            bool finalUpdate) = 0;
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() = 0;
};

class TCefFindHandlerOwn : public TCefBaseRefCountedOwn, public ICefFindHandler {
 public:
  void OnFindResult(const CefRefPtr<ICefBrowser>&, int, int, const cef_rect_t*, int,
                    bool) override {}
  void RemoveReferences() override {}

 protected:
  TCefFindHandlerOwn();
  ~TCefFindHandlerOwn() override = default;
};

#endif  // OSTREL_ENGINE_CEF_FIND_HANDLER_OWN_H_
