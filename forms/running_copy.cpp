#include "forms/running_copy.h"

#include <cstdint>
#include <cwchar>
#include <string>

#include "base/handle.h"
#include "upgrade/support/ul_utils.h"

namespace {

// The folder as Windows compares names (case-insensitively), in a kernel object's name: a
// backslash there would name a namespace.
std::wstring LockName() {
  std::wstring folder = ApplicationFolder();
  CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const wchar_t c : folder) hash = (hash ^ static_cast<uint16_t>(c)) * 1099511628211ull;
  wchar_t name[64];
  std::swprintf(name, 64, L"Local\\Ostrel-Mini %016llx", static_cast<unsigned long long>(hash));
  return name;
}

bool IsThisProgram(DWORD pid) {
  const THandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return false;
  wchar_t path[MAX_PATH];
  DWORD length = MAX_PATH;
  const bool same = QueryFullProcessImageNameW(process.get(), 0, path, &length) &&
                    CompareStringOrdinal(path, static_cast<int>(length), ApplicationFile().c_str(),
                                         -1, TRUE) == CSTR_EQUAL;
  return same;
}

}  // namespace

bool TakeProgramFolderLock(DWORD waitMs) {
  // Kept open until the process ends, which frees the lock however it ends.
  static HANDLE lock = nullptr;
  lock = CreateMutexW(nullptr, TRUE, LockName().c_str());
  if (lock == nullptr) return true;  // nothing to share it with: better running than not at all
  if (GetLastError() != ERROR_ALREADY_EXISTS) return true;
  const DWORD waited = WaitForSingleObject(lock, waitMs);
  return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

UINT ActivateCopyMessage() {
  static const UINT message = RegisterWindowMessageW(L"Ostrel-Mini.ActivateRunningCopy");
  return message;
}

void ActivateRunningCopy() {
  // Each top-level window of the other copy's processes hears it; only the main window answers.
  EnumWindows(
      [](HWND window, LPARAM) -> BOOL {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid != GetCurrentProcessId() && IsThisProgram(pid)) {
          AllowSetForegroundWindow(pid);
          PostMessageW(window, ActivateCopyMessage(), 0, 0);
        }
        return TRUE;
      },
      0);
}
