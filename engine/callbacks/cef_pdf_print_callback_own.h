#ifndef OSTREL_ENGINE_CALLBACKS_CEF_PDF_PRINT_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_PDF_PRINT_CALLBACK_OWN_H_

// Told by the engine when printing a page to a PDF file has finished. Handed to the engine with
// EngineDataFromInterface (+1).

#include <functional>

#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_pdf_print_callback.h"

class TCefPdfPrintCallbackOwn : public TCefBaseRefCountedOwn, public ICefPdfPrintCallback {
 protected:
  TCefPdfPrintCallbackOwn();
  ~TCefPdfPrintCallbackOwn() override = default;
};

class TCefFastPdfPrintCallback final : public TCefPdfPrintCallbackOwn {
 public:
  using TProc = std::function<void(const ustring& path, bool ok)>;
  explicit TCefFastPdfPrintCallback(TProc method) : FMethod(std::move(method)) {}

  void OnPdfPrintFinished(const ustring& path, bool ok) override;

 private:
  ~TCefFastPdfPrintCallback() override = default;

  TProc FMethod;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_PDF_PRINT_CALLBACK_OWN_H_
