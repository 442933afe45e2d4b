#include "engine/support/cache_cleanup.h"

#include <windows.h>

#include <thread>
#include <vector>

#include "engine/core/exception_policy.h"
#include "engine/support/file_operations.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"

namespace {

std::vector<std::wstring> CookieFileNames() {
  return {std::begin(kCookieFileNames), std::end(kCookieFileNames)};
}

void DeleteInPlace(const std::wstring& folder, bool keep_cookies) {
  if (keep_cookies) {
    DeleteDirContents(folder, CookieFileNames());
  } else {
    DeleteDirContents(folder);
  }
}

}  // namespace

void RenameAndDeleteDir(const std::wstring& folder, bool keep_cookies) {
  GuardRoutine(L"TCefApplication.RenameAndDeleteDir", [&] {
    if (folder.empty() || !DirectoryExists(folder)) return;
    const std::wstring old_path = ExcludeTrailingPathDelimiter(folder);
    const size_t last_separator = old_path.find_last_of(L"\\/");
    if (last_separator == std::wstring::npos || last_separator + 1 == old_path.size()) {
      DeleteInPlace(old_path, keep_cookies);
      return;
    }
    std::wstring new_path;
    for (unsigned n = 1;; ++n) {
      new_path = old_path + L"(" + std::to_wstring(n) + L")";
      if (!DirectoryExists(new_path)) break;
    }
    if (!MoveFileW(old_path.c_str(), new_path.c_str())) {
      DeleteInPlace(old_path, keep_cookies);
      return;
    }
    if (keep_cookies) MoveCookieFiles(new_path, old_path);
    TCEFDirectoryDeleterThread::Start(new_path);
  });
}

bool DeleteCookieFiles(const std::wstring& folder) {
  // Without a folder the names would resolve against the current drive's root.
  if (folder.empty()) return false;
  const std::wstring prefix = IncludeTrailingPathDelimiter(folder);
  std::vector<std::wstring> paths;
  for (const wchar_t* name : kCookieFileNames) paths.push_back(prefix + name);
  return DeleteFileList(paths);
}

bool MoveCookieFiles(const std::wstring& source, const std::wstring& target) {
  return MoveFileList(CookieFileNames(), source, target);
}

bool TCEFDirectoryDeleterThread::Start(const std::wstring& folder) {
  return GuardRoutine(L"TCEFDirectoryDeleterThread.Start", false, [&] {
    std::thread(&TCEFDirectoryDeleterThread::Execute, folder).detach();
    return true;
  });
}

void TCEFDirectoryDeleterThread::Execute(const std::wstring& folder) noexcept {
  try {
    DeleteDirTree(folder);
  } catch (...) {
    // A thread function must not let an exception escape, whatever the re-raise setting says.
    ReportStoppedException(L"TCEFDirectoryDeleterThread.Execute");
  }
}
