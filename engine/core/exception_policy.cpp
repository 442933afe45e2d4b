#include "engine/core/exception_policy.h"

#include <atomic>
#include <exception>
#include <string>

#include "engine/core/engine_log.h"

namespace {

std::atomic<bool> gReRaiseExceptions{false};

std::wstring WidenAscii(const char* text) {
  std::wstring wide;
  for (; *text != '\0'; ++text) wide.push_back(static_cast<unsigned char>(*text));
  return wide;
}

}  // namespace

void SetReRaiseExceptionsPolicy(bool value) noexcept { gReRaiseExceptions = value; }

bool HandleRoutineException(std::wstring_view label) {
  if (gReRaiseExceptions) return true;
  ReportStoppedException(label);
  return false;
}

void ReportStoppedException(std::wstring_view label) noexcept {
  try {
    std::wstring line = L"Exception stopped in " + std::wstring(label);
    if (const std::exception_ptr current = std::current_exception()) {
      try {
        std::rethrow_exception(current);
      } catch (const std::exception& error) {
        line += L": " + WidenAscii(error.what());
      } catch (...) {
      }
    }
    WriteLogLine(line, kLogError);
  } catch (...) {
    // Logging is best effort: a failure to report must not become a second exception.
  }
}
