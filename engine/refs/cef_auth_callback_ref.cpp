#include "engine/refs/cef_auth_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefAuthCallbackRef::Cont(const ustring& username, const ustring& password) {
  const cef_string_t borrowed_username = BorrowEngineString(username);
  const cef_string_t borrowed_password = BorrowEngineString(password);
  CallEngine(Engine(), &cef_auth_callback_t::cont, &borrowed_username, &borrowed_password);
}

void TCefAuthCallbackRef::Cancel() { CallEngine(Engine(), &cef_auth_callback_t::cancel); }
