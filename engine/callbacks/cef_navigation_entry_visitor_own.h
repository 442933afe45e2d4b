#ifndef OSTREL_ENGINE_CALLBACKS_CEF_NAVIGATION_ENTRY_VISITOR_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_NAVIGATION_ENTRY_VISITOR_OWN_H_

// Called by the engine once per entry of a browser's navigation history; the walk goes on while
// Visit returns true. Handed to the engine with EngineDataFromInterface (+1).

#include <functional>

#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_navigation_entry_visitor.h"

class ICefNavigationEntry;

// Visit stops the walk by default.
class TCefNavigationEntryVisitorOwn : public TCefBaseRefCountedOwn,
                                      public ICefNavigationEntryVisitor {
 protected:
  TCefNavigationEntryVisitorOwn();
  ~TCefNavigationEntryVisitorOwn() override = default;
};

class TCefFastNavigationEntryVisitor final : public TCefNavigationEntryVisitorOwn {
 public:
  using TProc =
      std::function<bool(Ref<ICefNavigationEntry> entry, bool current, int index, int total)>;
  explicit TCefFastNavigationEntryVisitor(TProc method) : FMethod(std::move(method)) {}

  bool Visit(Ref<ICefNavigationEntry> entry, bool current, int index, int total) override;

 private:
  ~TCefFastNavigationEntryVisitor() override = default;

  TProc FMethod;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_NAVIGATION_ENTRY_VISITOR_OWN_H_
