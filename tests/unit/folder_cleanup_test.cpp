// Folder clean-up: deleting a folder's contents around an exclusion list, file lists, the cache
// clean-up that keeps the cookies.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "engine/support/cache_cleanup.h"
#include "engine/support/file_operations.h"
#include "tests/unit/engine_test_support.h"

namespace {

namespace fs = std::filesystem;
using engine_test::TempFolder;

// ---- Folder clean-up ----

const std::vector<std::wstring> kCookies{L"Cookies", L"Cookies-journal"};

TEST(DeleteDirContents, ExclusionListKeepsTheCookiesAndTheFolder) {
  TempFolder folder;
  folder.WriteFile(L"cache\\COOKIES", "c");  // names compare without letter case
  folder.WriteFile(L"cache\\Cookies-journal", "j");
  folder.WriteFile(L"cache\\index", "x");
  folder.WriteFile(L"cache\\Cache\\data_1", "x");
  folder.WriteFile(L"cache\\Cache\\deeper\\data_2", "x");
  const fs::path cache = folder.path() / L"cache";
  EXPECT_TRUE(DeleteDirContents(cache.wstring(), kCookies));
  std::vector<std::wstring> left;
  for (const auto& entry : fs::directory_iterator(cache)) {
    left.push_back(entry.path().filename().wstring());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::wstring>{L"COOKIES", L"Cookies-journal"}));
}

TEST(DeleteDirContents, SubFolderKeptAliveByAnExcludedFileIsAFailure) {
  TempFolder folder;
  folder.WriteFile(L"sub\\Cookies", "c");
  folder.WriteFile(L"sub\\other", "x");
  EXPECT_FALSE(DeleteDirContents(folder.path().wstring(), kCookies));
  EXPECT_TRUE(fs::exists(folder.path() / L"sub\\Cookies"));
  EXPECT_FALSE(fs::exists(folder.path() / L"sub\\other"));
  // Without the list everything goes.
  EXPECT_TRUE(DeleteDirContents(folder.path().wstring()));
  EXPECT_TRUE(fs::is_empty(folder.path()));
  EXPECT_TRUE(DeleteDirContents(L""));
  EXPECT_TRUE(DeleteDirContents((folder.path() / L"missing").wstring()));
}

TEST(FileLists, DeleteReportsEveryMissingEntry) {
  TempFolder folder;
  folder.WriteFile(L"a", "x");
  folder.WriteFile(L"b", "x");
  const std::wstring a = (folder.path() / L"a").wstring();
  const std::wstring b = (folder.path() / L"b").wstring();
  EXPECT_FALSE(DeleteFileList({a, (folder.path() / L"missing").wstring(), b}));
  EXPECT_FALSE(fs::exists(a));
  EXPECT_FALSE(fs::exists(b));  // the loop goes on after a missing entry
  folder.WriteFile(L"c", "x");
  EXPECT_TRUE(DeleteFileList({(folder.path() / L"c").wstring()}));
}

TEST(FileLists, MoveCountsTheMovedNames) {
  TempFolder folder;
  folder.WriteFile(L"from\\Cookies", "c");
  const std::wstring from = (folder.path() / L"from").wstring();
  const std::wstring to = (folder.path() / L"new\\").wstring();
  EXPECT_FALSE(MoveFileList(kCookies, from, to));  // the journal is missing
  EXPECT_TRUE(fs::exists(folder.path() / L"new\\Cookies"));
  folder.WriteFile(L"from\\Cookies", "c");
  folder.WriteFile(L"from\\Cookies-journal", "j");
  EXPECT_TRUE(MoveCookieFiles(from, (folder.path() / L"other").wstring()));
  EXPECT_FALSE(MoveFileList(kCookies, L"", to));
  EXPECT_FALSE(MoveFileList(kCookies, (folder.path() / L"missing").wstring(), to));
}

TEST(CacheCleanup, CookieFilesAreDeletedInTheirFolderOnly) {
  TempFolder folder;
  folder.WriteFile(L"Cookies", "c");
  folder.WriteFile(L"Cookies-journal", "j");
  folder.WriteFile(L"index", "x");
  EXPECT_TRUE(DeleteCookieFiles(folder.path().wstring()));
  EXPECT_TRUE(fs::exists(folder.path() / L"index"));
  EXPECT_FALSE(fs::exists(folder.path() / L"Cookies"));
  EXPECT_FALSE(DeleteCookieFiles(folder.path().wstring()));
  EXPECT_FALSE(DeleteCookieFiles(L""));
}

TEST(CacheCleanup, RenamedFolderGoesAwayAndTheCookiesStay) {
  TempFolder folder;
  const fs::path cache = folder.path() / L"cache";
  folder.WriteFile(L"cache\\Cookies", "c");
  folder.WriteFile(L"cache\\Cookies-journal", "j");
  folder.WriteFile(L"cache\\Cache\\data_1", "x");
  folder.WriteFile(L"cache(1)\\someone-elses", "x");  // taken: the next free name is used
  RenameAndDeleteDir(cache.wstring() + L"\\", true);
  EXPECT_TRUE(fs::exists(cache / L"Cookies"));
  EXPECT_TRUE(fs::exists(cache / L"Cookies-journal"));
  EXPECT_FALSE(fs::exists(cache / L"Cache"));
  EXPECT_TRUE(fs::exists(folder.path() / L"cache(1)\\someone-elses"));
  // The deleter thread removes "cache(2)" on its own; nobody waits for it but this test.
  for (int i = 0; i < 100 && fs::exists(folder.path() / L"cache(2)"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_FALSE(fs::exists(folder.path() / L"cache(2)"));

  RenameAndDeleteDir(cache.wstring(), false);
  for (int i = 0; i < 100 && fs::exists(folder.path() / L"cache(2)"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_FALSE(fs::exists(cache));
  EXPECT_FALSE(fs::exists(folder.path() / L"cache(2)"));
}

}  // namespace
