#include "engine/support/file_checks.h"

#include "engine/core/exception_policy.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"

const wchar_t* const kBuiltInLocales[53] = {
    L"am",    L"ar",    L"bg", L"bn",     L"ca", L"cs", L"da",    L"de",   L"el",
    L"en-GB", L"en-US", L"es", L"es-419", L"et", L"fa", L"fi",    L"fil",  L"fr",
    L"gu",    L"he",    L"hi", L"hr",     L"hu", L"id", L"it",    L"ja",   L"kn",
    L"ko",    L"lt",    L"lv", L"ml",     L"mr", L"ms", L"nb",    L"nl",   L"pl",
    L"pt-BR", L"pt-PT", L"ro", L"ru",     L"sk", L"sl", L"sr",    L"sv",   L"sw",
    L"ta",    L"te",    L"th", L"tr",     L"uk", L"vi", L"zh-CN", L"zh-TW"};

namespace {

// A folder that does not exist: every expected path is missing, without testing each.
bool ReportAllMissing(const std::vector<std::wstring>& paths, std::wstring& missing) {
  missing = std::wstring(TrimText(missing)) + std::wstring(kLineBreak);
  for (const std::wstring& path : paths) missing += path + std::wstring(kLineBreak);
  return false;
}

bool CheckFolderFiles(const std::wstring& folder, const std::vector<std::wstring>& names,
                      std::wstring& missing) {
  std::wstring prefix;
  const bool folder_exists = FolderPrefix(folder, prefix);
  std::vector<std::wstring> paths;
  paths.reserve(names.size());
  for (const std::wstring& name : names) paths.push_back(prefix + name);
  return folder_exists ? CheckFilesExist(paths, missing) : ReportAllMissing(paths, missing);
}

}  // namespace

bool CheckSubprocessPath(const std::wstring& path, std::wstring& missing) {
  return GuardRoutine(L"CheckSubprocessPath", false, [&] {
    if (path.empty() || FileExists(path)) return true;
    missing = std::wstring(TrimText(missing)) + std::wstring(kLineBreak) +
              std::wstring(ExtractFileName(path));
    return false;
  });
}

bool CheckDLLs(const std::wstring& framework_dir, std::wstring& missing) {
  return GuardRoutine(L"CheckDLLs", false, [&] {
    return CheckFolderFiles(
        framework_dir,
        {L"chrome_elf.dll", L"libcef.dll", L"d3dcompiler_47.dll", L"libEGL.dll", L"libGLESv2.dll",
         L"swiftshader\\libEGL.dll", L"swiftshader\\libGLESv2.dll", L"icudtl.dat"},
        missing);
  });
}

bool CheckResources(const std::wstring& resources_dir, bool with_devtools, bool with_extensions,
                    std::wstring& missing) {
  return GuardRoutine(L"CheckResources", false, [&] {
    std::vector<std::wstring> names = {L"natives_blob.bin",        L"snapshot_blob.bin",
                                       L"v8_context_snapshot.bin", L"cef.pak",
                                       L"cef_100_percent.pak",     L"cef_200_percent.pak"};
    if (with_extensions) names.push_back(L"cef_extensions.pak");
    if (with_devtools) names.push_back(L"devtools_resources.pak");
    return CheckFolderFiles(resources_dir, names, missing);
  });
}

bool CheckLocales(const std::wstring& locales_dir, const std::wstring& required,
                  std::wstring& missing) {
  return GuardRoutine(L"CheckLocales", false, [&] {
    // Relative to the current directory, like the engine itself resolves it.
    const std::wstring prefix = locales_dir.empty() ? std::wstring(L"locales\\")
                                                    : IncludeTrailingPathDelimiter(locales_dir);
    std::vector<std::wstring> codes;
    if (TrimText(required).empty()) {
      codes.assign(std::begin(kBuiltInLocales), std::end(kBuiltInLocales));
    } else {
      codes = SplitDelimitedList(required);
    }
    std::vector<std::wstring> paths;
    for (const std::wstring& code : codes) {
      // An empty item (",," or a trailing comma) names no locale.
      if (!code.empty()) paths.push_back(prefix + code + L".pak");
    }
    if (!DirectoryExists(ExcludeTrailingPathDelimiter(prefix))) {
      return ReportAllMissing(paths, missing);
    }
    return CheckFilesExist(paths, missing);
  });
}

bool CheckFilesExist(const std::vector<std::wstring>& paths, std::wstring& missing) {
  return GuardRoutine(L"CheckFilesExist", false, [&] {
    bool all_found = true;
    for (const std::wstring& path : paths) {
      if (path.empty() || FileExists(path)) continue;
      missing += path + std::wstring(kLineBreak);
      all_found = false;
    }
    return all_found;
  });
}

bool FolderPrefix(const std::wstring& folder, std::wstring& prefix) {
  if (folder.empty()) {
    prefix.clear();
    return true;
  }
  const std::wstring absolute = AbsoluteFolderPath(folder, false);
  prefix = IncludeTrailingPathDelimiter(absolute);
  return DirectoryExists(absolute);
}
