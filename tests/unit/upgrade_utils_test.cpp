// The upgrade library's Windows utilities: the application folder, special folders and path
// macros on this system, registered programs and content types (test classes written to the
// test prefix's registry), local HTTP dates, 8-bit text, file times and sizes, resources and the
// download queue's file.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "upgrade/support/ul_string_list.h"
#include "upgrade/support/ul_text.h"
#include "upgrade/support/ul_utils.h"

namespace {

namespace fs = std::filesystem;

std::wstring ModulePath() {
  wchar_t path[MAX_PATH] = {};
  return {path, GetModuleFileNameW(nullptr, path, MAX_PATH)};
}

std::wstring Folder(UINT (*getter)(wchar_t*, UINT)) {
  wchar_t path[MAX_PATH] = {};
  return std::wstring(path, getter(path, MAX_PATH)) + L"\\";
}

TEST(UpgradeFolders, TheApplicationIsTheRunningProgram) {
  EXPECT_EQ(ApplicationFile(), ModulePath());
  EXPECT_TRUE(ApplicationFolder().ends_with(L'\\'));
  EXPECT_TRUE(ApplicationFile().starts_with(ApplicationFolder()));
  EXPECT_EQ(ApplicationFile().find(L'\\', ApplicationFolder().size()), std::wstring::npos);
  EXPECT_TRUE(CheckApplicationFolder());
}

TEST(UpgradeFolders, SpecialFoldersEndInABackslash) {
  const std::wstring windows = Folder(GetWindowsDirectoryW);
  EXPECT_EQ(GetSpecialFolder(sfApplication), ApplicationFolder());
  EXPECT_EQ(GetSpecialFolder(sfWindows), windows);
  EXPECT_EQ(GetSpecialFolder(sfSystem), Folder(GetSystemDirectoryW));
  EXPECT_EQ(GetSpecialFolder(sfProgramFiles), windows.substr(0, 3) + L"Program Files\\");
  EXPECT_EQ(GetSpecialFolder(sfHelp), windows + L"HELP\\");
  EXPECT_EQ(GetSpecialFolder(sfMedia), windows + L"MEDIA\\");
  EXPECT_EQ(GetSpecialFolder(sfCursors), windows + L"CURSORS\\");
  EXPECT_EQ(GetSpecialFolder(sfNone), L"");
  wchar_t temp[MAX_PATH] = {};
  EXPECT_EQ(GetSpecialFolder(sfTemp), std::wstring(temp, GetTempPathW(MAX_PATH, temp)));
  for (const TulSpecialFolder user : {sfDesktop, sfMyDocuments, sfAppData}) {
    const std::wstring folder = GetSpecialFolder(user);
    EXPECT_TRUE(folder.size() > 3 && folder.ends_with(L'\\')) << user;
    EXPECT_NE(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES) << user;
  }
}

TEST(UpgradeFolders, ExpandedPathsWorkWithTheFileFunctions) {
  const std::wstring windows = Folder(GetWindowsDirectoryW);
  EXPECT_EQ(ExpandPath(L"%WINDOWS%\\foo.ini", true), windows + L"\\foo.ini");
  const std::wstring system = ExpandPath(L"%Windows%\\system32", true);
  EXPECT_NE(system.find(L"\\\\system32"), std::wstring::npos);
  EXPECT_NE(GetFileAttributesW(system.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ExpandPath(L"x.txt", true), ApplicationFolder() + L"x.txt");
  EXPECT_EQ(ExpandPath(L"C:\\Data\\x.txt", true), L"C:\\Data\\x.txt");
  EXPECT_EQ(ExpandPath(L"ab", true), L"ab");
}

// ---- Registered file types ----

class UpgradeFileTypes : public ::testing::Test {
 protected:
  static void Write(const std::wstring& key, const wchar_t* name, const std::wstring& value,
                    DWORD type = REG_SZ) {
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(opened, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
  }
  void TearDown() override {
    for (const wchar_t* key : {L".ostreltest", L".ostrelverb", L".ostrelany", L"OstrelTest.File",
                               L"OstrelTest.Verb", L"OstrelTest.Any"}) {
      RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
      RegDeleteKeyW(HKEY_CLASSES_ROOT, key);
    }
  }
};

TEST_F(UpgradeFileTypes, TheOpenVerbGivesTheProgram) {
  Write(L".ostreltest", nullptr, L"OstrelTest.File");
  Write(L".ostreltest", L"Content Type", L"application/x-ostrel-test");
  Write(L"OstrelTest.File\\shell\\open\\command", nullptr,
        LR"("C:\Program Files\Ostrel Test\viewer.exe" "%1")");
  EXPECT_EQ(GetProgramOfExtension(L".ostreltest"), LR"(C:\Program Files\Ostrel Test\viewer.exe)");
  EXPECT_EQ(GetContentTypeOfExtension(L"OSTRELTEST"), L"application/x-ostrel-test");
  EXPECT_EQ(GetContentTypeOfExtension(L".ostreltest"), L"application/x-ostrel-test");
  EXPECT_EQ(GetProgramOfExtension(L"."), L"");
  EXPECT_EQ(GetProgramOfExtension(L""), L"");
  EXPECT_EQ(GetProgramOfExtension(L".ostrelmissing"), L"");
  EXPECT_EQ(GetContentTypeOfExtension(L".ostrelmissing"), L"application/octet-stream");
}

TEST_F(UpgradeFileTypes, WithoutOpenAVerbNamedLikeItOrElseTheFirstOne) {
  Write(L".ostrelverb", nullptr, L"OstrelTest.Verb");
  Write(L"OstrelTest.Verb\\shell\\edit\\command", nullptr, LR"(C:\Tools\editor.exe %1)");
  Write(L"OstrelTest.Verb\\shell\\xopen\\command", nullptr, LR"(C:\Tools\xopener.exe /x %1)");
  EXPECT_EQ(GetProgramOfExtension(L".ostrelverb"), LR"(C:\Tools\xopener.exe)");
  Write(L".ostrelany", nullptr, L"OstrelTest.Any");
  Write(L"OstrelTest.Any\\shell\\edit\\command", nullptr, LR"(%SystemRoot%\notepad.exe %1)",
        REG_EXPAND_SZ);
  EXPECT_EQ(GetProgramOfExtension(L".ostrelany"), Folder(GetWindowsDirectoryW) + L"notepad.exe");
}

// ---- Times and text ----

TEST(UpgradeText, EightBitTextBase64AndBoundaries) {
  EXPECT_EQ(ToAnsi(L"abc"), "abc");
  EXPECT_EQ(Base64Text(L"abc"), L"YWJj");
  EXPECT_EQ(Base64Text(L"ab"), L"YWI=");
  const std::wstring boundary = GetUploadBoundary(L'0');
  ASSERT_TRUE(boundary.starts_with(L"---HTTP-DATA-BOUNDARY-0-"));
  ASSERT_TRUE(boundary.ends_with(L"---"));
  const std::wstring stamp = boundary.substr(24, boundary.size() - 27);
  EXPECT_GE(stamp.size(), 28u);
  EXPECT_EQ(
      stamp.find_first_not_of(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/="),
      std::wstring::npos);
  EXPECT_EQ(CompareTextLocale(L"Straße", L"STRASSE", true) == 0,
            CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, L"Straße", -1, L"STRASSE", -1) ==
                CSTR_EQUAL);
  EXPECT_EQ(CompareTextLocale(L"abc", L"ABC", true), 0);
  EXPECT_LT(CompareTextLocale(L"a", L"b", false), 0);
}

// ---- Files ----

class UpgradeFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder =
        fs::temp_directory_path() / (L"ostrel-upgrade-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(FFolder);
  }
  void TearDown() override { fs::remove_all(FFolder); }
  std::wstring File(const wchar_t* name) const { return (FFolder / name).wstring(); }
  static std::string Read(const std::wstring& file) {
    std::ifstream in(fs::path(file), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  fs::path FFolder;
};

TEST_F(UpgradeFiles, SetsTheGivenLocalTimesAndLeavesTheOthers) {
  const std::wstring file = File(L"times.uTMP");
  std::ofstream(fs::path(file)) << "x";
  FILETIME before[3];
  HANDLE handle =
      CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  GetFileTime(handle, &before[0], &before[1], &before[2]);
  CloseHandle(handle);

  TDateTime when = 0;
  ASSERT_TRUE(EncodeDateTime({2020, 1, 2, 3, 4, 5}, when));
  ASSERT_TRUE(SetFileTimes(file, when, when, -1));
  FILETIME after[3];
  handle =
      CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileTime(handle, &after[0], &after[1], &after[2]);
  CloseHandle(handle);
  SYSTEMTIME utc;
  SYSTEMTIME local;
  for (const FILETIME& time : {after[0], after[2]}) {  // creation, last write
    FileTimeToSystemTime(&time, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    EXPECT_EQ(local.wYear, 2020);
    EXPECT_EQ(local.wDay, 2);
    EXPECT_EQ(local.wHour, 3);
    EXPECT_EQ(local.wSecond, 5);
  }
  EXPECT_EQ(CompareFileTime(&after[1], &before[1]), 0);  // last access untouched
  EXPECT_FALSE(SetFileTimes(File(L"missing"), when, when, when));
}

TEST_F(UpgradeFiles, SizesOfFilesAndTheErrorOfAMissingOne) {
  const std::wstring file = File(L"size.bin");
  std::ofstream(fs::path(file), std::ios::binary) << std::string(1234, 'z');
  EXPECT_EQ(GetFileSizeOf(file), 1234u);
  try {
    GetFileSizeOf(File(L"missing.bin"));
    ADD_FAILURE() << "no error";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code().value(), ERROR_FILE_NOT_FOUND);
  }
}

// What the user may replace decides whether the updater asks for administrator rights. (Wine
// grants everything the user's files allow, so only a folder that cannot hold files is refused.)
TEST_F(UpgradeFiles, MayReplaceAFileAFolderAndWhatAFolderWouldHold) {
  const std::wstring file = File(L"held.dll");
  std::ofstream(fs::path(file)) << "x";
  HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_TRUE(MayReplace(file)) << "held by a program, which is no matter of rights";
  CloseHandle(held);
  EXPECT_TRUE(MayReplace(FFolder.wstring() + L"\\"));
  EXPECT_TRUE(MayReplace(File(L"new\\deeper\\file.ini")));
  // The folder's trial file is gone again, and nothing was made for the one that would be.
  EXPECT_EQ(std::distance(fs::directory_iterator(FFolder), fs::directory_iterator()), 1);
  EXPECT_FALSE(MayReplace(L"nowhere"));
}

TEST_F(UpgradeFiles, LoadsResourcesIntoAStream) {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  std::string stream = "head";
  EXPECT_TRUE(LoadResourceToStream(kernel, MAKEINTRESOURCEW(1), RT_VERSION, stream));
  EXPECT_GT(stream.size(), 4u + 52u);
  EXPECT_EQ(stream.substr(0, 4), "head");
  const std::string loaded = stream;
  EXPECT_FALSE(LoadResourceToStream(kernel, L"NO_SUCH_RESOURCE", L"ULUPG", stream));
  EXPECT_EQ(stream, loaded);
}

TEST_F(UpgradeFiles, TheQueueFileListsTheValuesInTheEightBitCodePage) {
  TulStringList queue;
  queue.Add(L"http://h/a.dll=" + File(L"a.dll"));
  queue.Add(L"http://h/b.dll");
  queue.Add(L"http://h/c.dll=C:\\Data\\caf\u00e9.dll");
  const std::wstring file = File(L"UpgraderQueue.txt");
  ASSERT_TRUE(queue.WriteValuesToFile(file));
  EXPECT_EQ(Read(file), ToAnsi(File(L"a.dll") + L"\r\nC:\\Data\\caf\u00e9.dll\r\n"));
  // Without values nothing is written, not even an empty file.
  TulStringList empty;
  empty.Add(L"http://h/b.dll");
  ASSERT_TRUE(empty.WriteValuesToFile(File(L"none.txt")));
  EXPECT_FALSE(fs::exists(fs::path(File(L"none.txt"))));
}

}  // namespace
