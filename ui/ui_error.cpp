#include "ui/ui_error.h"

#include <windows.h>

#include <atomic>
#include <string>

namespace {
std::atomic<TUiExceptionHandler> gHandler{nullptr};
}  // namespace

void SetUiExceptionHandler(TUiExceptionHandler handler) { gHandler.store(handler); }

void ReportUiException(std::wstring_view label) noexcept {
  try {
    if (const TUiExceptionHandler handler = gHandler.load()) {
      handler(label);
    } else {
      OutputDebugStringW((L"Exception stopped in " + std::wstring(label) + L"\n").c_str());
    }
  } catch (...) {
    // The handler's own failure has nowhere else to go.
  }
}
