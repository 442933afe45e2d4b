#include "engine/callbacks/cef_navigation_entry_visitor_own.h"

#include "engine/refs/cef_navigation_entry_ref.h"

namespace {

static_assert(sizeof(cef_navigation_entry_visitor_t) == 48, "navigation entry visitor structure");

int CEF_CALLBACK VisitCallback(cef_navigation_entry_visitor_t* self, cef_navigation_entry_t* entry,
                               int current, int index, int total) {
  // Wrapped before the owner check so that its reference is released in any case.
  const CefRefPtr<ICefNavigationEntry> wrappedEntry = TCefNavigationEntryRef::UnWrap(entry);
  return WithOwner<TCefNavigationEntryVisitorOwn>(
      self, 0, [&](TCefNavigationEntryVisitorOwn& visitor) {
        return EngineBool(visitor.Visit(wrappedEntry, current != 0, index, total));
      });
}

}  // namespace

TCefNavigationEntryVisitorOwn::TCefNavigationEntryVisitorOwn() {
  CreateData(sizeof(cef_navigation_entry_visitor_t), false);
  Data<cef_navigation_entry_visitor_t>()->visit = VisitCallback;
}

bool TCefFastNavigationEntryVisitor::Visit(const CefRefPtr<ICefNavigationEntry>& entry,
                                           bool current, int index, int total) {
  return FMethod ? FMethod(entry, current, index, total) : false;
}
