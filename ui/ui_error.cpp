#include "ui/ui_error.h"

#include <atomic>

namespace {
std::atomic<TUiExceptionHandler> gHandler{nullptr};
}  // namespace

void SetUiExceptionHandler(TUiExceptionHandler handler) { gHandler.store(handler); }

void ReportUiException(std::wstring_view label) noexcept {
  const TUiExceptionHandler handler = gHandler.load();
  if (handler == nullptr) return;
  try {
    handler(label);
  } catch (...) {
    // The handler's own failure has nowhere else to go.
  }
}
