// Stands in for the application the updater installs and starts: appends one line to "runs.txt"
// in its own folder, "<its file name> TAB <its attributes, hex> TAB <argument> ...", and ends.

#include <windows.h>

#include <cstdio>
#include <string>

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
  return 0;
}
