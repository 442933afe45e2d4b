// TCefApplication: the process and memory figures (process snapshots, memory counters and the
// system's memory status).

#include <windows.h>
// After windows.h, which they need.
#include <psapi.h>
#include <tlhelp32.h>

#include <functional>

#include "base/handle.h"
#include "engine/application/cef_application.h"
#include "engine/core/exception_policy.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"

namespace {

// Calls `visit` for every process of the snapshot whose executable is this program or the
// configured sub-process program; false when no snapshot could be taken.
bool ForEachProgramProcess(const ustring& subprocess_path,
                           const std::function<void(const PROCESSENTRY32W&)>& visit) {
  const THandle snapshot = FileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  const ustring program_name(ExtractFileName(ProgramFilePath()));
  const ustring subprocess_name(ExtractFileName(subprocess_path));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    const ustring name(ExtractFileName(entry.szExeFile));
    if (_wcsicmp(name.c_str(), program_name.c_str()) == 0 ||
        (!subprocess_path.empty() && _wcsicmp(name.c_str(), subprocess_name.c_str()) == 0)) {
      visit(entry);
    }
  }
  return true;
}

bool ReadMemoryStatus(MEMORYSTATUSEX& status) {
  status = MEMORYSTATUSEX{};
  status.dwLength = sizeof(status);
  return GlobalMemoryStatusEx(&status) != FALSE;
}

}  // namespace

uint32_t TCefApplication::UsedMemory() const {
  return GuardRoutine(L"TCefApplication.UsedMemory", uint32_t{0}, [&] {
    const DWORD self = GetCurrentProcessId();
    uint32_t total = 0;
    ForEachProgramProcess(FBrowserSubprocessPath, [&](const PROCESSENTRY32W& entry) {
      if (entry.th32ProcessID != self && entry.th32ParentProcessID != self) return;
      const THandle process(
          OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID));
      if (!process) return;
      PROCESS_MEMORY_COUNTERS counters{};
      counters.cb = sizeof(counters);
      if (GetProcessMemoryInfo(process.get(), &counters, sizeof(counters))) {
        // The figure is 32 bits wide: above 4 GiB it wraps.
        total += static_cast<uint32_t>(counters.WorkingSetSize);
      }
    });
    return total;
  });
}

int32_t TCefApplication::ChildProcessesCount() const {
  return GuardRoutine(L"TCefApplication.ChildProcessesCount", int32_t{0}, [&] {
    const DWORD self = GetCurrentProcessId();
    int32_t count = 0;
    ForEachProgramProcess(FBrowserSubprocessPath, [&](const PROCESSENTRY32W& entry) {
      if (entry.th32ParentProcessID == self && entry.th32ProcessID != self) ++count;
    });
    return count;
  });
}

uint64_t TCefApplication::TotalSystemMemory() const {
  MEMORYSTATUSEX status;
  return ReadMemoryStatus(status) ? status.ullTotalPhys : 0;
}

uint64_t TCefApplication::AvailableSystemMemory() const {
  MEMORYSTATUSEX status;
  return ReadMemoryStatus(status) ? status.ullAvailPhys : 0;
}

uint32_t TCefApplication::SystemMemoryLoad() const {
  MEMORYSTATUSEX status;
  return ReadMemoryStatus(status) ? status.dwMemoryLoad : 0;
}
