// The start-up's file support: paths, the single file checks and their missing lists, version
// and image-header reading.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "engine/support/file_checks.h"
#include "engine/support/file_version.h"
#include "engine/support/paths.h"
#include "tests/unit/engine_test_support.h"

namespace {

using engine_test::BinDir;
using engine_test::EngineFilesCopy;
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
  EXPECT_EQ(TrimText(missing).size(), expected.size() - 4);
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

}  // namespace
