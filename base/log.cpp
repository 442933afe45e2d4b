#include "base/log.h"

#include <windows.h>

#include <atomic>
#include <string>

namespace {

std::atomic<TLogSink> gSink{nullptr};

}  // namespace

void SetLogSink(TLogSink sink) noexcept { gSink = sink; }

void WriteLogLine(std::wstring_view message, int32_t severity) noexcept {
  try {
    if (const TLogSink sink = gSink.load()) {
      sink(message, severity);
    } else {
      OutputDebugStringW((L"Ostrel-Mini: " + std::wstring(message) + L"\n").c_str());
    }
  } catch (...) {
    // Logging is best effort: a failure to log must not become a failure of the caller.
  }
}
