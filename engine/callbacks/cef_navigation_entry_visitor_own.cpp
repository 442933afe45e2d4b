#include "engine/callbacks/cef_navigation_entry_visitor_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_navigation_entry_ref.h"

TCefNavigationEntryVisitorOwn::TCefNavigationEntryVisitorOwn() {
  BindCallback<&TCefNavigationEntryVisitorOwn::Visit>(
      CreateData<cef_navigation_entry_visitor_t>()->visit);
}

bool TCefFastNavigationEntryVisitor::Visit(Ref<ICefNavigationEntry> entry, bool current, int index,
                                           int total) {
  return FMethod ? FMethod(entry, current, index, total) : false;
}
