#ifndef OSTREL_ENGINE_CORE_EXCEPTION_POLICY_H_
#define OSTREL_ENGINE_CORE_EXCEPTION_POLICY_H_

// What becomes of an exception that a guarded routine catches. Engine callbacks, window
// procedures, threads and queued tasks must not let exceptions through: they stop them here, and
// every exception stopped leaves one log line naming the routine. The application object sets
// the one switch (its ReRaiseExceptions); nothing here knows more of it. Free of <windows.h>.

#include <string_view>
#include <utility>

// Set by the application object; false until it says otherwise.
void SetReRaiseExceptionsPolicy(bool value) noexcept;

// The one decision for an exception caught in a guarded routine: true means "raise it again".
// Otherwise the exception stops here and is logged under `label`
// ("TCefApplication.StartMainProcess"). Call it inside a catch block.
bool HandleRoutineException(std::wstring_view label);

// Logs the exception being handled as stopped in `label`, with its message when it has one.
void ReportStoppedException(std::wstring_view label) noexcept;

// Runs `body` and turns any exception into `failure`, unless HandleRoutineException asks for it
// to be raised again.
template <typename Result, typename Body>
Result GuardRoutine(std::wstring_view label, Result failure, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    if (HandleRoutineException(label)) throw;
    return failure;
  }
}

template <typename Body>
void GuardRoutine(std::wstring_view label, Body&& body) {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    if (HandleRoutineException(label)) throw;
  }
}

#endif  // OSTREL_ENGINE_CORE_EXCEPTION_POLICY_H_
