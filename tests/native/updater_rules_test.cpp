// The updater's command line, queue text and folder-scan names, without the file system.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "upgrade/controller/ul_rollback.h"
#include "upgrade/updater/updater_rules.h"

namespace {

TEST(UpdaterArguments, TakeTheApplicationParametersAndMethodAsTheApplicationWritesThem) {
  const TUpdaterRequest request =
      ParseUpdaterArguments({R"(C:\App\OstrelMini.exe)", "+/afterupgrade0"});
  EXPECT_EQ(request.ApplicationPath, R"(C:\App\OstrelMini.exe)");
  EXPECT_EQ(request.Parameters, "/afterupgrade");
  EXPECT_FALSE(request.ExternalSetup);
  EXPECT_TRUE(ParseUpdaterArguments({R"(C:\App\OstrelMini.exe)", "+/afterupgrade1"}).ExternalSetup);
}

TEST(UpdaterArguments, JoinAnUnquotedPathWithSpaces) {
  const TUpdaterRequest request =
      ParseUpdaterArguments({R"(C:\Program)", R"(Files\Ostrel\OstrelMini.exe)", "+/afterupgrade1"});
  EXPECT_EQ(request.ApplicationPath, R"(C:\Program Files\Ostrel\OstrelMini.exe)");
  EXPECT_EQ(request.Parameters, "/afterupgrade");
  EXPECT_TRUE(request.ExternalSetup);
}

TEST(UpdaterArguments, CutAtTheLastPlusSoAPathMayHoldOne) {
  const TUpdaterRequest request =
      ParseUpdaterArguments({R"(C:\C++)", "+1", R"(Tools\a+b\OstrelMini.exe)", "+/afterupgrade0"});
  EXPECT_EQ(request.ApplicationPath, R"(C:\C++ +1 Tools\a+b\OstrelMini.exe)");
  EXPECT_EQ(request.Parameters, "/afterupgrade");
  EXPECT_FALSE(request.ExternalSetup);
}

TEST(UpdaterArguments, ParametersWithSpacesAndEmptyOnes) {
  EXPECT_EQ(ParseUpdaterArguments({"a.exe", "+/x", "/y0"}).Parameters, "/x /y");
  EXPECT_EQ(ParseUpdaterArguments({"a.exe", "+0"}).Parameters, "");
  // The parameters the application keeps when set empty: one space.
  EXPECT_EQ(ParseUpdaterArguments({"a.exe", "+", "0"}).Parameters, " ");
  EXPECT_EQ(ParseUpdaterArguments({"a.exe", "+"}).Parameters, "");
}

TEST(UpdaterArguments, AFirstStartLimitOptionSetsTheNewVersionsTime) {
  EXPECT_EQ(ParseUpdaterArguments({R"(C:\App\a.exe)", "+/x0"}).StartLimitSeconds, 60u);
  const TUpdaterRequest request =
      ParseUpdaterArguments({"/startlimit:5", R"(C:\App\a.exe)", "+/afterupgrade0"});
  EXPECT_EQ(request.StartLimitSeconds, 5u);
  EXPECT_EQ(request.ApplicationPath, R"(C:\App\a.exe)");
  EXPECT_EQ(request.Parameters, "/afterupgrade");
  // A limit that is no number, or none, keeps the default; the option is never the path.
  for (const char* option : {"/startlimit:", "/startlimit:0", "/startlimit:5s", "/startlimit:-5"}) {
    const TUpdaterRequest bad = ParseUpdaterArguments({option, "a.exe", "+/x0"});
    EXPECT_EQ(bad.StartLimitSeconds, 60u) << option;
    EXPECT_EQ(bad.ApplicationPath, "a.exe") << option;
  }
}

TEST(UpdaterArguments, WithoutPlusAllIsTheApplicationPath) {
  const TUpdaterRequest request = ParseUpdaterArguments({R"(C:\My)", "App.exe"});
  EXPECT_EQ(request.ApplicationPath, R"(C:\My App.exe)");
  EXPECT_EQ(request.Parameters, "");
  EXPECT_FALSE(request.ExternalSetup);
  EXPECT_EQ(ParseUpdaterArguments({}).ApplicationPath, "");
}

TEST(UpdaterPaths, FolderKeepsItsSeparatorAndNameFollowsIt) {
  EXPECT_EQ(FolderOf(R"(C:\App\OstrelMini.exe)"), R"(C:\App\)");
  EXPECT_EQ(FileNameOf(R"(C:\App\OstrelMini.exe)"), "OstrelMini.exe");
  EXPECT_EQ(FolderOf("OstrelMini.exe"), "");
  EXPECT_EQ(FileNameOf("OstrelMini.exe"), "OstrelMini.exe");
}

TEST(UpdaterQueue, SplitsAtCrLfOnly) {
  EXPECT_EQ(SplitQueueText("C:\\a.ini\r\nC:\\sub\\b.dat\r\n"),
            (std::vector<std::string>{R"(C:\a.ini)", R"(C:\sub\b.dat)"}));
  EXPECT_EQ(SplitQueueText("C:\\a.ini\r\n\r\nC:\\b\nc"),
            (std::vector<std::string>{R"(C:\a.ini)", "C:\\b\nc"}));
  EXPECT_EQ(SplitQueueText(""), std::vector<std::string>());
}

TEST(UpdaterNames, TemporarySuffixInAnyCase) {
  EXPECT_EQ(WithoutTemporarySuffix("tool.dll.uTMP"), "tool.dll");
  EXPECT_EQ(WithoutTemporarySuffix("TOOL.DLL.UTMP"), "TOOL.DLL");
  EXPECT_EQ(WithoutTemporarySuffix(".uTMP"), "");
  EXPECT_EQ(WithoutTemporarySuffix("tool.dll.uTMPx"), "");
}

TEST(UpdaterScan, SelfUpgradeInstallsTheFirstProgramAsTheApplication) {
  TFolderScan scan{.ApplicationName = "OstrelMini.exe"};
  EXPECT_EQ(ScanTarget(scan, "tool.dll").Name, "tool.dll");
  const TScanTarget program = ScanTarget(scan, "OstrelMini-1.2.EXE");
  EXPECT_EQ(program.Name, "OstrelMini.exe");
  EXPECT_FALSE(program.Setup);
  EXPECT_EQ(ScanTarget(scan, "helper.exe").Name, "helper.exe");
  EXPECT_EQ(scan.SetupName, "");
}

TEST(UpdaterScan, ExternalSetupTakesTheFirstProgramAsTheSetup) {
  TFolderScan scan{.ExternalSetup = true, .ApplicationName = "OstrelMini.exe"};
  const TScanTarget setup = ScanTarget(scan, "setup.exe");
  EXPECT_EQ(setup.Name, "setup.exe");
  EXPECT_TRUE(setup.Setup);
  EXPECT_EQ(scan.SetupName, "setup.exe");
  EXPECT_FALSE(ScanTarget(scan, "helper.exe").Setup);
}

TEST(UpdaterScan, ProgramsKeepTheirNamesOnceTheApplicationWasDownloaded) {
  for (const bool external : {false, true}) {
    TFolderScan scan{.ExternalSetup = external,
                     .ApplicationName = "OstrelMini.exe",
                     .ApplicationDownloaded = true};
    const TScanTarget target = ScanTarget(scan, "helper.exe");
    EXPECT_EQ(target.Name, "helper.exe");
    EXPECT_FALSE(target.Setup);
    EXPECT_EQ(scan.SetupName, "");
  }
}

TEST(UpdaterCommandLine, QuotesTheProgram) {
  EXPECT_EQ(CommandLineFor(R"(C:\Program Files\a.exe)", "/afterupgrade"),
            R"("C:\Program Files\a.exe" /afterupgrade)");
  EXPECT_EQ(CommandLineFor(R"(C:\a.exe)", ""), R"("C:\a.exe")");
}

// What the updater starts the previous version with is what that version reads: the cause for
// its log, and which of two things it tells the user.
TEST(UpdaterCommandLine, TellsThePreviousVersionWhyNothingWasInstalled) {
  const auto read = [](const std::string& parameters) {
    return ReadRollBack(std::wstring(parameters.begin(), parameters.end())).value_or(TulRollBack{});
  };
  EXPECT_EQ(RolledBackParameters(32), "/upgraderolledback:32");
  const TulRollBack notReplaced = read(RolledBackParameters(32));
  const TulRollBack ended = read(EndedParameters(3221225477));
  const TulRollBack silent = read(SilentParameters(60));
  EXPECT_NE(notReplaced.LogLine.find(L"could not replace a file (error 32)"), std::wstring::npos);
  EXPECT_NE(ended.LogLine.find(L"ended (exit code 3221225477)"), std::wstring::npos);
  EXPECT_NE(silent.LogLine.find(L"had not started after 60 s"), std::wstring::npos);
  EXPECT_EQ(silent.UserText, ended.UserText);
  EXPECT_NE(notReplaced.UserText, ended.UserText);
  // A cause a later updater may add is still reported; other arguments are not the updater's.
  EXPECT_EQ(read("/upgraderolledback:ended:x").UserText, notReplaced.UserText);
  EXPECT_FALSE(ReadRollBack(L"/afterupgrade").has_value());
  EXPECT_FALSE(ReadRollBack(L"/UPGRADEROLLEDBACK:32").has_value());
}

}  // namespace
