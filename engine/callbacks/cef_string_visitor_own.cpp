#include "engine/callbacks/cef_string_visitor_own.h"

namespace {

static_assert(sizeof(cef_string_visitor_t) == 48, "string visitor structure");

void CEF_CALLBACK VisitCallback(cef_string_visitor_t* self, const cef_string_t* string) {
  WithOwner<TCefStringVisitorOwn>(
      self, [&](TCefStringVisitorOwn& visitor) { visitor.Visit(CopyEngineString(string)); });
}

}  // namespace

TCefStringVisitorOwn::TCefStringVisitorOwn() {
  CreateData(sizeof(cef_string_visitor_t), false);
  Data<cef_string_visitor_t>()->visit = VisitCallback;
}

void TCefFastStringVisitor::Visit(const ustring& str) {
  if (FMethod) FMethod(str);
}
