#include "engine/refs/cef_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefCallbackRef::Cont() { CallEngine(Engine(), &cef_callback_t::cont); }

void TCefCallbackRef::Cancel() { CallEngine(Engine(), &cef_callback_t::cancel); }
