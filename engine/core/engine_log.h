#ifndef OSTREL_ENGINE_CORE_ENGINE_LOG_H_
#define OSTREL_ENGINE_CORE_ENGINE_LOG_H_

// The engine's log ("debug.log", written by the engine): the program's log (base/log.h) goes
// there through WriteEngineLogLine, and to the system debugger output while the engine is not
// loaded. The application object tells this layer the role of the process. The header is free
// of <windows.h>.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/log.h"
#include "engine/core/cef_app_types.h"

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

// The program's log sink (SetLogSink): the engine's log while the engine library is loaded,
// else the debugger output, each line with the process, thread and role as EngineLogLine has
// them.
void WriteEngineLogLine(std::wstring_view message, int32_t severity);

#endif  // OSTREL_ENGINE_CORE_ENGINE_LOG_H_
