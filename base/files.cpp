#include "base/files.h"

#include <windows.h>

#include "base/handle.h"
#include "base/text.h"

std::wstring ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() { return std::wstring(ExtractFilePath(ProgramFilePath())); }

namespace {

bool HasAttributes(const std::wstring& path, bool folder) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

}  // namespace

bool FileExists(const std::wstring& path) { return HasAttributes(path, false); }

bool DirectoryExists(const std::wstring& path) { return HasAttributes(path, true); }

std::wstring GetCurrentFolder() {
  const DWORD needed = GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return {};
  std::wstring path(needed, L'\0');
  const DWORD length = GetCurrentDirectoryW(needed, path.data());
  path.resize(length < needed ? length : 0);
  return path;
}

bool SetCurrentFolder(const std::wstring& path) {
  return SetCurrentDirectoryW(path.c_str()) != FALSE;
}

unsigned long WriteWholeFile(const std::wstring& path, std::string_view bytes,
                             unsigned long attributes) {
  THandle file = FileHandle(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
  if (!file) return GetLastError();
  DWORD written = 0;
  DWORD error = ERROR_SUCCESS;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
    error = GetLastError();
  } else if (written != bytes.size()) {
    error = ERROR_DISK_FULL;
  }
  // Closed here: a close that fails has not written the file either.
  if (!CloseHandle(file.release()) && error == ERROR_SUCCESS) error = GetLastError();
  return error;
}
