#include "upgrade/support/ul_paths.h"

#include <array>
#include <utility>

#include "upgrade/support/ul_text.h"

namespace {

constexpr std::array<std::pair<std::wstring_view, TulSpecialFolder>, 12> kMacros{{
    {L"%current%", sfApplication},
    {L"%desktop%", sfDesktop},
    {L"%mydocuments%", sfMyDocuments},
    {L"%mypictures%", sfMyPictures},
    {L"%appdata%", sfAppData},
    {L"%programfiles%", sfProgramFiles},
    {L"%windows%", sfWindows},
    {L"%system%", sfSystem},
    {L"%temp%", sfTemp},
    {L"%help%", sfHelp},
    {L"%media%", sfMedia},
    {L"%cursors%", sfCursors},
}};

// `pattern` is lower case; the text is searched in lower case (ASCII only, so the positions
// stay those of the text).
std::wstring ReplaceAllNoCase(std::wstring_view text, std::wstring_view pattern,
                              std::wstring_view replacement) {
  const std::wstring lower = LowerAscii(text);
  std::wstring result;
  size_t from = 0;
  for (size_t at; (at = lower.find(pattern, from)) != std::wstring::npos;
       from = at + pattern.size()) {
    result.append(text.substr(from, at - from)).append(replacement);
  }
  return result.append(text.substr(from));
}

}  // namespace

std::wstring ExpandPathMacros(std::wstring_view path, bool makeAbsolute,
                              const TulFolderSource& folderOf) {
  std::wstring result(path);
  for (const auto& [macro, kind] : kMacros) {
    if (LowerAscii(result).find(macro) != std::wstring::npos) {
      result = ReplaceAllNoCase(result, macro, folderOf(kind));
    }
  }
  if (makeAbsolute && result.size() >= 3 && result[1] != L':' && !result.starts_with(L"\\\\")) {
    result.insert(0, folderOf(sfApplication));
  }
  return result;
}

TulApplicationPaths ResolveApplicationPaths(
    std::wstring_view modulePath, unsigned windowsMajorVersion, std::wstring_view currentDirectory,
    const std::function<bool(const std::wstring& file)>& fileExists) {
  const size_t slash = modulePath.find_last_of(L'\\');
  const size_t nameAt = slash == std::wstring_view::npos ? 0 : slash + 1;
  TulApplicationPaths paths{std::wstring(modulePath), std::wstring(modulePath.substr(0, nameAt))};
  if (windowsMajorVersion <= 5 ||
      LowerAscii(paths.Folder).find(L"\\appdata\\local\\virtualstore") == std::wstring::npos) {
    return paths;
  }
  paths.Folder = currentDirectory;
  if (!paths.Folder.ends_with(L'\\')) paths.Folder += L'\\';
  paths.File = paths.Folder + std::wstring(modulePath.substr(nameAt));
  if (!fileExists(paths.File)) paths.Error = L"CurrentFolder has been changed!?!";
  return paths;
}
