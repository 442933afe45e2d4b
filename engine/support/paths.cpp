#include "engine/support/paths.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shlwapi.h>

namespace {

// MAX_PATH: the buffer of the system's canonicalisation function.
constexpr size_t kMaxPath = 260;

}  // namespace

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

ScopedCurrentDirectory::ScopedCurrentDirectory(bool active, const std::wstring& folder)
    : active_(active) {
  if (!active_) return;
  previous_ = GetCurrentFolder();
  SetCurrentFolder(folder);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
  if (active_ && !previous_.empty()) SetCurrentFolder(previous_);
}
