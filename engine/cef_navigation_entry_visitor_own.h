#ifndef OSTREL_ENGINE_CEF_NAVIGATION_ENTRY_VISITOR_OWN_H_
#define OSTREL_ENGINE_CEF_NAVIGATION_ENTRY_VISITOR_OWN_H_

// Called by the engine once per entry of a browser's navigation history; the walk goes on while
// Visit returns true. Handed to the engine with EngineDataFromInterface (+1).

#include <functional>

#include "engine/cef_base_ref_counted.h"

class ICefNavigationEntry;

class ICefNavigationEntryVisitor : public virtual ICefBaseRefCounted {
 public:
  virtual bool Visit(const CefRefPtr<ICefNavigationEntry>& entry, bool current, int index,
                     int total) = 0;
};

// Visit stops the walk by default.
class TCefNavigationEntryVisitorOwn : public TCefBaseRefCountedOwn,
                                      public ICefNavigationEntryVisitor {
 public:
  bool Visit(const CefRefPtr<ICefNavigationEntry>& /*entry*/, bool /*current*/, int /*index*/,
             int /*total*/) override {
    return false;
  }

 protected:
  TCefNavigationEntryVisitorOwn();
  ~TCefNavigationEntryVisitorOwn() override = default;
};

class TCefFastNavigationEntryVisitor final : public TCefNavigationEntryVisitorOwn {
 public:
  using TProc = std::function<bool(const CefRefPtr<ICefNavigationEntry>& entry, bool current,
                                   int index, int total)>;
  explicit TCefFastNavigationEntryVisitor(TProc method) : FMethod(std::move(method)) {}

  bool Visit(const CefRefPtr<ICefNavigationEntry>& entry, bool current, int index,
             int total) override;

 private:
  ~TCefFastNavigationEntryVisitor() override = default;

  TProc FMethod;
};

#endif  // OSTREL_ENGINE_CEF_NAVIGATION_ENTRY_VISITOR_OWN_H_
