#ifndef OSTREL_ENGINE_HANDLERS_CEF_CLIENT_OWN_H_
#define OSTREL_ENGINE_HANDLERS_CEF_CLIENT_OWN_H_

// The engine's client: one per browser, the table through which the engine finds the browser's
// handlers, plus the messages that the browser's renderer sends.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/handlers/cef_context_menu_handler_own.h"
#include "engine/handlers/cef_dialog_handler_own.h"
#include "engine/handlers/cef_display_handler_own.h"
#include "engine/handlers/cef_download_handler_own.h"
#include "engine/handlers/cef_drag_handler_own.h"
#include "engine/handlers/cef_find_handler_own.h"
#include "engine/handlers/cef_focus_handler_own.h"
#include "engine/handlers/cef_jsdialog_handler_own.h"
#include "engine/handlers/cef_keyboard_handler_own.h"
#include "engine/handlers/cef_life_span_handler_own.h"
#include "engine/handlers/cef_load_handler_own.h"
#include "engine/handlers/cef_render_handler_own.h"
#include "engine/handlers/cef_request_handler_own.h"
#include "engine/interfaces/cef_client.h"

// Offers no handlers and handles no message by default.
class TCefClientOwn : public TCefBaseRefCountedOwn, public ICefClient {
 protected:
  TCefClientOwn();
  ~TCefClientOwn() override = default;
};

#endif  // OSTREL_ENGINE_HANDLERS_CEF_CLIENT_OWN_H_
