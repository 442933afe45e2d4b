// The path macros and relative paths, and the application folder's VirtualStore rule, on
// folders made up for the test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "upgrade/support/ul_paths.h"

namespace {

// Folders as the system gives them: each ends in "\"; notes which kinds were asked for.
struct FakeFolders {
  std::vector<int> asked;
  TulFolderSource Source() {
    return [this](TulSpecialFolder kind) {
      asked.push_back(kind);
      switch (kind) {
        case sfApplication:
          return std::wstring(LR"(C:\App\)");
        case sfWindows:
          return std::wstring(LR"(C:\windows\)");
        case sfAppData:
          return std::wstring(LR"(C:\users\me\AppData\Roaming\)");
        case sfTemp:
          return std::wstring(LR"(C:\users\me\Temp\)");
        default:
          return L"<" + std::to_wstring(kind) + LR"(>\)";
      }
    };
  }
};

TEST(ExpandPathMacros, ReplacesMacrosInAnyCaseAndKeepsTheFoldersSeparator) {
  FakeFolders folders;
  EXPECT_EQ(ExpandPathMacros(LR"(%WINDOWS%\foo.ini)", true, folders.Source()),
            LR"(C:\windows\\foo.ini)");
  EXPECT_EQ(ExpandPathMacros(LR"(%windows%\foo.ini)", true, folders.Source()),
            LR"(C:\windows\\foo.ini)");
  EXPECT_EQ(ExpandPathMacros(LR"(%AppData%\a\%appdata%)", false, folders.Source()),
            LR"(C:\users\me\AppData\Roaming\\a\C:\users\me\AppData\Roaming\)");
  EXPECT_EQ(ExpandPathMacros(LR"(%current%x.txt)", true, folders.Source()), LR"(C:\App\x.txt)");
}

TEST(ExpandPathMacros, AsksOnlyForTheFoldersThePathNames) {
  FakeFolders folders;
  ExpandPathMacros(LR"(%temp%\a.dat)", false, folders.Source());
  EXPECT_EQ(folders.asked, std::vector<int>{sfTemp});
  folders.asked.clear();
  ExpandPathMacros(LR"(C:\Data\x.txt)", true, folders.Source());
  EXPECT_TRUE(folders.asked.empty());
}

TEST(ExpandPathMacros, EachMacroHasItsFolder) {
  FakeFolders folders;
  EXPECT_EQ(ExpandPathMacros(
                L"%desktop%%mydocuments%%mypictures%%programfiles%%system%%help%%media%%cursors%",
                false, folders.Source()),
            LR"(<1>\<2>\<3>\<5>\<7>\<9>\<10>\<11>\)");
  EXPECT_EQ(ExpandPathMacros(L"%unknown%\\x", false, folders.Source()), L"%unknown%\\x");
}

TEST(ExpandPathMacros, PutsRelativePathsInTheApplicationFolder) {
  FakeFolders folders;
  EXPECT_EQ(ExpandPathMacros(LR"(C:\Data\x.txt)", true, folders.Source()), LR"(C:\Data\x.txt)");
  EXPECT_EQ(ExpandPathMacros(L"x.txt", true, folders.Source()), LR"(C:\App\x.txt)");
  EXPECT_EQ(ExpandPathMacros(LR"(sub\bar.dat)", true, folders.Source()), LR"(C:\App\sub\bar.dat)");
  EXPECT_EQ(ExpandPathMacros(L"ab", true, folders.Source()), L"ab");
  EXPECT_EQ(ExpandPathMacros(L"x.txt", false, folders.Source()), L"x.txt");
  // A network path has no drive but is not relative.
  EXPECT_EQ(ExpandPathMacros(LR"(\\server\share\x.dll)", true, folders.Source()),
            LR"(\\server\share\x.dll)");
}

TEST(ResolveApplicationPaths, TakesTheModulesFolder) {
  const auto paths = ResolveApplicationPaths(LR"(C:\Program Files\Ostrel\OstrelMini.exe)", 10,
                                             LR"(D:\elsewhere)", [](const std::wstring&) {
                                               ADD_FAILURE() << "no check expected";
                                               return false;
                                             });
  EXPECT_EQ(paths.File, LR"(C:\Program Files\Ostrel\OstrelMini.exe)");
  EXPECT_EQ(paths.Folder, LR"(C:\Program Files\Ostrel\)");
  EXPECT_EQ(paths.Error, L"");
}

TEST(ResolveApplicationPaths, AVirtualStoreFolderBecomesTheCurrentDirectory) {
  const std::wstring module =
      LR"(C:\Users\me\AppData\Local\VirtualStore\Program Files\Ostrel\OstrelMini.exe)";
  std::wstring checked;
  auto paths = ResolveApplicationPaths(module, 6, LR"(C:\Program Files\Ostrel)",
                                       [&](const std::wstring& file) {
                                         checked = file;
                                         return true;
                                       });
  EXPECT_EQ(paths.Folder, LR"(C:\Program Files\Ostrel\)");
  EXPECT_EQ(paths.File, LR"(C:\Program Files\Ostrel\OstrelMini.exe)");
  EXPECT_EQ(checked, paths.File);
  EXPECT_EQ(paths.Error, L"");

  paths =
      ResolveApplicationPaths(module, 6, LR"(C:\Temp\)", [](const std::wstring&) { return false; });
  EXPECT_EQ(paths.File, LR"(C:\Temp\OstrelMini.exe)");
  EXPECT_EQ(paths.Error, L"CurrentFolder has been changed!?!");

  // Before Windows Vista there is no virtualisation.
  paths =
      ResolveApplicationPaths(module, 5, LR"(C:\Temp\)", [](const std::wstring&) { return false; });
  EXPECT_EQ(paths.File, module);
  EXPECT_EQ(paths.Error, L"");
}

}  // namespace
