#include "engine/core/milestones.h"

#include <windows.h>

#include <cstdio>

namespace {

// The creation time comes from the kernel, so the first mark also shows what the loader and the
// runtime's start-up cost before the entry point.
double MillisecondsSinceCreation() {
  FILETIME created, exited, kernel, user, now;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

// Opened once; all of the program's processes append to one file, each line in one write.
HANDLE MarksFile() {
  static const HANDLE file = [] {
    wchar_t path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"OSTREL_MILESTONES", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return INVALID_HANDLE_VALUE;
    return CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  }();
  return file;
}

}  // namespace

void MarkMilestone(const char* what) {
  const HANDLE file = MarksFile();
  if (file == INVALID_HANDLE_VALUE) return;
  char line[160];
  const int n = std::snprintf(line, sizeof line, "%lu %.1f %s\n", GetCurrentProcessId(),
                              MillisecondsSinceCreation(), what);
  if (n <= 0) return;
  DWORD written = 0;
  WriteFile(file, line, static_cast<DWORD>(n < static_cast<int>(sizeof line) ? n : sizeof line - 1),
            &written, nullptr);
}
