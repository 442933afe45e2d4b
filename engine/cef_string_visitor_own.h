#ifndef OSTREL_ENGINE_CEF_STRING_VISITOR_OWN_H_
#define OSTREL_ENGINE_CEF_STRING_VISITOR_OWN_H_

// Receives a text the engine produces asynchronously (a frame's source or text). Handed to the
// engine with EngineDataFromInterface (+1).

#include <functional>

#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefStringVisitor : public virtual ICefBaseRefCounted {
 public:
  virtual void Visit(const ustring& str) = 0;
};

class TCefStringVisitorOwn : public TCefBaseRefCountedOwn, public ICefStringVisitor {
 public:
  void Visit(const ustring& /*str*/) override {}

 protected:
  TCefStringVisitorOwn();
  ~TCefStringVisitorOwn() override = default;
};

class TCefFastStringVisitor final : public TCefStringVisitorOwn {
 public:
  using TProc = std::function<void(const ustring& str)>;
  explicit TCefFastStringVisitor(TProc method) : FMethod(std::move(method)) {}

  void Visit(const ustring& str) override;

 private:
  ~TCefFastStringVisitor() override = default;

  TProc FMethod;
};

#endif  // OSTREL_ENGINE_CEF_STRING_VISITOR_OWN_H_
