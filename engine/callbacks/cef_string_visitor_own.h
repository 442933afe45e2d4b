#ifndef OSTREL_ENGINE_CALLBACKS_CEF_STRING_VISITOR_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_STRING_VISITOR_OWN_H_

// Receives a text the engine produces asynchronously (a frame's source or text). Handed to the
// engine with EngineDataFromInterface (+1).

#include <functional>

#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_string_visitor.h"

class TCefStringVisitorOwn : public TCefBaseRefCountedOwn, public ICefStringVisitor {
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

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_STRING_VISITOR_OWN_H_
