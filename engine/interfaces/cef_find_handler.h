#ifndef OSTREL_ENGINE_INTERFACES_CEF_FIND_HANDLER_H_
#define OSTREL_ENGINE_INTERFACES_CEF_FIND_HANDLER_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefBrowser;

class ICefFindHandler : public virtual ICefBaseRefCounted {
 public:
  // `selectionRect` is the engine's record, lent for the call.
  virtual void OnFindResult(Ref<ICefBrowser> /*browser*/, int /*identifier*/, int /*count*/,
                            const cef_rect_t* /*selectionRect*/, int /*activeMatchOrdinal*/,
                            bool /*finalUpdate*/) {}
  // Detaches the handler from whatever it reports to; later callbacks do nothing.
  virtual void RemoveReferences() {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_FIND_HANDLER_H_
