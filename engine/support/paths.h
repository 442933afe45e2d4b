#ifndef OSTREL_ENGINE_SUPPORT_PATHS_H_
#define OSTREL_ENGINE_SUPPORT_PATHS_H_

// Path functions over the system's path rules; base/files.h has the program's own file and
// folder. The header is free of <windows.h> so that pure modules (the engine file checks) can
// use it.

#include <string>

#include "base/files.h"

bool IsRelativePath(const std::wstring& path);
bool IsUncPath(const std::wstring& path);

// Resolves "." and ".." parts. Gives up (false, empty result) for paths longer than 260
// characters, "\\?\" paths and UNC paths.
bool CanonicalizePath(const std::wstring& path, std::wstring& canonical);

// A relative path is taken below ProgramFolder(); the result is canonicalised when possible.
// With `must_exist`, a folder that does not exist gives an empty result.
std::wstring AbsoluteFolderPath(const std::wstring& path, bool must_exist);

// Makes `folder` the current directory for the lifetime of the object (when `active`) and then
// restores the one that was current before.
class ScopedCurrentDirectory {
 public:
  ScopedCurrentDirectory(bool active, const std::wstring& folder);
  ~ScopedCurrentDirectory();
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  bool active_;
  std::wstring previous_;
};

#endif  // OSTREL_ENGINE_SUPPORT_PATHS_H_
