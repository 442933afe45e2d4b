#include "engine/callbacks/cef_pdf_print_callback_own.h"

namespace {

static_assert(sizeof(cef_pdf_print_callback_t) == 48, "PDF print callback structure");

void CEF_CALLBACK OnPdfPrintFinishedCallback(cef_pdf_print_callback_t* self,
                                             const cef_string_t* path, int ok) {
  WithOwner<TCefPdfPrintCallbackOwn>(self, [&](TCefPdfPrintCallbackOwn& callback) {
    callback.OnPdfPrintFinished(CopyEngineString(path), ok != 0);
  });
}

}  // namespace

TCefPdfPrintCallbackOwn::TCefPdfPrintCallbackOwn() {
  CreateData(sizeof(cef_pdf_print_callback_t), false);
  Data<cef_pdf_print_callback_t>()->on_pdf_print_finished = OnPdfPrintFinishedCallback;
}

// One print job finishes once.
void TCefFastPdfPrintCallback::OnPdfPrintFinished(const ustring& path, bool ok) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(path, ok);
}
