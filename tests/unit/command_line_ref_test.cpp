// The engine command-line wrapper against the stand-in engine.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "engine/refs/cef_command_line_ref.h"
#include "standin/standin_hooks.h"
#include "tests/unit/loaded_engine.h"

namespace {

using CommandLineRef = LoadedEngine;

// Engine objects the stand-in has handed out and not yet seen released to zero.
size_t LiveEngineObjects() {
  void* address = reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"libcef.dll"), "standin_live_object_count"));
  return address != nullptr ? reinterpret_cast<standin_live_object_count_func>(address)() : 0;
}

TEST(CommandLineRefNotLoaded, CreatorsGiveNull) {
  ASSERT_FALSE(EngineLibraryLoaded());
  EXPECT_TRUE(TCefCommandLineRef::New() == nullptr);
  EXPECT_TRUE(TCefCommandLineRef::Global() == nullptr);
}

TEST_F(CommandLineRef, CommandLineCollectsSwitchesInOrder) {
  CefRefPtr<ICefCommandLine> line = TCefCommandLineRef::New();
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->IsValid());
  line->AppendSwitch(L"--disable-gpu");
  line->AppendSwitchWithValue(L"--enable-media-stream", L"1");
  line->AppendSwitchWithValue(L"--ppapi-flash-path", L"C:\\Plug ins\\flash.dll");

  EXPECT_TRUE(line->HasSwitch(L"disable-gpu"));
  EXPECT_FALSE(line->HasSwitch(L"single-process"));
  EXPECT_EQ(line->GetSwitchValue(L"enable-media-stream"), L"1");
  EXPECT_EQ(line->GetSwitchValue(L"ppapi-flash-path"), L"C:\\Plug ins\\flash.dll");
  EXPECT_EQ(line->GetSwitchValue(L"disable-gpu"), L"");

  std::vector<ustring> argv = {L"kept"};
  line->GetArgv(argv);
  ASSERT_EQ(argv.size(), 5u);
  EXPECT_EQ(argv[0], L"kept");
  EXPECT_EQ(argv[2], L"--disable-gpu");
  EXPECT_EQ(argv[3], L"--enable-media-stream=1");

  const ustring text = line->GetCommandLineString();
  EXPECT_NE(text.find(L"--disable-gpu --enable-media-stream=1"), ustring::npos) << text;
}

TEST_F(CommandLineRef, EveryWrapperGivesBackItsEngineReference) {
  const size_t before = LiveEngineObjects();
  {
    CefRefPtr<ICefCommandLine> line = TCefCommandLineRef::New();
    ASSERT_TRUE(line);
    EXPECT_EQ(LiveEngineObjects(), before + 1);
    line->AppendSwitch(L"--disable-gpu");
    std::vector<ustring> argv;
    line->GetArgv(argv);
    CefRefPtr<ICefCommandLine> global = TCefCommandLineRef::Global();
    EXPECT_FALSE(line->SameAs(global.get()));
  }
  EXPECT_EQ(LiveEngineObjects(), before);
}

TEST_F(CommandLineRef, TwoWrappersOfOneCommandLineAreTheSame) {
  CefRefPtr<ICefCommandLine> line = TCefCommandLineRef::New();
  ASSERT_TRUE(line);
  // Wrap hands out one more engine reference; UnWrap takes it over.
  auto* data = static_cast<cef_command_line_t*>(EngineDataFromInterface(line));
  CefRefPtr<ICefCommandLine> again = TCefCommandLineRef::UnWrap(data);
  EXPECT_TRUE(line->SameAs(again.get()));
  EXPECT_FALSE(line == again);
  again->AppendSwitch(L"--mute-audio");
  EXPECT_TRUE(line->HasSwitch(L"mute-audio"));
  again.reset();
  EXPECT_TRUE(line->HasOneReference());
}

TEST_F(CommandLineRef, GlobalCommandLineIsThisProcesss) {
  CefRefPtr<ICefCommandLine> global = TCefCommandLineRef::Global();
  ASSERT_TRUE(global);
  EXPECT_TRUE(global->IsValid());
  std::vector<ustring> argv;
  global->GetArgv(argv);
  ASSERT_FALSE(argv.empty());
  EXPECT_NE(argv[0].find(L"unit_tests"), ustring::npos) << argv[0];
}

}  // namespace
