#ifndef OSTREL_ENGINE_MISC_FUNCTIONS_H_
#define OSTREL_ENGINE_MISC_FUNCTIONS_H_

// Support functions shared by the engine-facing code: the one exception decision, the engine
// log line and the screen scale. The header is free of <windows.h>.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/cef_app_types.h"

// The one decision for an exception caught in a guarded routine: true means "raise it again".
// True only when GlobalCEFApp exists and its ReRaiseExceptions is on. `label` names the routine
// ("TCefApplication.InitializeLibrary"); it has no further effect. Call it inside a catch block.
bool HandleRoutineException(std::wstring_view label);

// Runs `body` and turns any exception into `failure`, unless HandleRoutineException asks for it
// to be raised again. Engine callbacks, window procedures and threads must not let exceptions
// through: this is how the routines they call keep that rule.
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

// Engine log severities used by the program (the engine logging call's scale).
inline constexpr int32_t kLogInfo = 0;
inline constexpr int32_t kLogWarning = 1;
inline constexpr int32_t kLogError = 2;

// Writes EngineLogLine for this process and thread through the engine's log; nothing before the
// engine library is loaded.
void EngineLog(const std::wstring& message, int32_t severity);
// "PID: <pid>, TID: <tid>, PT: <role> - <message>"; utility processes count as "Other".
std::wstring EngineLogLine(uint32_t process_id, uint32_t thread_id, TCefProcessType type,
                           const std::wstring& message);
// Hands one line to the engine's log (texts in the system's ANSI code page).
void EngineLogRaw(const std::wstring& file_name, int32_t line, int32_t severity,
                  const std::wstring& message);

// Horizontal logical pixels per inch of the screen, and that divided by 96.
int32_t ScreenDpi();
float ScreenScale();

#endif  // OSTREL_ENGINE_MISC_FUNCTIONS_H_
