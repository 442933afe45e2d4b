#ifndef OSTREL_UPGRADE_SUPPORT_UL_PATHS_H_
#define OSTREL_UPGRADE_SUPPORT_UL_PATHS_H_

// The rules behind the application folder and the path macros, with the folders handed in.
// Free of <windows.h>: ul_utils.h applies them to this computer's folders.

#include <functional>
#include <string>
#include <string_view>

// Special folders by kind, each ending in "\" (12 is empty).
enum TulSpecialFolder : int {
  sfApplication = 0,
  sfDesktop = 1,
  sfMyDocuments = 2,
  sfMyPictures = 3,
  sfAppData = 4,
  sfProgramFiles = 5,
  sfWindows = 6,
  sfSystem = 7,
  sfTemp = 8,
  sfHelp = 9,
  sfMedia = 10,
  sfCursors = 11,
  sfNone = 12,
};
using TulFolderSource = std::function<std::wstring(TulSpecialFolder kind)>;

// Replaces the macros "%current%" (the application folder), "%desktop%", "%mydocuments%",
// "%mypictures%", "%appdata%", "%programfiles%", "%windows%", "%system%", "%temp%", "%help%",
// "%media%" and "%cursors%", in this order and in any case, by their folders; asks `folderOf`
// only for the macros the path holds. With `makeAbsolute`, a path of three or more characters
// that has no drive (second character not ":") and is not a network path ("\\server\share") is
// put in the application folder. "%WINDOWS%\foo.ini" gives "C:\windows\\foo.ini": the folder's
// "\" stays, and the file functions take the doubled separator.
std::wstring ExpandPathMacros(std::wstring_view path, bool makeAbsolute,
                              const TulFolderSource& folderOf);

struct TulApplicationPaths {
  std::wstring File;    // the running program
  std::wstring Folder;  // its folder, ending in "\"
  std::wstring Error;   // set when the program must not go on
};
// From the program's module path. A program that finds itself under
// "\AppData\Local\VirtualStore" (Windows Vista and later, major version above 5) was started
// through the folder virtualisation: it takes the current directory as its folder, and it must
// not go on when it is not found there.
TulApplicationPaths ResolveApplicationPaths(
    std::wstring_view modulePath, unsigned windowsMajorVersion, std::wstring_view currentDirectory,
    const std::function<bool(const std::wstring& file)>& fileExists);

#endif  // OSTREL_UPGRADE_SUPPORT_UL_PATHS_H_
