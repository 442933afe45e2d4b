#ifndef OSTREL_UI_UI_ERROR_H_
#define OSTREL_UI_UI_ERROR_H_

// No exception leaves a window procedure, a timer, a menu command or a UI task: each is caught
// where it happens and handed, with a label naming the routine, to the one handler the program
// installs (it passes them on to its exception decision), else written to the program's log
// (base/log.h). Nothing is raised again there.
// Free of <windows.h>.

#include <string_view>

using TUiExceptionHandler = void (*)(std::wstring_view label);

// Installs the handler; without one a caught exception is written to the debugger output. Set it
// before the first window.
void SetUiExceptionHandler(TUiExceptionHandler handler);

// Call inside a catch block only.
void ReportUiException(std::wstring_view label) noexcept;

// Runs `body`, reporting any exception under `label`.
template <typename Body>
void GuardUi(std::wstring_view label, Body&& body) noexcept {
  try {
    body();
  } catch (...) {
    ReportUiException(label);
  }
}

#endif  // OSTREL_UI_UI_ERROR_H_
