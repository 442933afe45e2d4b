#include "engine/callbacks/cef_pdf_print_callback_own.h"

#include "engine/core/engine_callback.h"

TCefPdfPrintCallbackOwn::TCefPdfPrintCallbackOwn() {
  BindCallback<&TCefPdfPrintCallbackOwn::OnPdfPrintFinished>(
      CreateData<cef_pdf_print_callback_t>()->on_pdf_print_finished);
}

// One print job finishes once.
void TCefFastPdfPrintCallback::OnPdfPrintFinished(const ustring& path, bool ok) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(path, ok);
}
