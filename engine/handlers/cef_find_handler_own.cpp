#include "engine/handlers/cef_find_handler_own.h"

#include "engine/core/engine_callback.h"
#include "engine/refs/cef_browser_ref.h"

TCefFindHandlerOwn::TCefFindHandlerOwn() {
  BindCallback<&TCefFindHandlerOwn::OnFindResult>(CreateData<cef_find_handler_t>()->on_find_result);
}
