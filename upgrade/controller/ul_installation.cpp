#include "upgrade/controller/ul_installation.h"

#include <windows.h>

#include <cstdint>

#include "upgrade/support/ul_utils.h"

namespace {

HKEY RootOf(TulInstallation installation) {
  return installation == inAllUsers ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring WithoutBackslash(std::wstring path) {
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

// Bytes of every file below `folder`.
uint64_t FolderSize(const std::wstring& folder) {
  uint64_t size = 0;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      size += FolderSize(folder + L"\\" + name);
    } else {
      size += (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return size;
}

}  // namespace

TulInstallation InstallationOf(const std::wstring& folder) {
  for (const TulInstallation installation : {inAllUsers, inCurrentUser}) {
    const auto location = ReadRegistryText(RootOf(installation), kUninstallKey, L"InstallLocation");
    if (location &&
        CompareStringOrdinal(WithoutBackslash(*location).c_str(), -1,
                             WithoutBackslash(folder).c_str(), -1, TRUE) == CSTR_EQUAL) {
      return installation;
    }
  }
  return inNone;
}

bool RecordInstalledVersion(TulInstallation installation, const std::wstring& folder,
                            const std::wstring& version) {
  if (installation == inNone) return true;
  if (ReadRegistryText(RootOf(installation), kUninstallKey, L"DisplayVersion") == version)
    return true;
  HKEY key;
  if (RegOpenKeyExW(RootOf(installation), kUninstallKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return false;
  const auto bytes = static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t));
  const DWORD kilobytes = static_cast<DWORD>(FolderSize(WithoutBackslash(folder)) / 1024);
  const bool written =
      RegSetValueExW(key, L"DisplayVersion", 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(version.c_str()), bytes) == ERROR_SUCCESS &&
      RegSetValueExW(key, L"EstimatedSize", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&kilobytes),
                     sizeof(kilobytes)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}
