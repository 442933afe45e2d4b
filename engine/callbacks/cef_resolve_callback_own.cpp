#include "engine/callbacks/cef_resolve_callback_own.h"

#include "engine/core/engine_callback.h"

TCefResolveCallbackOwn::TCefResolveCallbackOwn() {
  BindCallback<&TCefResolveCallbackOwn::OnResolveCompleted>(
      CreateData<cef_resolve_callback_t>()->on_resolve_completed);
}
