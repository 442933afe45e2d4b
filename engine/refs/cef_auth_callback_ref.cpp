#include "engine/refs/cef_auth_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefAuthCallbackRef::Cont(const ustring& username, const ustring& password) {
  CallEngine(Engine(), &cef_auth_callback_t::cont, username, password);
}

void TCefAuthCallbackRef::Cancel() { CallEngine(Engine(), &cef_auth_callback_t::cancel); }
