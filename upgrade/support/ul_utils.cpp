#include <winsock2.h>

#include "upgrade/support/ul_utils.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>
#include <vector>

#include "base/files.h"
#include "base/handle.h"
#include "upgrade/support/ul_string_list.h"
#include "upgrade/support/ul_text.h"

namespace {

// A folder the system writes into a buffer of MAX_PATH characters.
template <typename Getter>
std::wstring SystemFolder(Getter getter) {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = getter(buffer, MAX_PATH + 1);
  return length == 0 || length > MAX_PATH ? std::wstring()
                                          : IncludeTrailingPathDelimiter({buffer, length});
}

std::wstring WindowsFolder() {
  return SystemFolder(
      [](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

std::wstring UserShellFolder(const wchar_t* name) {
  const auto folder = ReadRegistryText(
      HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
      name, 1024);
  return folder && !folder->empty() ? IncludeTrailingPathDelimiter(*folder) : std::wstring();
}

std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& key) {
  std::vector<std::wstring> names;
  HKEY opened;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  RegCloseKey(opened);
  return names;
}

bool Shell(const std::wstring& file, const std::wstring& parameters) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(GetDesktopWindow(), L"open", file.c_str(),
                    parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL));
  return result > 32;
}

const TulApplicationPaths& ApplicationPaths() {
  static const TulApplicationPaths paths = [] {
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
      const DWORD length =
          GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
      if (length < module.size()) {
        module.resize(length);
        break;
      }
      module.resize(module.size() * 2);
    }
    std::wstring current(GetCurrentDirectoryW(0, nullptr), L'\0');
    current.resize(GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data()));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    return ResolveApplicationPaths(
        module, version.dwMajorVersion, current, [](const std::wstring& file) {
          return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
        });
  }();
  return paths;
}

}  // namespace

std::optional<std::wstring> ReadRegistryText(HKEY root, const std::wstring& key,
                                             const wchar_t* value, DWORD maxBytes) {
  HKEY opened;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
  std::vector<wchar_t> buffer(maxBytes / sizeof(wchar_t) + 1, L'\0');
  DWORD type = 0;
  DWORD size = maxBytes;
  const LONG status = RegQueryValueExW(opened, value, nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &size);
  RegCloseKey(opened);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
  std::wstring text(buffer.data(), wcsnlen(buffer.data(), size / sizeof(wchar_t)));
  if (type == REG_EXPAND_SZ) {
    std::vector<wchar_t> expanded(32768);
    const DWORD length = ExpandEnvironmentStringsW(text.c_str(), expanded.data(),
                                                   static_cast<DWORD>(expanded.size()));
    if (length > 0 && length <= expanded.size()) text.assign(expanded.data(), length - 1);
  }
  return text;
}

bool MayReplace(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const size_t slash =
        path.size() < 2 ? std::wstring::npos : path.find_last_of(L"\\/", path.size() - 2);
    return slash != std::wstring::npos && MayReplace(path.substr(0, slash + 1));
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    // A file of this process's own, gone again as it is closed.
    const std::wstring probe = IncludeTrailingPathDelimiter(path) + L"~ostrel-" +
                               std::to_wstring(GetCurrentProcessId()) + L".tmp";
    return static_cast<bool>(
        FileHandle(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr)));
  }
  const THandle file = FileHandle(
      CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr));
  // Another program holding it is no matter of rights.
  return file || GetLastError() == ERROR_SHARING_VIOLATION;
}

// ---- Application and folders ----

const std::wstring& ApplicationFile() { return ApplicationPaths().File; }
const std::wstring& ApplicationFolder() { return ApplicationPaths().Folder; }

bool CheckApplicationFolder() {
  if (ApplicationPaths().Error.empty()) return true;
  MessageBoxW(nullptr, ApplicationPaths().Error.c_str(), L"ulUtils", MB_OK | MB_ICONERROR);
  return false;
}

std::wstring FirstProgramArgument() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring first = arguments != nullptr && count > 1 ? arguments[1] : L"";
  LocalFree(arguments);
  return first;
}

std::wstring GetSpecialFolder(TulSpecialFolder kind) {
  switch (kind) {
    case sfApplication:
      return ApplicationFolder();
    case sfDesktop:
      return UserShellFolder(L"Desktop");
    case sfMyDocuments:
      return UserShellFolder(L"Personal");
    case sfMyPictures:
      return UserShellFolder(L"My Pictures");
    case sfAppData:
      return UserShellFolder(L"AppData");
    case sfProgramFiles:
      return WindowsFolder().substr(0, 3) + L"Program Files\\";
    case sfWindows:
      return WindowsFolder();
    case sfSystem:
      return SystemFolder(
          [](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
    case sfTemp:
      return SystemFolder([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
    case sfHelp:
      return WindowsFolder() + L"HELP\\";
    case sfMedia:
      return WindowsFolder() + L"MEDIA\\";
    case sfCursors:
      return WindowsFolder() + L"CURSORS\\";
    case sfNone:
      break;
  }
  return {};
}

std::wstring ExpandPath(std::wstring_view path, bool makeAbsolute) {
  return ExpandPathMacros(path, makeAbsolute, GetSpecialFolder);
}

// ---- Shell and registry ----

bool OpenAddress(std::wstring_view address, bool useDefaultBrowser) {
  const std::wstring url = AddressWithScheme(address);
  if (useDefaultBrowser) {
    const std::wstring browser = GetProgramOfExtension(L".html");
    // A browser that cannot be started (a library of a RUNDLL line) leaves it to the shell.
    if (!browser.empty() && Shell(browser, url)) return true;
  }
  return Shell(url, L"");
}

std::wstring GetProgramOfExtension(std::wstring_view extension) {
  if (extension.empty() || extension == L".") return {};
  const auto className = ReadRegistryText(HKEY_CLASSES_ROOT, std::wstring(extension), nullptr);
  if (!className || className->empty()) return {};
  const std::wstring verbs = *className + L"\\shell\\";
  const auto commandOf = [&](const std::wstring& verb) {
    return ReadRegistryText(HKEY_CLASSES_ROOT, verbs + verb + L"\\command", nullptr);
  };
  std::optional<std::wstring> command = commandOf(L"open");
  const std::vector<std::wstring> names = SubkeyNames(HKEY_CLASSES_ROOT, verbs);
  for (const std::wstring& name : names) {
    if (command) break;
    if (ContainsText(name, L"open")) command = commandOf(name);
  }
  for (const std::wstring& name : names) {
    if (command) break;
    command = commandOf(name);
  }
  return command ? SplitCommandLine(*command).Program : std::wstring();
}

std::wstring GetContentTypeOfExtension(std::wstring_view extension) {
  std::wstring key = LowerAscii(extension);
  if (!key.starts_with(L'.')) key.insert(0, L".");
  const auto type =
      ReadRegistryText(HKEY_CLASSES_ROOT, key, L"Content Type", (260 + 1) * sizeof(wchar_t));
  return type && !type->empty() ? *type : L"application/octet-stream";
}

bool IsConnectedToNetwork() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\RemoteAccess", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LONG status = RegQueryValueExW(key, L"Remote Connection", nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (status == ERROR_SUCCESS) return value == 1;
  }
  WSADATA data;
  if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return false;
  bool connected = false;
  char name[65] = {};
  if (gethostname(name, 64) == 0) {
    const hostent* host = gethostbyname(name);
    if (host != nullptr && host->h_addrtype == AF_INET && host->h_addr_list[0] != nullptr) {
      in_addr last{};
      for (int i = 0; host->h_addr_list[i] != nullptr; ++i) {
        std::memcpy(&last, host->h_addr_list[i], sizeof(last));
      }
      connected = std::strcmp(inet_ntoa(last), "127.0.0.1") != 0;
    }
  }
  WSACleanup();
  return connected;
}

// ---- Times, text ----

TDateTime HttpDateToLocal(std::wstring_view text) {
  SYSTEMTIME utc;
  const TDateTime value = HttpDateToUtc(text);
  return value != 0 && DateTimeToSystemTime(value, utc) ? UtcToLocalDateTime(utc) : 0;
}

std::wstring Base64Text(std::wstring_view text) {
  const std::string encoded = EncodeBase64(ToAnsi(text));
  return std::wstring(encoded.begin(), encoded.end());
}

std::wstring GetUploadBoundary(wchar_t character) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t stamp[32];
  swprintf(stamp, 32, L"%04u-%02u-%02u %02u:%02u:%02u.%03u", now.wYear, now.wMonth, now.wDay,
           now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
  return L"---HTTP-DATA-BOUNDARY-" + std::wstring(1, character) + L"-" + Base64Text(stamp) + L"---";
}

int CompareTextLocale(std::wstring_view a, std::wstring_view b, bool ignoreCase) {
  const int result =
      CompareStringW(LOCALE_USER_DEFAULT, ignoreCase ? NORM_IGNORECASE : 0, a.data(),
                     static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
  return result == 0 ? CompareTextOrdinal(a, b, ignoreCase) : result - CSTR_EQUAL;
}

// ---- Files and resources ----

bool SetFileTimes(std::wstring_view file, TDateTime creation, TDateTime lastWrite,
                  TDateTime lastAccess) {
  FILETIME times[3];
  const FILETIME* given[3] = {};
  const TDateTime values[3] = {creation, lastWrite, lastAccess};
  for (int i = 0; i < 3; ++i) {
    if (values[i] == -1) continue;
    if (!LocalDateTimeToFileTime(values[i], times[i])) return false;
    given[i] = &times[i];
  }
  const THandle handle = FileHandle(CreateFileW(
      std::wstring(file).c_str(), FILE_WRITE_ATTRIBUTES,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!handle) return false;
  return SetFileTime(handle.get(), given[0], given[2], given[1]) != FALSE;
}

uint64_t GetFileSizeOf(std::wstring_view file) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(std::wstring(file).c_str(), GetFileExInfoStandard, &data)) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "GetFileSizeOf");
  }
  return uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

bool LoadResourceToStream(HMODULE module, const wchar_t* name, const wchar_t* type,
                          std::string& stream) {
  const HRSRC info = FindResourceW(module, name, type);
  const DWORD size = info == nullptr ? 0 : SizeofResource(module, info);
  const HGLOBAL data = size == 0 ? nullptr : LoadResource(module, info);
  const void* bytes = data == nullptr ? nullptr : LockResource(data);
  if (bytes == nullptr) return false;
  stream.append(static_cast<const char*>(bytes), size);
  return true;
}

bool TulStringList::WriteValuesToFile(std::wstring_view fileName) const {
  const std::wstring text = ValuesText();
  if (text.empty()) return true;
  return WriteWholeFile(std::wstring(fileName), ToAnsi(text)) == ERROR_SUCCESS;
}
