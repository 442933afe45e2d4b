// Group "logging". Lines look like the engine's own:
//   [MMDD/HHMMSS.mmm:SEVERITY:file(line)] message
// with the file name stripped of its folders. Messages are written byte for byte (the program
// passes text in the system's ANSI code page). Severities below the configured minimum are
// dropped; LOGSEVERITY_DISABLE writes nothing and creates no file.

#include "standin/log.h"

#include <cstdio>
#include <mutex>

#include "standin/capi.h"
#include "standin/trace.h"

namespace standin {
namespace {

constexpr int kLogFatal = 3;
constexpr int kLogDisabled = kLogFatal + 1;  // above every severity

struct LogState {
  std::mutex lock;
  HANDLE file = INVALID_HANDLE_VALUE;
  int min_level = 0;  // the engine's default before initialisation
};

LogState& Log() {
  static LogState* state = new LogState;
  return *state;
}

int MinLevelFor(int settings_severity) {
  switch (settings_severity) {
    case LOGSEVERITY_VERBOSE:
      return -1;
    case LOGSEVERITY_WARNING:
      return 1;
    case LOGSEVERITY_ERROR:
      return 2;
    case LOGSEVERITY_FATAL:
      return kLogFatal;
    case LOGSEVERITY_DISABLE:
      return kLogDisabled;
    default:
      return 0;  // LOGSEVERITY_DEFAULT and LOGSEVERITY_INFO
  }
}

std::wstring DefaultLogPath() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n < MAX_PATH ? n : 0);
  size_t slash = folder.find_last_of(L"\\/");
  folder.resize(slash == std::wstring::npos ? 0 : slash + 1);
  return folder + L"debug.log";
}

std::string SeverityName(int severity) {
  switch (severity) {
    case 0:
      return "INFO";
    case 1:
      return "WARNING";
    case 2:
      return "ERROR";
    case kLogFatal:
      return "FATAL";
    default:
      return severity < 0 ? "VERBOSE" + std::to_string(-severity) : "UNKNOWN";
  }
}

}  // namespace

void OpenLog(const std::wstring& log_file, int settings_severity) {
  LogState& log = Log();
  std::lock_guard<std::mutex> guard(log.lock);
  if (log.file != INVALID_HANDLE_VALUE) CloseHandle(log.file);
  log.file = INVALID_HANDLE_VALUE;
  log.min_level = MinLevelFor(settings_severity);
  if (log.min_level == kLogDisabled) return;
  const std::wstring path = log_file.empty() ? DefaultLogPath() : log_file;
  // The engine appends to an existing log; sub-processes may write to it at the same time.
  log.file = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void CloseLog() {
  LogState& log = Log();
  std::lock_guard<std::mutex> guard(log.lock);
  if (log.file != INVALID_HANDLE_VALUE) CloseHandle(log.file);
  log.file = INVALID_HANDLE_VALUE;
}

void WriteLog(const char* file, int line, int severity, std::string_view message) {
  LogState& log = Log();
  std::lock_guard<std::mutex> guard(log.lock);
  if (log.file == INVALID_HANDLE_VALUE || severity < log.min_level) return;
  std::string name = file ? file : "";
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  SYSTEMTIME now;
  GetLocalTime(&now);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02u%02u/%02u%02u%02u.%03u", now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond, now.wMilliseconds);
  std::string text = std::string("[") + stamp + ":" + SeverityName(severity) + ":" + name + "(" +
                     std::to_string(line) + ")] ";
  text.append(message);
  text += '\n';
  DWORD written = 0;
  WriteFile(log.file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace standin

extern "C" {

int cef_get_min_log_level(void) {
  standin::LogState& log = standin::Log();
  std::lock_guard<std::mutex> guard(log.lock);
  return log.min_level;
}

// No --v switch is supported, so verbose logging is off for every file.
int cef_get_vlog_level(const char*, size_t) { return 0; }

void cef_log(const char* file, int line, int severity, const char* message) {
  // The real engine ends the process on a fatal message; the stand-in records the misuse instead.
  if (severity >= standin::kLogFatal) standin::Trace("misuse log-fatal");
  standin::WriteLog(file, line, severity, message ? message : "");
}

}  // extern "C"
