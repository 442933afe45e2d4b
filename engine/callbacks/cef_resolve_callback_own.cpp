#include "engine/callbacks/cef_resolve_callback_own.h"

#include "engine/core/engine_callback.h"

static_assert(sizeof(cef_resolve_callback_t) == 48, "resolve callback structure");

TCefResolveCallbackOwn::TCefResolveCallbackOwn() {
  CreateData(sizeof(cef_resolve_callback_t), false);
  BindCallback<&TCefResolveCallbackOwn::OnResolveCompleted>(
      Data<cef_resolve_callback_t>()->on_resolve_completed);
}
