#ifndef OSTREL_ENGINE_SUPPORT_FILE_CHECKS_H_
#define OSTREL_ENGINE_SUPPORT_FILE_CHECKS_H_

// The checks that the engine's files lie where the engine will look for them. Each returns
// whether everything was found and appends what it misses to `missing`, the missing-files list
// (names separated by line breaks). Free of <windows.h>.

#include <string>
#include <vector>

// The 53 locale codes the engine ships, checked when no required list is given.
extern const wchar_t* const kBuiltInLocales[53];

// True for an empty path or an existing file.
bool CheckSubprocessPath(const std::wstring& path, std::wstring& missing);
// The libraries and data files of the engine in `framework_dir` (empty: the current directory).
bool CheckDLLs(const std::wstring& framework_dir, std::wstring& missing);
// The resource packs in `resources_dir` (empty: the current directory).
bool CheckResources(const std::wstring& resources_dir, bool with_devtools, bool with_extensions,
                    std::wstring& missing);
// The locale packs in `locales_dir` ("locales\" when empty) for the codes of `required` (a comma
// text; empty: the built-in list).
bool CheckLocales(const std::wstring& locales_dir, const std::wstring& required,
                  std::wstring& missing);

// True when every non-empty entry names an existing file; missing entries are appended, each
// followed by a line break.
bool CheckFilesExist(const std::vector<std::wstring>& paths, std::wstring& missing);

// The prefix for the names in a folder setting: empty for an empty setting (true), otherwise the
// absolute folder with a trailing separator, and whether that folder exists.
bool FolderPrefix(const std::wstring& folder, std::wstring& prefix);

#endif  // OSTREL_ENGINE_SUPPORT_FILE_CHECKS_H_
