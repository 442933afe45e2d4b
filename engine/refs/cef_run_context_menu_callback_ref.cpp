#include "engine/refs/cef_run_context_menu_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefRunContextMenuCallbackRef::Cont(int commandId, cef_event_flags_t eventFlags) {
  CallEngine(Engine(), &cef_run_context_menu_callback_t::cont, commandId, eventFlags);
}

void TCefRunContextMenuCallbackRef::Cancel() {
  CallEngine(Engine(), &cef_run_context_menu_callback_t::cancel);
}
