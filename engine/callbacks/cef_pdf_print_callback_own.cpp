#include "engine/callbacks/cef_pdf_print_callback_own.h"

#include "engine/core/engine_callback.h"
static_assert(sizeof(cef_pdf_print_callback_t) == 48, "PDF print callback structure");

TCefPdfPrintCallbackOwn::TCefPdfPrintCallbackOwn() {
  CreateData(sizeof(cef_pdf_print_callback_t), false);
  BindCallback<&TCefPdfPrintCallbackOwn::OnPdfPrintFinished>(
      Data<cef_pdf_print_callback_t>()->on_pdf_print_finished);
}

// One print job finishes once.
void TCefFastPdfPrintCallback::OnPdfPrintFinished(const ustring& path, bool ok) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(path, ok);
}
