#include "engine/refs/cef_request_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefRequestCallbackRef::Cont(bool allow) {
  CallEngine(Engine(), &cef_request_callback_t::cont, allow);
}

void TCefRequestCallbackRef::Cancel() { CallEngine(Engine(), &cef_request_callback_t::cancel); }
