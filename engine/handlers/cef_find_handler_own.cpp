#include "engine/handlers/cef_find_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"

static_assert(sizeof(cef_find_handler_t) == 48, "find handler structure of the engine");

TCefFindHandlerOwn::TCefFindHandlerOwn() {
  CreateData(sizeof(cef_find_handler_t), false);
  BindCallback<&TCefFindHandlerOwn::OnFindResult>(Data<cef_find_handler_t>()->on_find_result);
}
