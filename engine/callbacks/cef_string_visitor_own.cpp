#include "engine/callbacks/cef_string_visitor_own.h"

#include "engine/core/engine_callback.h"

TCefStringVisitorOwn::TCefStringVisitorOwn() {
  BindCallback<&TCefStringVisitorOwn::Visit>(CreateData<cef_string_visitor_t>()->visit);
}

void TCefFastStringVisitor::Visit(const ustring& str) {
  if (FMethod) FMethod(str);
}
