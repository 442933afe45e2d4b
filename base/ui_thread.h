#ifndef OSTREL_BASE_UI_THREAD_H_
#define OSTREL_BASE_UI_THREAD_H_

// The UI thread: the one thread that runs the program's windows (the UI task queue marks it as
// it starts). Functions only that thread may call begin with AssertUiThread(); in builds with
// OSTREL_CHECK_UI_THREAD (every build but a release) a call from another thread is logged and
// ends the program, so a test that makes one fails at the call. Free of <windows.h>.

#include <source_location>
#include <string_view>

void MarkUiThread() noexcept;
bool UiThreadMarked() noexcept;
// False on every thread before a UI thread is marked.
bool IsUiThread() noexcept;

// For the check's own test: called instead of ending the program.
using TUiThreadViolationHandler = void (*)(std::string_view function);
void SetUiThreadViolationHandler(TUiThreadViolationHandler handler) noexcept;

void ReportUiThreadViolation(const std::source_location& where) noexcept;

// Passes before a UI thread is marked: no window exists yet that another thread could touch.
inline void AssertUiThread(const std::source_location where = std::source_location::current()) {
#ifdef OSTREL_CHECK_UI_THREAD
  if (UiThreadMarked() && !IsUiThread()) ReportUiThreadViolation(where);
#else
  (void)where;
#endif
}

#endif  // OSTREL_BASE_UI_THREAD_H_
