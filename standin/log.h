#ifndef OSTREL_STANDIN_LOG_H_
#define OSTREL_STANDIN_LOG_H_

// The engine's log file, configured by cef_initialize from the settings and closed by
// cef_shutdown. Nothing is written outside that span (no file is known).

#include <string>
#include <string_view>

namespace standin {

// log_file relative to the current directory; empty means "debug.log" beside the executable.
// settings_severity is the settings' cef_log_severity_t.
void OpenLog(const std::wstring& log_file, int settings_severity);
void CloseLog();
// LOGSEVERITY_INFO (0) and up in the logging call's scale (0 info, 1 warning, 2 error, 3 fatal).
void WriteLog(const char* file, int line, int severity, std::string_view message);

}  // namespace standin

#endif  // OSTREL_STANDIN_LOG_H_
