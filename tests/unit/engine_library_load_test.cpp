// Loading the engine library and resolving its entry points, the once-only rules of the start,
// and how start-up failures are reported (the message box itself: tests/desktop/). Runs on
// private copies of build/bin; the engine is never initialised here.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "engine/application/cef_application.h"
#include "engine/core/cef_api.h"
#include "tests/unit/engine_test_support.h"

namespace {

using engine_test::EngineFilesCopy;
using engine_test::ErrorBoxWatcher;
using engine_test::RecordingApplication;
using engine_test::VariantsDir;

int ResolvedEntryPoints() {
  int count = 0;
#define OSTREL_COUNT_RESOLVED(group, group_name, name) count += (name != nullptr) ? 1 : 0;
  CEF_ENTRY_POINTS(OSTREL_COUNT_RESOLVED)
#undef OSTREL_COUNT_RESOLVED
  return count;
}

// The library of the copy, by full path: every test loads its own file.
void UseCopy(RecordingApplication& app, const EngineFilesCopy& files) {
  app.SetFrameworkDirPath(files.path().wstring());
  ASSERT_EQ(app.LibCefPath(), (files.path() / L"libcef.dll").wstring());
}

TEST(EngineLibraryLoad, StandInLoadsWithEveryEntryPoint) {
  EngineFilesCopy files;
  RecordingApplication app;
  UseCopy(app, files);
  EXPECT_TRUE(app.CheckEngineFiles());
  ASSERT_TRUE(app.LoadEngineLibrary());
  EXPECT_TRUE(app.messages.empty());
  EXPECT_EQ(app.Status(), asLoaded);
  EXPECT_TRUE(app.LibLoaded());
  EXPECT_NE(app.LibHandle(), nullptr);
  EXPECT_TRUE(EngineLibraryLoaded());
  EXPECT_EQ(ResolvedEntryPoints(), CEF_ENTRY_POINT_COUNT);
}

TEST(EngineLibraryLoad, FreedLibraryLeavesNoEntryPoint) {
  EngineFilesCopy files;
  {
    RecordingApplication app;
    UseCopy(app, files);
    ASSERT_TRUE(app.LoadEngineLibrary());
  }
  EXPECT_EQ(ResolvedEntryPoints(), 0);
  EXPECT_FALSE(EngineLibraryLoaded());
}

TEST(EngineLibraryLoad, SecondLoadIsRefused) {
  EngineFilesCopy files;
  RecordingApplication app;
  UseCopy(app, files);
  ASSERT_TRUE(app.LoadEngineLibrary());
  EXPECT_FALSE(app.LoadEngineLibrary());
  EXPECT_EQ(app.Status(), asErrorLoadingLibrary);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0], L"GlobalCEFApp can only be initialized once per process.");
  // A refused start does not try again either, and says nothing more.
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.messages.size(), 1u);
}

TEST(EngineLibraryLoad, UnloadableFileReportsTheSystemErrorCode) {
  EngineFilesCopy files;
  files.WriteFile(L"libcef.dll", "this is not a library\r\n");
  RecordingApplication app;
  UseCopy(app, files);
  EXPECT_FALSE(app.LoadEngineLibrary());
  EXPECT_EQ(app.Status(), asErrorLoadingLibrary);
  EXPECT_FALSE(app.LibLoaded());
  EXPECT_EQ(app.LibHandle(), nullptr);
  ASSERT_EQ(app.messages.size(), 1u);
  const std::wregex form(L"Error loading libcef\\.dll\r\n\r\nError code : 0x[0-9A-F]{8}");
  EXPECT_TRUE(std::regex_match(app.messages[0], form)) << app.messages[0];
  EXPECT_NE(app.messages[0], L"Error loading libcef.dll\r\n\r\nError code : 0x00000000");
}

TEST(EngineLibraryLoad, MissingEntryPointRejectsTheLibrary) {
  EngineFilesCopy files;
  files.UseLibrary(VariantsDir() / L"missing-export" / L"libcef.dll");
  RecordingApplication app;
  UseCopy(app, files);
  EXPECT_TRUE(app.CheckEngineFiles()) << "the variant has the right version and machine";
  EXPECT_FALSE(app.LoadEngineLibrary());
  EXPECT_EQ(app.Status(), asErrorDLLVersion);
  EXPECT_FALSE(app.LibLoaded());
  EXPECT_NE(app.LibHandle(), nullptr);  // held until the end, like a good library
  EXPECT_LT(ResolvedEntryPoints(), CEF_ENTRY_POINT_COUNT);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_EQ(app.messages[0],
            L"Unsupported CEF version !\r\n\r\nUse only the CEF binaries specified in the "
            L"Corvana Readme.md file at \r\nhttps://ostrel.example/engine-files");
}

TEST(EngineLibraryLoad, StartWithAMissingEntryPointEndsWithoutEngine) {
  EngineFilesCopy files;
  files.UseLibrary(VariantsDir() / L"missing-export" / L"libcef.dll");
  RecordingApplication app;
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.Status(), asErrorDLLVersion);
  EXPECT_EQ(app.messages.size(), 1u);
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.messages.size(), 1u);
}

TEST(EngineLibraryLoad, SubProcessReportsAnUnloadableLibraryToo) {
  EngineFilesCopy files;
  files.WriteFile(L"libcef.dll", "this is not a library\r\n");
  RecordingApplication app({L"--type=gpu-process"});
  UseCopy(app, files);
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.Status(), asErrorLoadingLibrary);
  ASSERT_EQ(app.messages.size(), 1u);
  EXPECT_TRUE(app.messages[0].starts_with(L"Error loading libcef.dll\r\n\r\nError code : 0x"));
}

// The stand-in, like the engine, answers "browser" (-1) for this test program's command line.
TEST(EngineLibraryLoad, SubProcessNeverInitialisesTheEngine) {
  EngineFilesCopy files;
  RecordingApplication app({L"--type="});
  ASSERT_EQ(app.ProcessType(), ptOther);
  UseCopy(app, files);
  EXPECT_FALSE(app.StartMainProcess());
  EXPECT_EQ(app.Status(), asLoaded);
  EXPECT_TRUE(app.messages.empty());
}

TEST(EngineLibraryLoad, WithoutMessageDialogFailuresAreSilent) {
  EngineFilesCopy files;
  files.Remove(L"icudtl.dat");
  ErrorBoxWatcher watcher;
  {
    TCefApplication app(std::vector<std::wstring>{});
    app.SetShowMessageDlg(false);
    EXPECT_FALSE(app.StartMainProcess());
    EXPECT_EQ(app.Status(), asErrorMissingFiles);
    EXPECT_FALSE(app.LoadEngineLibrary());
    EXPECT_EQ(app.Status(), asErrorLoadingLibrary);
  }
  {
    files.UseLibrary(VariantsDir() / L"version-77.1.18.1" / L"libcef.dll");
    files.WriteFile(L"icudtl.dat", "x");
    TCefApplication app(std::vector<std::wstring>{});
    app.SetShowMessageDlg(false);
    EXPECT_FALSE(app.StartMainProcess());
    EXPECT_EQ(app.Status(), asErrorDLLVersion);
  }
  EXPECT_TRUE(watcher.Boxes().empty());
}

}  // namespace
