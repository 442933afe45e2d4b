#ifndef OSTREL_ENGINE_INTERFACES_CEF_NAVIGATION_ENTRY_VISITOR_H_
#define OSTREL_ENGINE_INTERFACES_CEF_NAVIGATION_ENTRY_VISITOR_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"

class ICefNavigationEntry;

class ICefNavigationEntryVisitor : public virtual ICefBaseRefCounted {
 public:
  virtual bool Visit(Ref<ICefNavigationEntry> /*entry*/, bool /*current*/, int /*index*/,
                     int /*total*/) {
    return false;
  }
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_NAVIGATION_ENTRY_VISITOR_H_
