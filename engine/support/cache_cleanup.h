#ifndef OSTREL_ENGINE_SUPPORT_CACHE_CLEANUP_H_
#define OSTREL_ENGINE_SUPPORT_CACHE_CLEANUP_H_

// Clearing the engine's cache folder before initialisation (the DeleteCache and DeleteCookies
// settings). Free of <windows.h>.

#include <string>

// The engine's cookie store files inside a cache folder.
inline constexpr const wchar_t* kCookieFileNames[] = {L"Cookies", L"Cookies-journal"};

// Empties `folder` without waiting for a slow recursive delete: renames it to the first free
// sibling "<folder>(n)" and deletes that on a thread of its own; when the rename fails, deletes
// in place. With `keep_cookies`, the cookie files survive (moved back to, or kept in, `folder`).
void RenameAndDeleteDir(const std::wstring& folder, bool keep_cookies);

// Deletes the cookie files in `folder`.
bool DeleteCookieFiles(const std::wstring& folder);

// Moves the cookie files from `source` to `target`.
bool MoveCookieFiles(const std::wstring& source, const std::wstring& target);

// Deletes a folder tree on a detached thread that nobody waits for.
class TCEFDirectoryDeleterThread {
 public:
  // Starts the thread at once; false when it could not be started.
  static bool Start(const std::wstring& folder);

 private:
  static void Execute(const std::wstring& folder) noexcept;
};

#endif  // OSTREL_ENGINE_SUPPORT_CACHE_CLEANUP_H_
