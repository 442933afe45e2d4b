#ifndef OSTREL_ENGINE_SUPPORT_FILE_OPERATIONS_H_
#define OSTREL_ENGINE_SUPPORT_FILE_OPERATIONS_H_

// Folder and file-list operations used by the cache clean-up. Free of <windows.h>.

#include <string>
#include <vector>

// Deletes everything inside `folder` except files whose names are in `exclusions` (compared
// without regard to letter case); the folder itself stays. False when something could not be
// deleted (a sub-folder that keeps an excluded file counts as such).
bool DeleteDirContents(const std::wstring& folder,
                       const std::vector<std::wstring>& exclusions = {});

// Deletes a folder with everything in it.
bool DeleteDirTree(const std::wstring& folder);

// Deletes each listed file that exists; true only when every entry existed and was deleted.
bool DeleteFileList(const std::vector<std::wstring>& paths);

// Moves the named files from `source` to `target` (created when missing); true only when every
// name was moved.
bool MoveFileList(const std::vector<std::wstring>& names, const std::wstring& source,
                  const std::wstring& target);

#endif  // OSTREL_ENGINE_SUPPORT_FILE_OPERATIONS_H_
