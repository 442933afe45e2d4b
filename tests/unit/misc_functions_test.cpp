// Support functions of the start-up: paths, the single file checks and their missing list,
// version and image-header reading, text helpers, the exception decision, folder clean-up,
// "data:" addresses, URL parts, time conversion, window descriptions and task posting.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "engine/application/cef_application.h"
#include "engine/callbacks/cef_task_own.h"
#include "engine/core/engine_log.h"
#include "engine/core/exception_policy.h"
#include "engine/support/cache_cleanup.h"
#include "engine/support/engine_utilities.h"
#include "engine/support/file_checks.h"
#include "engine/support/file_operations.h"
#include "engine/support/file_version.h"
#include "engine/support/paths.h"
#include "engine/support/text_functions.h"
#include "engine/support/time_conversion.h"
#include "engine/support/window_info.h"
#include "tests/unit/engine_test_support.h"
#include "tests/unit/loaded_engine.h"

namespace {

namespace fs = std::filesystem;
using engine_test::BinDir;
using engine_test::EngineFilesCopy;
using engine_test::RecordingApplication;
using engine_test::TempFolder;

// ---- Paths ----

TEST(CanonicalizePath, RemovesDotDotWithTheFolderBeforeIt) {
  std::wstring result;
  ASSERT_TRUE(CanonicalizePath(L"C:\\a\\b\\..\\c", result));
  EXPECT_EQ(result, L"C:\\a\\c");
  ASSERT_TRUE(CanonicalizePath(L"C:\\a\\.\\b", result));
  EXPECT_EQ(result, L"C:\\a\\b");
}

TEST(CanonicalizePath, GivesUpOnLongExtendedAndUncPaths) {
  std::wstring result = L"x";
  const std::wstring long_path = L"C:\\" + std::wstring(258, L'a');  // 261 characters
  EXPECT_FALSE(CanonicalizePath(long_path, result));
  EXPECT_TRUE(result.empty());
  result = L"x";
  EXPECT_FALSE(CanonicalizePath(L"\\\\?\\C:\\a\\..\\b", result));
  EXPECT_TRUE(result.empty());
  EXPECT_FALSE(CanonicalizePath(L"\\\\server\\share\\a\\..\\b", result));
  EXPECT_TRUE(result.empty());
}

TEST(AbsoluteFolderPath, RelativePathsAreTakenBesideTheProgram) {
  EXPECT_EQ(AbsoluteFolderPath(L"cache", false), ProgramFolder() + L"cache");
  EXPECT_EQ(AbsoluteFolderPath(L"a\\..\\cache", false), ProgramFolder() + L"cache");
  EXPECT_TRUE(AbsoluteFolderPath(L"", false).empty());
  EXPECT_TRUE(AbsoluteFolderPath(L"no-such-folder-here", true).empty());
  EXPECT_EQ(AbsoluteFolderPath(L"C:\\x\\..\\y", false), L"C:\\y");
  // A UNC path cannot be canonicalised: it is kept as given.
  EXPECT_EQ(AbsoluteFolderPath(L"\\\\server\\share\\a", false), L"\\\\server\\share\\a");
}

TEST(AbsoluteFolderPath, ExistingFolderPassesTheExistenceTest) {
  TempFolder folder;
  EXPECT_EQ(AbsoluteFolderPath(folder.path().wstring(), true), folder.path().wstring());
}

TEST(ProgramFolder, EndsWithASeparator) {
  const std::wstring folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_TRUE(DirectoryExists(folder));
  EXPECT_FALSE(IsRelativePath(folder));
  EXPECT_TRUE(IsRelativePath(L"cache"));
  EXPECT_TRUE(IsUncPath(L"\\\\server\\share"));
}

// ---- File checks ----

TEST(CheckDLLs, OnlyTheMissingFileIsListed) {
  EngineFilesCopy files;
  files.Remove(L"libEGL.dll");
  std::wstring missing;
  EXPECT_FALSE(CheckDLLs(L"", missing));
  EXPECT_EQ(missing, L"libEGL.dll\r\n");
  missing.clear();
  EXPECT_TRUE(CheckResources(L"", true, true, missing));
  EXPECT_TRUE(CheckLocales(L"", L"", missing));
  EXPECT_TRUE(missing.empty());
}

TEST(CheckDLLs, MissingFolderListsEveryFileWithItsFolder) {
  std::wstring missing = L"  earlier.dll\r\n";
  EXPECT_FALSE(CheckDLLs(L"C:\\no\\engine", missing));
  EXPECT_EQ(missing,
            L"earlier.dll\r\n"
            L"C:\\no\\engine\\chrome_elf.dll\r\nC:\\no\\engine\\libcef.dll\r\n"
            L"C:\\no\\engine\\d3dcompiler_47.dll\r\nC:\\no\\engine\\libEGL.dll\r\n"
            L"C:\\no\\engine\\libGLESv2.dll\r\nC:\\no\\engine\\swiftshader\\libEGL.dll\r\n"
            L"C:\\no\\engine\\swiftshader\\libGLESv2.dll\r\nC:\\no\\engine\\icudtl.dat\r\n");
}

TEST(CheckDLLs, ExistingFolderPrefixesEveryName) {
  TempFolder folder;
  folder.WriteFile(L"chrome_elf.dll", "x");
  std::wstring missing;
  EXPECT_FALSE(CheckDLLs(folder.path().wstring(), missing));
  EXPECT_EQ(missing.find(L"chrome_elf.dll"), std::wstring::npos);
  EXPECT_EQ(missing.rfind(folder.path().wstring() + L"\\libcef.dll\r\n", 0), 0u);
}

TEST(CheckLocales, MissingFolderListsAll53) {
  TempFolder empty;
  empty.MakeCurrent();
  std::wstring missing;
  EXPECT_FALSE(CheckLocales(L"", L"", missing));
  std::wstring expected = L"\r\n";
  for (const wchar_t* code : kBuiltInLocales)
    expected += L"locales\\" + std::wstring(code) + L".pak\r\n";
  EXPECT_EQ(missing, expected);
  EXPECT_EQ(Trim(missing).size(), expected.size() - 4);
}

TEST(CheckLocales, RequiredListSplitsAtCommasAndBlanksAndKeepsQuotedItems) {
  TempFolder folder;
  folder.WriteFile(L"loc\\en-US.pak", "x");
  folder.WriteFile(L"loc\\de.pak", "x");
  folder.WriteFile(L"loc\\my locale.pak", "x");
  const std::wstring prefix = folder.path().wstring() + L"\\loc\\";
  std::wstring missing;
  EXPECT_TRUE(
      CheckLocales(folder.path().wstring() + L"\\loc", L"en-US, de \"my locale\"", missing));
  EXPECT_TRUE(missing.empty());
  EXPECT_FALSE(CheckLocales(folder.path().wstring() + L"\\loc\\", L"en-US,fr,\"a,b\",", missing));
  EXPECT_EQ(missing, prefix + L"fr.pak\r\n" + prefix + L"a,b.pak\r\n");
}

TEST(CheckLocales, FolderSettingIsUsedAsGiven) {
  TempFolder folder;
  folder.MakeCurrent();
  folder.WriteFile(L"mine\\de.pak", "x");
  std::wstring missing;
  EXPECT_TRUE(CheckLocales(L"mine", L"de", missing));
  EXPECT_FALSE(CheckLocales(L"mine", L"fr", missing));
  EXPECT_EQ(missing, L"mine\\fr.pak\r\n");
}

TEST(CheckSubprocessPath, EmptyOrExistingPasses) {
  TempFolder folder;
  folder.WriteFile(L"helper.exe", "x");
  std::wstring missing = L"\r\nkept\r\n";
  EXPECT_TRUE(CheckSubprocessPath(L"", missing));
  EXPECT_TRUE(CheckSubprocessPath((folder.path() / L"helper.exe").wstring(), missing));
  EXPECT_EQ(missing, L"\r\nkept\r\n");
  EXPECT_FALSE(CheckSubprocessPath((folder.path() / L"other.exe").wstring(), missing));
  EXPECT_EQ(missing, L"kept\r\nother.exe");
}

TEST(CheckFilesExist, SkipsEmptyEntriesAndListsMissingOnes) {
  TempFolder folder;
  folder.WriteFile(L"a.txt", "x");
  std::wstring missing;
  EXPECT_TRUE(CheckFilesExist({(folder.path() / L"a.txt").wstring(), L""}, missing));
  const std::wstring absent = (folder.path() / L"b.txt").wstring();
  EXPECT_FALSE(CheckFilesExist({absent, folder.path().wstring()}, missing));
  EXPECT_EQ(missing, absent + L"\r\n" + folder.path().wstring() + L"\r\n");  // a folder is no file
}

TEST(FolderPrefix, EmptyMeansTheCurrentDirectory) {
  std::wstring prefix = L"x";
  EXPECT_TRUE(FolderPrefix(L"", prefix));
  EXPECT_TRUE(prefix.empty());
  EXPECT_FALSE(FolderPrefix(L"C:\\no\\such", prefix));
  EXPECT_EQ(prefix, L"C:\\no\\such\\");
  EXPECT_FALSE(FolderPrefix(L"sub", prefix));
  EXPECT_EQ(prefix, ProgramFolder() + L"sub\\");
}

// ---- Versions and image headers ----

TEST(FileVersion, StandInLibrariesCarryTheEngineVersions) {
  TFileVersionInfo version;
  ASSERT_TRUE(GetDLLVersion((BinDir() / L"libcef.dll").wstring(), version));
  EXPECT_EQ(VersionToText(version), L"77.1.18.0");
  EXPECT_TRUE(MatchDLLVersion((BinDir() / L"libcef.dll").wstring(), 77, 1, 18, 0));
  EXPECT_FALSE(MatchDLLVersion((BinDir() / L"libcef.dll").wstring(), 77, 1, 18, 1));
  EXPECT_EQ(GetExtendedFileVersion((BinDir() / L"chrome_elf.dll").wstring()),
            (77ull << 48) | (0ull << 32) | (3865ull << 16) | 120ull);
}

TEST(FileVersion, FileWithoutVersionResourceReadsAsZeros) {
  TempFolder folder;
  folder.WriteFile(L"plain.dll", "plain text");
  const std::wstring path = (folder.path() / L"plain.dll").wstring();
  TFileVersionInfo version{1, 2, 3, 4};
  ASSERT_TRUE(GetDLLVersion(path, version));
  EXPECT_EQ(VersionToText(version), L"0.0.0.0");
  EXPECT_FALSE(MatchDLLVersion(path, 0, 0, 0, 1));
  EXPECT_FALSE(MatchDLLVersion(path, 77, 1, 18, 0));
  EXPECT_EQ(GetExtendedFileVersion(path), 0u);
}

TEST(FileVersion, MissingFileLeavesTheRecordUntouched) {
  TFileVersionInfo version{1, 2, 3, 4};
  EXPECT_FALSE(GetDLLVersion(L"C:\\no\\such.dll", version));
  EXPECT_EQ(VersionToText(version), L"1.2.3.4");
  EXPECT_FALSE(MatchDLLVersion(L"C:\\no\\such.dll", 1, 2, 3, 4));
}

TEST(FileVersion, StringInfoOfTheVersionResource) {
  std::wstring product;
  ASSERT_TRUE(GetStringFileInfo((BinDir() / L"chrome_elf.dll").wstring(), L"ProductName", product));
  EXPECT_EQ(product, L"Ostrel-Mini stand-in engine");
  EXPECT_FALSE(GetStringFileInfo((BinDir() / L"chrome_elf.dll").wstring(), L"NoSuchKey", product));
}

TEST(GetDLLHeaderMachine, ReadsTheMachineOfAnImage) {
  uint32_t machine = 1;
  ASSERT_TRUE(GetDLLHeaderMachine((BinDir() / L"libcef.dll").wstring(), machine));
  EXPECT_EQ(machine, 0x8664u);
  TempFolder folder;
  std::filesystem::copy_file(BinDir() / L"libcef.dll", folder.path() / L"x86.dll");
  engine_test::PatchImageMachine(folder.path() / L"x86.dll", 0x014C);
  ASSERT_TRUE(GetDLLHeaderMachine((folder.path() / L"x86.dll").wstring(), machine));
  EXPECT_EQ(machine, 0x014Cu);
}

TEST(GetDLLHeaderMachine, RejectsWhatIsNoImage) {
  TempFolder folder;
  uint32_t machine = 1;
  folder.WriteFile(L"text.dll", std::string(400, 'x'));
  EXPECT_FALSE(GetDLLHeaderMachine((folder.path() / L"text.dll").wstring(), machine));
  EXPECT_EQ(machine, 0u);
  folder.WriteFile(L"short.dll", "MZ");
  EXPECT_FALSE(GetDLLHeaderMachine((folder.path() / L"short.dll").wstring(), machine));
  // "MZ" with a zero offset of the new header.
  folder.WriteFile(L"zero.dll", "MZ" + std::string(400, '\0'));
  EXPECT_FALSE(GetDLLHeaderMachine((folder.path() / L"zero.dll").wstring(), machine));
  // A new header without the "PE" signature.
  std::string no_pe = "MZ" + std::string(400, '\0');
  no_pe[0x3C] = 0x40;
  folder.WriteFile(L"nope.dll", no_pe);
  EXPECT_FALSE(GetDLLHeaderMachine((folder.path() / L"nope.dll").wstring(), machine));
  EXPECT_FALSE(GetDLLHeaderMachine(L"C:\\no\\such.dll", machine));
  EXPECT_FALSE(RunningUnderWow64());  // a 64-bit program
}

// ---- Text helpers ----

TEST(TextFunctions, SplitDelimitedList) {
  using List = std::vector<std::wstring>;
  EXPECT_EQ(SplitDelimitedList(L""), List{});
  EXPECT_EQ(SplitDelimitedList(L"a,b c"), (List{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitDelimitedList(L"  a , b  "), (List{L"a", L"b"}));
  EXPECT_EQ(SplitDelimitedList(L"\"x y\",\"p,q\""), (List{L"x y", L"p,q"}));
  EXPECT_EQ(SplitDelimitedList(L"\"say \"\"hi\"\"\""), (List{L"say \"hi\""}));
  EXPECT_EQ(SplitDelimitedList(L"a,,b,"), (List{L"a", L"", L"b", L""}));
}

TEST(TextFunctions, TrimHexAndFileNames) {
  EXPECT_EQ(Trim(L"\r\n \tabc \r\n"), L"abc");
  EXPECT_EQ(Trim(L"\r\n"), L"");
  EXPECT_EQ(HexText(0xC1, 8), L"000000C1");
  EXPECT_EQ(HexText(0xDEADBEEF, 8), L"DEADBEEF");
  EXPECT_EQ(ExtractFileName(L"C:\\a\\b.exe"), L"b.exe");
  EXPECT_EQ(ExtractFileName(L"b.exe"), L"b.exe");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\a"), L"C:\\a\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\a\\"), L"C:\\a\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(L"C:\\a\\"), L"C:\\a");
  EXPECT_TRUE(SameText(L"--TYPE=", L"--type="));
  EXPECT_FALSE(SameText(L"abc", L"abd"));
}

// ---- Engine log line ----

TEST(EngineLog, LineNamesProcessThreadAndRole) {
  EXPECT_EQ(EngineLogLine(12, 34, ptBrowser, L"Process started"),
            L"PID: 12, TID: 34, PT: Browser - Process started");
  EXPECT_EQ(EngineLogLine(1, 2, ptRenderer, L"m"), L"PID: 1, TID: 2, PT: Renderer - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptZygote, L"m"), L"PID: 1, TID: 2, PT: Zygote - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptGPU, L"m"), L"PID: 1, TID: 2, PT: GPU - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptUtility, L"m"), L"PID: 1, TID: 2, PT: Other - m");
  EXPECT_EQ(EngineLogLine(1, 2, ptOther, L"m"), L"PID: 1, TID: 2, PT: Other - m");
}

// ---- Exception decision ----

TEST(HandleRoutineException, RaisesAgainOnlyWhenTheApplicationAsksForIt) {
  EXPECT_FALSE(HandleRoutineException(L"Test.NoApplication"));
  RecordingApplication app;
  EXPECT_FALSE(HandleRoutineException(L"Test.Default"));
  EXPECT_EQ(GuardRoutine(L"Test.Guarded", -1, []() -> int { throw std::runtime_error("x"); }), -1);
  app.SetReRaiseExceptions(true);
  EXPECT_TRUE(HandleRoutineException(L"Test.ReRaise"));
  EXPECT_THROW(GuardRoutine(L"Test.Guarded", -1, []() -> int { throw std::runtime_error("x"); }),
               std::runtime_error);
  EXPECT_EQ(GuardRoutine(L"Test.Guarded", -1, [] { return 5; }), 5);
}

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

// ---- Engine-calling helpers ----

class EngineHelpers : public LoadedEngine {};

TEST_F(EngineHelpers, DataUriOfTextAndOfBytes) {
  EXPECT_EQ(MakeDataUri(L"abc", L"text/html"), L"data:text/html;charset=utf-8;base64,YWJj");
  // Base64's "+", "/" and "=" are escaped by the engine's URI escaping where it must.
  const unsigned char bytes[] = {0xFB, 0xFF};
  EXPECT_EQ(MakeDataUri(bytes, sizeof(bytes), L"image/png", L""),
            L"data:image/png;base64,%2B/8%3D");
  // "é" is two bytes in UTF-8.
  EXPECT_EQ(MakeDataUri(L"\u00e9", L"text/plain"), L"data:text/plain;charset=utf-8;base64,w6k%3D");
  EXPECT_EQ(MakeDataUri(L"", L"text/html"), L"");
}

TEST_F(EngineHelpers, UrlPartsCopiedButTheWholeAddressKept) {
  TUrlParts parts;
  parts.spec = L"as passed";
  ASSERT_TRUE(ParseUrlParts(L"HTTP://user:pw@Example.ORG:8080/a/./b?q=1#top", parts));
  EXPECT_EQ(parts.spec, L"as passed");
  EXPECT_EQ(parts.scheme, L"http");
  EXPECT_EQ(parts.username, L"user");
  EXPECT_EQ(parts.password, L"pw");
  EXPECT_EQ(parts.host, L"example.org");
  EXPECT_EQ(parts.port, L"8080");
  EXPECT_EQ(parts.origin, L"http://example.org:8080/");
  EXPECT_EQ(parts.path, L"/a/b");
  EXPECT_EQ(parts.query, L"q=1");

  TUrlParts untouched;
  untouched.host = L"kept";
  EXPECT_FALSE(ParseUrlParts(L"no scheme here", untouched));
  EXPECT_EQ(untouched.host, L"kept");
}

TEST_F(EngineHelpers, RefusedTaskIsGivenBackToTheProgram) {
  // Before the engine is initialised no engine thread exists: the engine refuses the task and
  // releases the reference it was given.
  const CefRefPtr<ICefTask> task = TCefFastTask::New([] {});
  EXPECT_FALSE(PostEngineTask(TID_UI, task));
  EXPECT_FALSE(PostEngineDelayedTask(TID_UI, task, 10));
  EXPECT_TRUE(task->HasOneReference());
  EXPECT_FALSE(PostEngineTask(TID_UI, nullptr));
}

TEST(EngineHelpersWithoutEngine, DoNothing) {
  TUrlParts parts;
  EXPECT_FALSE(ParseUrlParts(L"http://example.org/", parts));
  EXPECT_EQ(MakeDataUri(L"abc", L"text/html"), L"");
  const CefRefPtr<ICefTask> task = TCefFastTask::New([] {});
  EXPECT_FALSE(PostEngineTask(TID_UI, task));
  EXPECT_TRUE(task->HasOneReference());
}

// ---- Time conversion ----

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0,
                WORD ms = 0) {
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  time.wMilliseconds = ms;
  return time;
}

TEST(TimeConversion, DateTimeCountsDaysFrom1899) {
  EXPECT_EQ(SystemTimeToDateTime(Time(1899, 12, 30)), 0.0);
  EXPECT_EQ(SystemTimeToDateTime(Time(1900, 1, 1)), 2.0);
  EXPECT_EQ(SystemTimeToDateTime(Time(2000, 1, 1, 12)), 36526.5);
  EXPECT_EQ(SystemTimeToDateTime(Time(1899, 12, 29, 6)), -1.25);  // the time of day stays positive
  SYSTEMTIME time{};
  ASSERT_TRUE(DateTimeToSystemTime(-1.25, time));
  EXPECT_EQ(time.wDay, 29);
  EXPECT_EQ(time.wHour, 6);
  ASSERT_TRUE(DateTimeToSystemTime(36526.75, time));
  EXPECT_EQ(time.wYear, 2000);
  EXPECT_EQ(time.wDayOfWeek, 6);  // a Saturday
  EXPECT_EQ(time.wHour, 18);
  // Just below midnight rounds up into the next day rather than to hour 24.
  ASSERT_TRUE(DateTimeToSystemTime(1.0 - 1e-10, time));
  EXPECT_EQ(time.wDay, 31);
  EXPECT_EQ(time.wHour, 0);
  EXPECT_FALSE(DateTimeToSystemTime(-200000.0, time));  // before 1601
}

TEST(TimeConversion, EngineTimeRoundTripsThroughLocalTime) {
  const TDateTime value = SystemTimeToDateTime(Time(2021, 7, 4, 13, 45, 30, 250));
  const TCefTime engine_time = DateTimeToCefTime(value);
  EXPECT_EQ(engine_time.year, 2021);
  EXPECT_EQ(engine_time.millisecond, 250);
  EXPECT_DOUBLE_EQ(CefTimeToDateTime(engine_time), value);
  // A zero record means "no time"; wrapped or invalid fields are refused, not converted.
  EXPECT_EQ(CefTimeToDateTime(TCefTime{}), 0.0);
  TCefTime wrapped = engine_time;
  wrapped.year += 65536;
  EXPECT_EQ(CefTimeToDateTime(wrapped), 0.0);
  TCefTime bad_month = engine_time;
  bad_month.month = 13;
  EXPECT_EQ(CefTimeToDateTime(bad_month), 0.0);
}

// ---- Window descriptions and windowless helpers ----

TEST(WindowInfo, ChildPopupAndWindowlessDescriptions) {
  const ustring name = L"browser";
  const HWND parent = reinterpret_cast<HWND>(0x1234);
  TCefWindowInfo info;
  std::memset(&info, 0xAB, sizeof(info));
  ChildWindowInfo(info, parent, RECT{10, 20, 110, 70}, name, 0x200);
  EXPECT_EQ(info.style, 0x56010000u);
  EXPECT_EQ(info.ex_style, 0x200u);
  EXPECT_EQ(std::tie(info.x, info.y, info.width, info.height), std::make_tuple(10, 20, 100, 50));
  EXPECT_EQ(info.parent_window, parent);
  EXPECT_EQ(info.window_name.str, name.c_str());  // points at the caller's text
  EXPECT_EQ(info.window_name.length, name.size());
  EXPECT_EQ(info.menu, nullptr);
  EXPECT_EQ(info.windowless_rendering_enabled + info.shared_texture_enabled +
                info.external_begin_frame_enabled,
            0);
  EXPECT_EQ(info.window, nullptr);

  PopupWindowInfo(info, parent, name);
  EXPECT_EQ(info.style, 0x16CF0000u);
  EXPECT_EQ(info.ex_style, 0u);
  for (int value : {info.x, info.y, info.width, info.height}) {
    EXPECT_EQ(static_cast<uint32_t>(value), 0x80000000u);
  }

  WindowlessWindowInfo(info, parent, name);
  EXPECT_EQ(info.style, 0u);
  EXPECT_EQ(info.x + info.y + info.width + info.height, 0);
  EXPECT_EQ(info.windowless_rendering_enabled, 1);
  EXPECT_EQ(info.parent_window, parent);
}

TEST(WindowlessHelpers, FlagsOperationsAndCoordinates) {
  EXPECT_EQ(DragEventFlags(MK_LBUTTON | MK_SHIFT | MK_CONTROL | MK_MBUTTON | MK_RBUTTON, false,
                           false, false),
            16u + 2 + 4 + 32 + 64);
  EXPECT_EQ(DragEventFlags(0, true, true, true), 8u + 256 + 1);
  EXPECT_EQ(DropEffectToDragOperation(1 | 2 | 4), 1u + 2 + 16);
  EXPECT_EQ(DropEffectToDragOperation(2), 16u);
  EXPECT_EQ(DragOperationToDropEffect(16 | 2), 2u + 4);
  EXPECT_EQ(DragOperationToDropEffect(DropEffectToDragOperation(4)), 4u);
  cef_point_t point{301, -4};
  DeviceToLogical(point, 1.5f);
  EXPECT_EQ(point.x, 200);
  EXPECT_EQ(point.y, -3);  // rounded down
  cef_size_t size{100, 99};
  DeviceToLogical(size, 2.0f);
  EXPECT_EQ(size.width, 50);
  EXPECT_EQ(size.height, 49);
  EXPECT_EQ(DeviceToLogical(7, 0.0f), 7);
}

}  // namespace
