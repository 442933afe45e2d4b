#include "engine/callbacks/cef_string_visitor_own.h"

#include "engine/core/engine_callback.h"
static_assert(sizeof(cef_string_visitor_t) == 48, "string visitor structure");

TCefStringVisitorOwn::TCefStringVisitorOwn() {
  CreateData(sizeof(cef_string_visitor_t), false);
  BindCallback<&TCefStringVisitorOwn::Visit>(Data<cef_string_visitor_t>()->visit);
}

void TCefFastStringVisitor::Visit(const ustring& str) {
  if (FMethod) FMethod(str);
}
