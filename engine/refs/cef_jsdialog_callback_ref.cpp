#include "engine/refs/cef_jsdialog_callback_ref.h"

#include "engine/core/cef_ref_call.h"

void TCefJsDialogCallbackRef::Cont(bool success, const ustring& userInput) {
  CallEngine(Engine(), &cef_jsdialog_callback_t::cont, success, userInput);
}
