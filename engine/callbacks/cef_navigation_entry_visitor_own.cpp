#include "engine/callbacks/cef_navigation_entry_visitor_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_navigation_entry_ref.h"

static_assert(sizeof(cef_navigation_entry_visitor_t) == 48, "navigation entry visitor structure");

TCefNavigationEntryVisitorOwn::TCefNavigationEntryVisitorOwn() {
  CreateData(sizeof(cef_navigation_entry_visitor_t), false);
  BindCallback<&TCefNavigationEntryVisitorOwn::Visit>(
      Data<cef_navigation_entry_visitor_t>()->visit);
}

bool TCefFastNavigationEntryVisitor::Visit(const CefRefPtr<ICefNavigationEntry>& entry,
                                           bool current, int index, int total) {
  return FMethod ? FMethod(entry, current, index, total) : false;
}
