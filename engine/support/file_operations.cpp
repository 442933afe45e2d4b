#include "engine/support/file_operations.h"

#include <windows.h>

#include <algorithm>

#include "engine/core/exception_policy.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

bool IsDotEntry(const wchar_t* name) { return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0; }

bool IsExcluded(const std::vector<std::wstring>& exclusions, const std::wstring& name) {
  return std::any_of(exclusions.begin(), exclusions.end(),
                     [&](const std::wstring& excluded) { return SameText(excluded, name); });
}

bool DeleteContents(const std::wstring& folder, const std::vector<std::wstring>& exclusions) {
  bool result = true;
  if (!DirectoryExists(folder)) return result;
  WIN32_FIND_DATAW entry;
  FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &entry));
  if (!search.valid()) return result;
  do {
    if (IsDotEntry(entry.cFileName)) continue;
    const std::wstring path = folder + L"\\" + entry.cFileName;
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      // A linked folder (junction or symbolic link) may lead out of the folder being cleared:
      // only the link goes, never what it points at.
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        if (!RemoveDirectoryW(path.c_str())) result = false;
      } else if (DeleteContents(path, exclusions)) {
        if (!RemoveDirectoryW(path.c_str())) result = false;
      } else {
        result = false;
      }
    } else if (!IsExcluded(exclusions, entry.cFileName)) {
      if (!DeleteFileW(path.c_str())) result = false;
    }
  } while (result && FindNextFileW(search.get(), &entry));
  return result;
}

}  // namespace

bool DeleteDirContents(const std::wstring& folder, const std::vector<std::wstring>& exclusions) {
  return GuardRoutine(L"DeleteDirContents", false,
                      [&] { return folder.empty() || DeleteContents(folder, exclusions); });
}

bool DeleteDirTree(const std::wstring& folder) {
  return GuardRoutine(L"DeleteDirTree", false, [&] {
    return DeleteDirContents(folder) && RemoveDirectoryW(folder.c_str()) != FALSE;
  });
}

bool DeleteFileList(const std::vector<std::wstring>& paths) {
  return GuardRoutine(L"DeleteFileList", false, [&] {
    bool result = true;
    for (const std::wstring& path : paths) {
      if (!FileExists(path) || !DeleteFileW(path.c_str())) result = false;
    }
    return result;
  });
}

bool MoveFileList(const std::vector<std::wstring>& names, const std::wstring& source,
                  const std::wstring& target) {
  return GuardRoutine(L"MoveFileList", false, [&] {
    if (source.empty() || target.empty() || !DirectoryExists(source)) {
      return false;
    }
    if (!DirectoryExists(target) && !CreateDirectoryW(target.c_str(), nullptr)) return false;
    const std::wstring from = IncludeTrailingPathDelimiter(source);
    const std::wstring to = IncludeTrailingPathDelimiter(target);
    size_t moved = 0;
    for (const std::wstring& name : names) {
      const std::wstring source_file = from + name;
      if (FileExists(source_file) && MoveFileW(source_file.c_str(), (to + name).c_str())) ++moved;
    }
    return moved == names.size();
  });
}
