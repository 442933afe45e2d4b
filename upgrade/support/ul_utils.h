#ifndef OSTREL_UPGRADE_SUPPORT_UL_UTILS_H_
#define OSTREL_UPGRADE_SUPPORT_UL_UTILS_H_

// The upgrade library's dealings with Windows: the application's file and folder, special
// folders and path macros, the default browser and the registered file types, the connection
// check, local time, 8-bit text and Base64, upload boundaries, file times and sizes, resources.
// The rules themselves are in the system-free units (ul_paths.h, ul_text.h, ul_date_time.h).

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/code_page.h"
#include "base/local_time.h"
#include "upgrade/support/ul_date_time.h"
#include "upgrade/support/ul_paths.h"

// The running program and its folder (ending in "\"), read at first use.
const std::wstring& ApplicationFile();
const std::wstring& ApplicationFolder();
// For the program's start: false, after the message "CurrentFolder has been changed!?!" titled
// "ulUtils", when the program cannot find itself in its folder (ResolveApplicationPaths).
bool CheckApplicationFolder();

// The program's first command-line argument, "" when it has none.
std::wstring FirstProgramArgument();

// Ends in "\" ("" for sfNone, and for a folder of the user's that cannot be read).
std::wstring GetSpecialFolder(TulSpecialFolder kind);
// ExpandPathMacros with this computer's folders.
std::wstring ExpandPath(std::wstring_view path, bool makeAbsolute);

// Opens the address ("http://" added when it has no scheme) with the program registered for
// ".html", or else with whatever the shell opens it with. False when nothing could be started.
bool OpenAddress(std::wstring_view address, bool useDefaultBrowser);
// The program that opens files of `extension` (".html"): the "open" verb of its class, else the
// first verb with "open" in its name, else the first verb; "" when there is none.
std::wstring GetProgramOfExtension(std::wstring_view extension);
// The registered "Content Type" of `extension` (with or without its "."), else
// "application/octet-stream".
std::wstring GetContentTypeOfExtension(std::wstring_view extension);

// A text value (`value` nullptr: the key's default value) of at most `maxBytes`; environment
// strings in an expandable value are expanded. Nothing when there is no such text.
std::optional<std::wstring> ReadRegistryText(HKEY root, const std::wstring& key,
                                             const wchar_t* value, DWORD maxBytes = 4096);
// Whether this user may replace `path`: create files in it, for a folder; rename or delete it,
// for a file. A path that does not exist is judged by its folder.
bool MayReplace(const std::wstring& path);

// A dial-up connection is up, or this computer has an address other than 127.0.0.1.
bool IsConnectedToNetwork();

// HttpDateToUtc in this computer's local time (the zone rules in force at that date); 0 stays 0.
TDateTime HttpDateToLocal(std::wstring_view text);

// EncodeBase64 of the text in the 8-bit code page.
std::wstring Base64Text(std::wstring_view text);
// "---HTTP-DATA-BOUNDARY-" + character + "-" + Base64 of the local date and time + "---".
std::wstring GetUploadBoundary(wchar_t character);

// Sets the given local times of `file`; -1 leaves that time as it is. False when the file
// cannot be opened to write its attributes or the times cannot be set.
bool SetFileTimes(std::wstring_view file, TDateTime creation, TDateTime lastWrite,
                  TDateTime lastAccess);
// Throws std::system_error with the system's error when the file cannot be read.
uint64_t GetFileSizeOf(std::wstring_view file);
// Appends the raw data of the resource to `stream`; false when it is missing or empty.
bool LoadResourceToStream(HMODULE module, const wchar_t* name, const wchar_t* type,
                          std::string& stream);

// As the user's locale orders texts (a TulCompareText for TulStringList).
int CompareTextLocale(std::wstring_view a, std::wstring_view b, bool ignoreCase);

#endif  // OSTREL_UPGRADE_SUPPORT_UL_UTILS_H_
