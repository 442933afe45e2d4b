#ifndef OSTREL_BASE_LOG_H_
#define OSTREL_BASE_LOG_H_

// The program's log, one for every layer. Lines go to the sink the program installs (the
// engine's log, engine/core/engine_log.h), and to the debugger output while there is none.
// Free of <windows.h>.

#include <cstdint>
#include <string_view>

// Severities on the engine's logging scale.
inline constexpr int32_t kLogInfo = 0;
inline constexpr int32_t kLogWarning = 1;
inline constexpr int32_t kLogError = 2;

using TLogSink = void (*)(std::wstring_view message, int32_t severity);
// Any thread; nullptr goes back to the debugger output.
void SetLogSink(TLogSink sink) noexcept;

// Any thread. Never throws: a line that cannot be written is lost.
void WriteLogLine(std::wstring_view message, int32_t severity) noexcept;

#endif  // OSTREL_BASE_LOG_H_
