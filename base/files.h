#ifndef OSTREL_BASE_FILES_H_
#define OSTREL_BASE_FILES_H_

// The running program's file, files and folders on disk, and writing a file whole. Free of
// <windows.h>, so that pure modules may name paths.

#include <string>
#include <string_view>

// The full path of the program file, and its folder with a trailing separator.
std::wstring ProgramFilePath();
std::wstring ProgramFolder();

bool FileExists(const std::wstring& path);       // an existing file, not a folder
bool DirectoryExists(const std::wstring& path);  // an existing folder

std::wstring GetCurrentFolder();
bool SetCurrentFolder(const std::wstring& path);

// Creates or replaces `path` with exactly `bytes` and the file attributes given (0: a plain
// file): ERROR_SUCCESS (0), or the system's error why the file could not be written whole
// (ERROR_DISK_FULL for a short write).
unsigned long WriteWholeFile(const std::wstring& path, std::string_view bytes,
                             unsigned long attributes = 0);

#endif  // OSTREL_BASE_FILES_H_
