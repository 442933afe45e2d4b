// Stands in for the application the updater installs and starts: appends one line to "runs.txt"
// in its own folder, "<its file name> TAB <its attributes, hex> TAB <argument> ...", says that it
// runs as the application does once its window is up, and ends. A copy whose file ends in
// "ends at once" ends with 3 without saying so; one ending in "stays silent" never says so and
// waits until it is ended.

#include <windows.h>

#include <cstdio>
#include <string>

#include "upgrade/support/ul_upgrade_protocol.h"

namespace {

bool FileEndsWith(const std::string& path, const std::string& end) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string tail(end.size(), '\0');
  DWORD read = 0;
  const bool found = SetFilePointer(file, -static_cast<LONG>(end.size()), nullptr, FILE_END) !=
                         INVALID_SET_FILE_POINTER &&
                     ReadFile(file, tail.data(), static_cast<DWORD>(tail.size()), &read, nullptr) &&
                     tail == end;
  CloseHandle(file);
  return found;
}

void SayRunning() {
  char name[MAX_PATH];
  const DWORD length =
      GetEnvironmentVariableA(std::string(kStartedEventVariable).c_str(), name, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, name);
  SetEvent(started);
  CloseHandle(started);
}

}  // namespace

int main(int argc, char** argv) {
  char self[MAX_PATH];
  const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
  const size_t slash = path.rfind('\\');
  char attributes[16];
  snprintf(attributes, sizeof(attributes), "%lx", GetFileAttributesA(path.c_str()));
  std::string line = path.substr(slash + 1) + "\t" + attributes;
  for (int i = 1; i < argc; ++i) line += std::string("\t") + argv[i];
  line += "\n";
  // One write of the whole line: a reader never sees half of it.
  HANDLE runs = CreateFileA((path.substr(0, slash + 1) + "runs.txt").c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(runs, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(runs);
  if (FileEndsWith(path, "ends at once")) return 3;
  if (FileEndsWith(path, "stays silent")) Sleep(INFINITE);
  SayRunning();
  return 0;
}
