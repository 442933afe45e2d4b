// What the download sequence computes and shows, and the updater's command line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "upgrade/controller/ul_download_texts.h"
#include "upgrade/controller/ul_updater_rights.h"

namespace {

TEST(DownloadTexts, WholeJobPercentageCountsFinishedFilesAndAShareOfTheCurrentOne) {
  EXPECT_EQ(TotalPercentsDone(0, 3, 0), 0);
  EXPECT_EQ(TotalPercentsDone(0, 3, 50), 16);
  EXPECT_EQ(TotalPercentsDone(1, 3, 0), 33);
  EXPECT_EQ(TotalPercentsDone(2, 3, 100), 100);  // round(66.7) + 33
  EXPECT_EQ(TotalPercentsDone(0, 1, 100), 100);
  EXPECT_EQ(TotalPercentsDone(0, 0, 100), 0) << "no file, nothing to divide";
}

TEST(DownloadTexts, ProgressLines) {
  EXPECT_EQ(AllDownloadingText(0, 3), L"当前正在下载:1 of 3");
  EXPECT_EQ(TransferRateText(12.345f), L"传输速率:12.3 Kb/s");
  EXPECT_EQ(EstimatedTimeText(3725), L"估计剩余时间:1:2:5");
  EXPECT_EQ(EstimatedTimeText(59), L"估计剩余时间:0:0:59");
  EXPECT_EQ(EstimatedTimeText(-1), L"估计剩余时间:0:0:0") << "unknown";
  EXPECT_EQ(LostFileText(L"a.dll"),
            L"文档a.dll找不到或者发生错误，\n\n您要忽略这个文档并且继续升级操作吗？");
}

TEST(DownloadTexts, AFileWithoutTargetGoesToTheProgramFolderUnderItsLastName) {
  EXPECT_EQ(DefaultTarget(L"https://h/x/dir/tool.dll", L"C:\\App\\"), L"C:\\App\\tool.dll");
  EXPECT_EQ(DefaultTarget(L"tool.dll", L"C:\\App\\"), L"C:\\App\\tool.dll");
}

TEST(DownloadTexts, UpdaterArgumentsAreUnquotedWithThePlusBeforeTheParameters) {
  EXPECT_EQ(UpdaterArguments(L"C:\\App\\OstrelMini.exe", L"/afterupgrade0"),
            L"C:\\App\\OstrelMini.exe +/afterupgrade0");
}

// A user's own installation is upgraded with his rights; one for all users, or one where he may
// not replace something, with administrator rights.
TEST(DownloadTexts, TheUpdaterAsksForAdministratorRightsOnlyWhereTheyAreNeeded) {
  const std::vector<std::wstring> paths{L"C:\\App\\", L"C:\\App\\a.dll", L"D:\\Data\\b.ini"};
  std::vector<std::wstring> asked;
  const auto allowed = [&](const std::wstring& path) {
    asked.push_back(path);
    return true;
  };
  EXPECT_FALSE(UpdaterNeedsElevation(false, paths, allowed));
  EXPECT_EQ(asked, paths);
  EXPECT_TRUE(UpdaterNeedsElevation(true, paths, allowed));
  EXPECT_TRUE(UpdaterNeedsElevation(
      false, paths, [](const std::wstring& path) { return path != L"D:\\Data\\b.ini"; }));
}

}  // namespace
