#include "base/ui_thread.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "base/log.h"

namespace {

std::atomic<DWORD> gUiThread{0};
std::atomic<TUiThreadViolationHandler> gViolationHandler{nullptr};

// Exit code of a program ended by a call off the UI thread.
constexpr UINT kUiThreadViolationExit = 86;

}  // namespace

void MarkUiThread() noexcept { gUiThread = GetCurrentThreadId(); }

bool UiThreadMarked() noexcept { return gUiThread.load() != 0; }

bool IsUiThread() noexcept {
  const DWORD thread = gUiThread.load();
  return thread != 0 && thread == GetCurrentThreadId();
}

void SetUiThreadViolationHandler(TUiThreadViolationHandler handler) noexcept {
  gViolationHandler = handler;
}

void ReportUiThreadViolation(const std::source_location& where) noexcept {
  if (const TUiThreadViolationHandler handler = gViolationHandler.load()) {
    handler(where.function_name());
    return;
  }
  const std::string function = where.function_name();
  const std::wstring line = L"UI-thread-only function called on thread " +
                            std::to_wstring(GetCurrentThreadId()) + L": " +
                            std::wstring(function.begin(), function.end());
  WriteLogLine(line, kLogError);
  fwprintf(stderr, L"%ls\n", line.c_str());
  fflush(stderr);
  // Not abort(): its message box would hold a test that runs the program until it times out.
  TerminateProcess(GetCurrentProcess(), kUiThreadViolationExit);
}
