// Stands in for the application the updater installs and starts: appends one line to "runs.txt"
// in its own folder, "<its file name> TAB <its attributes, hex> TAB <argument> ...", and ends.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
  return bytes;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path(self, length);
  const size_t slash = path.rfind(L'\\');
  wchar_t attributes[16];
  swprintf(attributes, 16, L"%x", GetFileAttributesW(path.c_str()));
  std::wstring line = path.substr(slash + 1) + L"\t" + attributes;
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) line += std::wstring(L"\t") + arguments[i];
  LocalFree(arguments);
  // One write of the whole line: a reader never sees half of it.
  const std::string record = Utf8(line + L"\n");
  HANDLE runs = CreateFileW((path.substr(0, slash + 1) + L"runs.txt").c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(runs, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(runs);
  return 0;
}
