#ifndef OSTREL_ENGINE_INTERFACES_CEF_PDF_PRINT_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_PDF_PRINT_CALLBACK_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefPdfPrintCallback : public virtual ICefBaseRefCounted {
 public:
  virtual void OnPdfPrintFinished(const ustring& /*path*/, bool /*ok*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_PDF_PRINT_CALLBACK_H_
