// The engine files check of the browser process: files present, library version and machine
// type, with the message and status of every failure. Runs on private copies of build/bin as the
// current directory; the engine is never initialised here.

#include <gtest/gtest.h>

#include <string>

#include "engine/application/cef_application.h"
#include "tests/unit/engine_test_support.h"

namespace {

using engine_test::EngineFilesCopy;
using engine_test::RecordingApplication;
using engine_test::TempFolder;
using engine_test::VariantsDir;

const std::wstring kUseOnly =
    L"Use only the CEF binaries specified in the Corvana Readme.md file at "
    L"https://ostrel.example/engine-files";

TEST(EngineFilesCheck, CompleteFilesPass) {
  EngineFilesCopy files;
  RecordingApplication app;
  EXPECT_TRUE(app.CheckEngineFiles());
  EXPECT_TRUE(app.messages.empty());
  EXPECT_EQ(app.Status(), asLoading);
  EXPECT_TRUE(app.MissingLibFiles().empty());
}

TEST(EngineFilesCheck, MissingFilesAreListedInCheckOrder) {
  EngineFilesCopy files;
  files.Remove(L"locales\\de.pak");
  files.Remove(L"cef.pak");
  files.Remove(L"libEGL.dll");
  files.Remove(L"swiftshader\\libGLESv2.dll");
  RecordingApplication app;
  EXPECT_FALSE(app.CheckEngineFiles());
  EXPECT_EQ(app.Status(), asErrorMissingFiles);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0],
            L"CEF binaries missing !\r\n\r\nThe missing files are :\r\n"
            L"libEGL.dll\r\nswiftshader\\libGLESv2.dll\r\ncef.pak\r\nlocales\\de.pak");
}

TEST(EngineFilesCheck, MissingLibraryIsListedAndNotLoaded) {
  EngineFilesCopy files;
  files.Remove(L"libcef.dll");
  RecordingApplication app;
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.Status(), asErrorMissingFiles);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0],
            L"CEF binaries missing !\r\n\r\nThe missing files are :\r\nlibcef.dll");
  EXPECT_FALSE(app.LibLoaded());
  EXPECT_EQ(app.LibHandle(), nullptr);
}

TEST(EngineFilesCheck, FilesAreLookedForInTheCurrentDirectory) {
  EngineFilesCopy files;  // complete, but not current
  TempFolder elsewhere;
  elsewhere.MakeCurrent();
  RecordingApplication app;
  EXPECT_FALSE(app.CheckEngineFiles());
  ASSERT_EQ(app.messages.size(), 1u);
  const std::wstring& message = app.messages[0];
  EXPECT_EQ(message.rfind(L"CEF binaries missing !\r\n\r\nThe missing files are :\r\n"
                          L"chrome_elf.dll\r\nlibcef.dll\r\n",
                          0),
            0u);
  EXPECT_NE(message.find(L"\r\ndevtools_resources.pak\r\n"), std::wstring::npos);
  // The locales folder is missing: all 53 files are listed, the last one ends the message.
  EXPECT_NE(message.find(L"\r\nlocales\\am.pak\r\n"), std::wstring::npos);
  EXPECT_TRUE(message.ends_with(L"\r\nlocales\\zh-TW.pak"));
}

TEST(EngineFilesCheck, MissingLocalesFolderListsEveryBuiltInLocale) {
  EngineFilesCopy files;
  files.Remove(L"locales");
  RecordingApplication app;
  EXPECT_FALSE(app.CheckEngineFiles());
  ASSERT_EQ(app.messages.size(), 1u);
  const std::wstring prefix = L"CEF binaries missing !\r\n\r\nThe missing files are :\r\n";
  ASSERT_EQ(app.messages[0].rfind(prefix, 0), 0u);
  const std::wstring list = app.messages[0].substr(prefix.size());
  size_t lines = 1;
  for (size_t pos = list.find(L"\r\n"); pos != std::wstring::npos;
       pos = list.find(L"\r\n", pos + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 53u);
  EXPECT_TRUE(list.starts_with(L"locales\\am.pak\r\nlocales\\ar.pak\r\n"));
}

TEST(EngineFilesCheck, RequiredLocalesReplaceTheBuiltInList) {
  EngineFilesCopy files;
  files.Remove(L"locales");
  files.WriteFile(L"locales\\en-US.pak", "x");
  files.WriteFile(L"locales\\zh-CN.pak", "x");
  RecordingApplication app;
  app.SetLocalesRequired(L"en-US,zh-CN");
  EXPECT_TRUE(app.CheckEngineFiles());
  app.SetLocalesRequired(L"en-US, de");
  EXPECT_FALSE(app.CheckEngineFiles());
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0],
            L"CEF binaries missing !\r\n\r\nThe missing files are :\r\nlocales\\de.pak");
}

TEST(EngineFilesCheck, OptionalResourcesFollowTheirSettings) {
  EngineFilesCopy files;
  files.Remove(L"cef_extensions.pak");
  files.Remove(L"devtools_resources.pak");
  RecordingApplication app;
  app.SetDisableExtensions(true);
  app.SetCheckDevToolsResources(false);
  EXPECT_TRUE(app.CheckEngineFiles());
  app.SetDisableExtensions(false);
  app.SetCheckDevToolsResources(true);
  EXPECT_FALSE(app.CheckEngineFiles());
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0],
            L"CEF binaries missing !\r\n\r\nThe missing files are :\r\n"
            L"cef_extensions.pak\r\ndevtools_resources.pak");
}

TEST(EngineFilesCheck, MissingSubprocessProgramIsListedByName) {
  EngineFilesCopy files;
  RecordingApplication app;
  app.SetBrowserSubprocessPath(L"C:\\nowhere\\helper.exe");
  EXPECT_FALSE(app.CheckEngineFiles());
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0],
            L"CEF binaries missing !\r\n\r\nThe missing files are :\r\nhelper.exe");
}

TEST(EngineFilesCheck, OffOrInASubProcessNothingIsChecked) {
  TempFolder empty;
  empty.MakeCurrent();
  {
    RecordingApplication app;
    app.SetCheckCEFFiles(false);
    EXPECT_TRUE(app.CheckEngineFiles());
    EXPECT_TRUE(app.messages.empty());
  }
  {
    RecordingApplication app({L"--type=renderer"});
    EXPECT_TRUE(app.CheckEngineFiles());
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(app.Status(), asLoading);
  }
}

TEST(EngineFilesCheck, SetCurrentDirChecksTheProgramFolderAndRestoresTheCurrentOne) {
  EngineFilesCopy files;  // current; the test program's own folder holds no engine files
  RecordingApplication app;
  app.SetSetCurrentDir(true);
  EXPECT_FALSE(app.CheckEngineFiles());
  EXPECT_EQ(app.Status(), asErrorMissingFiles);
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), files.path()));
}

TEST(EngineFilesCheck, WrongLibraryVersionNamesExpectedAndFound) {
  EngineFilesCopy files;
  files.UseLibrary(VariantsDir() / L"version-77.1.18.1" / L"libcef.dll");
  RecordingApplication app;
  EXPECT_FALSE(app.CheckEngineFiles());
  EXPECT_EQ(app.Status(), asErrorDLLVersion);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0], L"Unsupported CEF version !\r\n\r\n" + kUseOnly +
                                 L"\r\n\r\nExpected libcef.dll version : 77.1.18.0\r\n"
                                 L"Found libcef.dll version : 77.1.18.1");
}

TEST(EngineFilesCheck, LibraryWithoutVersionResourceIsFoundAsZeros) {
  EngineFilesCopy files;
  files.WriteFile(L"libcef.dll", "not a library\r\n");
  RecordingApplication app;
  EXPECT_FALSE(app.CheckEngineFiles());
  EXPECT_EQ(app.Status(), asErrorDLLVersion);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0], L"Unsupported CEF version !\r\n\r\n" + kUseOnly +
                                 L"\r\n\r\nExpected libcef.dll version : 77.1.18.0\r\n"
                                 L"Found libcef.dll version : 0.0.0.0");
}

TEST(EngineFilesCheck, X86LibraryIsRejected) {
  EngineFilesCopy files;
  engine_test::PatchImageMachine(files.LibCef(), 0x014C);
  RecordingApplication app;
  EXPECT_FALSE(app.CheckEngineFiles());
  EXPECT_EQ(app.Status(), asErrorDLLVersion);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(
      app.messages[0],
      L"Wrong CEF binaries !\r\n\r\nUse the 32 bit CEF binaries with 32 bits applications only.");
}

TEST(EngineFilesCheck, UnknownMachineIsRejected) {
  EngineFilesCopy files;
  engine_test::PatchImageMachine(files.LibCef(), 0x01C4);
  RecordingApplication app;
  EXPECT_FALSE(app.CheckEngineFiles());
  EXPECT_EQ(app.Status(), asErrorDLLVersion);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0], L"Unknown CEF binaries !\r\n\r\n" + kUseOnly);
}

TEST(EngineFilesCheck, SecondStartAfterAFailureIsRefusedSilently) {
  EngineFilesCopy files;
  files.Remove(L"icudtl.dat");
  RecordingApplication app;
  EXPECT_FALSE(app.StartMainProcess());
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.Status(), asErrorMissingFiles);
}

}  // namespace
