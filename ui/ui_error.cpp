#include "ui/ui_error.h"

#include <atomic>
#include <string>

#include "base/log.h"

namespace {
std::atomic<TUiExceptionHandler> gHandler{nullptr};
}  // namespace

void SetUiExceptionHandler(TUiExceptionHandler handler) { gHandler.store(handler); }

void ReportUiException(std::wstring_view label) noexcept {
  try {
    if (const TUiExceptionHandler handler = gHandler.load()) {
      handler(label);
    } else {
      WriteLogLine(L"Exception stopped in " + std::wstring(label), kLogError);
    }
  } catch (...) {
    // The handler's own failure has nowhere else to go.
  }
}
