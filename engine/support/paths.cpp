#include "engine/support/paths.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shlwapi.h>

#include "engine/support/text_functions.h"

namespace {

// MAX_PATH: the buffer of the system's canonicalisation function.
constexpr size_t kMaxPath = 260;

}  // namespace

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

std::wstring ProgramFolder() {
  const std::wstring path = ProgramFilePath();
  const size_t last = path.find_last_of(L"\\/:");
  return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

bool IsRelativePath(const std::wstring& path) { return PathIsRelativeW(path.c_str()) != FALSE; }

bool IsUncPath(const std::wstring& path) { return PathIsUNCW(path.c_str()) != FALSE; }

bool CanonicalizePath(const std::wstring& path, std::wstring& canonical) {
  canonical.clear();
  if (path.size() > kMaxPath || path.starts_with(L"\\\\?\\") || IsUncPath(path)) return false;
  wchar_t buffer[kMaxPath] = {};
  if (!PathCanonicalizeW(buffer, path.c_str())) return false;
  canonical = buffer;
  return true;
}

std::wstring AbsoluteFolderPath(const std::wstring& path, bool must_exist) {
  if (path.empty()) return {};
  const std::wstring full = IsRelativePath(path) ? ProgramFolder() + path : path;
  std::wstring result;
  if (!CanonicalizePath(full, result)) result = full;
  if (must_exist && !DirectoryExists(result)) return {};
  return result;
}

bool FileExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

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

ScopedCurrentDirectory::ScopedCurrentDirectory(bool active, const std::wstring& folder)
    : active_(active) {
  if (!active_) return;
  previous_ = GetCurrentFolder();
  SetCurrentFolder(folder);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
  if (active_ && !previous_.empty()) SetCurrentFolder(previous_);
}
