#ifndef OSTREL_ENGINE_CORE_ENGINE_LOG_H_
#define OSTREL_ENGINE_CORE_ENGINE_LOG_H_

// The engine's log ("debug.log", written by the engine) and the program's own log (the system
// debugger output, for lines written while the engine is not loaded). The application object
// tells this layer the role of the process. The header is free of <windows.h>.

#include <cstdint>
#include <string>

#include "engine/core/cef_app_types.h"

// Engine log severities used by the program (the engine logging call's scale).
inline constexpr int32_t kLogInfo = 0;
inline constexpr int32_t kLogWarning = 1;
inline constexpr int32_t kLogError = 2;

// Set by the application object when it recognises the process role; ptBrowser until then.
void SetEngineLogProcessType(TCefProcessType type) noexcept;

// Writes EngineLogLine for this process and thread through the engine's log; nothing before the
// engine library is loaded.
void EngineLog(const std::wstring& message, int32_t severity);
// "PID: <pid>, TID: <tid>, PT: <role> - <message>"; utility processes count as "Other".
std::wstring EngineLogLine(uint32_t process_id, uint32_t thread_id, TCefProcessType type,
                           const std::wstring& message);
// Hands one line to the engine's log (texts in the system's ANSI code page).
void EngineLogRaw(const std::wstring& file_name, int32_t line, int32_t severity,
                  const std::wstring& message);

// The engine's log while the engine library is loaded, else the program's own log.
void WriteLogLine(const std::wstring& message, int32_t severity);

// Where the program's own log goes: the debugger output unless a sink is set (tests read it).
using TProgramLogSink = void (*)(const std::wstring& line);
void SetProgramLogSink(TProgramLogSink sink) noexcept;

#endif  // OSTREL_ENGINE_CORE_ENGINE_LOG_H_
