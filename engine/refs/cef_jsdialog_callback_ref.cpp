#include "engine/refs/cef_jsdialog_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefJsDialogCallbackRef::Cont(bool success, const ustring& userInput) {
  const cef_string_t borrowed_input = BorrowEngineString(userInput);
  CallEngine(Engine(), &cef_jsdialog_callback_t::cont, EngineBool(success), &borrowed_input);
}
