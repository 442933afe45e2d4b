// Starting OstrelMini.exe: the browser process with a complete engine folder, every start-up
// failure a user can meet, and the engine's own sub-process runs.

#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"

namespace e2e {
namespace {

constexpr auto kStartTimeout = 30s;
const std::wstring kVersionAdvice =
    L"Use only the CEF binaries specified in the Corvana Readme.md file at ";
const std::wstring kProjectAddress = L"https://ostrel.example/engine-files";

// Starts the program, expects exactly one window, the "Error" box, and returns its text after
// pressing OK and checking that the process then ends with exit code 0.
std::wstring ErrorBoxOf(const ProgramCopy& copy, LaunchOptions options = {}) {
  Process program(copy.exe(), options);
  HWND box = program.WaitForWindow(L"Error", kStartTimeout);
  if (!box) {
    ADD_FAILURE() << "no \"Error\" box appeared";
    return {};
  }
  EXPECT_EQ(program.VisibleWindows(), std::vector<HWND>{box}) << "only the box may be shown";
  const std::wstring text = MessageBoxText(box);
  DismissMessageBox(box);
  EXPECT_EQ(program.WaitForExit(kStartTimeout), std::optional<DWORD>(0));
  return text;
}

// Run from Windows' store of redirected files, the program takes the current folder for its own
// and, not finding itself there, says so and ends before the engine starts.
TEST(Startup, AProgramThatCannotFindItselfInItsFolderSaysSoAndEnds) {
  ProgramCopy copy(fs::path(L"AppData") / L"Local" / L"VirtualStore" / L"Ostrel-Mini");
  Process program(copy.exe(),
                  {.current_dir = copy.dir().parent_path(), .trace_file = copy.trace()});
  HWND box = program.WaitForWindow(L"ulUtils", kStartTimeout);
  ASSERT_NE(box, nullptr) << "no \"ulUtils\" box appeared";
  EXPECT_EQ(MessageBoxText(box), L"CurrentFolder has been changed!?!");
  DismissMessageBox(box);
  EXPECT_EQ(program.WaitForExit(kStartTimeout), std::optional<DWORD>(0));
  EXPECT_EQ(FindLine(copy.TraceLines(), "initialize "), "") << "the engine was started";
}

TEST(Startup, BrowserProcessInitialisesTheEngineAndClosesCleanly) {
  ProgramCopy copy;
  Process program(copy.exe(), {.trace_file = copy.trace()});
  // The caption gains its version once a page has a title; here no page is served.
  HWND window = program.WaitForWindow(L"Ostrel-Mini版", kStartTimeout);
  ASSERT_NE(window, nullptr) << "the main window did not appear";

  EXPECT_EQ(WaitForTraceLine(copy, "context-initialized", kStartTimeout),
            "context-initialized thread=ui")
      << "the context must come up, on the engine's UI thread";
  auto trace = copy.TraceLines();

  const std::string settings = FindLine(trace, "settings ");
  ASSERT_NE(settings, "");
  EXPECT_NE(settings.find(" size=432"), std::string::npos) << settings;
  EXPECT_NE(settings.find(" log_file=debug.log "), std::string::npos) << settings;
  EXPECT_NE(settings.find(" log_severity=2 "), std::string::npos) << settings;
  EXPECT_NE(settings.find(" multi_threaded_message_loop=1 "), std::string::npos) << settings;
  EXPECT_NE(settings.find(" no_sandbox=1 "), std::string::npos) << settings;
  const std::string cache = " cache_path=" + (copy.dir() / "cache").string() + " ";
  EXPECT_NE(settings.find(cache), std::string::npos) << settings;

  std::vector<std::string> switches;
  for (const auto& line : trace)
    if (line.rfind("switch ", 0) == 0) switches.push_back(line.substr(7));
  EXPECT_EQ(switches, (std::vector<std::string>{
                          "--enable-accelerated-plugins", "--enable-system-flash",
                          "--enable-media-stream=1", "--enable-speech-input=1", "--disable-gpu",
                          "--disable-gpu-compositing", "--enable-print-preview"}));

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(kStartTimeout), std::optional<DWORD>(0));
  trace = copy.TraceLines();
  for (const char* type : {"gpu-process", "utility"}) {
    EXPECT_NE(FindLine(trace, std::string("child-started type=") + type), "") << type;
    EXPECT_NE(FindLine(trace, std::string("child-ended type=") + type), "") << type;
  }
  EXPECT_EQ(FindLine(trace, "child-killed"), "") << "sub-processes must end when told";
  EXPECT_EQ(FindLine(trace, "shutdown "), "shutdown live=0") << "engine objects leaked";
  EXPECT_EQ(FindLine(trace, "leak "), "");
  EXPECT_EQ(FindLine(trace, "overrelease "), "");
}

TEST(Startup, MissingLibraryIsReportedAndNothingElseOpens) {
  ProgramCopy copy;
  fs::remove(copy.dir() / L"libcef.dll");
  EXPECT_EQ(ErrorBoxOf(copy),
            L"CEF binaries missing !\r\n\r\nThe missing files are :\r\nlibcef.dll");
}

TEST(Startup, EngineFilesAreLookedForInTheCurrentDirectory) {
  ProgramCopy copy;
  const fs::path elsewhere = copy.dir() / L"locales";
  const std::wstring text = ErrorBoxOf(copy, {.current_dir = elsewhere});
  EXPECT_EQ(text.rfind(L"CEF binaries missing !\r\n\r\nThe missing files are :\r\n", 0), 0u)
      << text;
  EXPECT_NE(text.find(L"\r\nlibcef.dll\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"\r\nlocales\\zh-CN.pak"), std::wstring::npos);
}

TEST(Startup, WrongLibraryVersionNamesExpectedAndFound) {
  ProgramCopy copy;
  fs::copy_file(VariantsDir() / L"version-77.1.18.1" / L"libcef.dll", copy.dir() / L"libcef.dll",
                fs::copy_options::overwrite_existing);
  EXPECT_EQ(ErrorBoxOf(copy), L"Unsupported CEF version !\r\n\r\n" + kVersionAdvice +
                                  kProjectAddress +
                                  L"\r\n\r\nExpected libcef.dll version : 77.1.18.0"
                                  L"\r\nFound libcef.dll version : 77.1.18.1");
}

TEST(Startup, LibraryWithoutAnEntryPointIsRejected) {
  ProgramCopy copy;
  fs::copy_file(VariantsDir() / L"missing-export" / L"libcef.dll", copy.dir() / L"libcef.dll",
                fs::copy_options::overwrite_existing);
  EXPECT_EQ(ErrorBoxOf(copy),
            L"Unsupported CEF version !\r\n\r\n" + kVersionAdvice + L"\r\n" + kProjectAddress);
}

TEST(Startup, FailedEngineInitialisationEndsQuietly) {
  ProgramCopy copy;
  Process program(copy.exe(), {.trace_file = copy.trace(), .fault = L"init-fail"});
  EXPECT_EQ(program.WaitForExit(kStartTimeout), std::optional<DWORD>(0));
  EXPECT_NE(FindLine(copy.TraceLines(), "settings "), "") << "the engine was never asked";
}

TEST(Startup, SubProcessRunEndsWithoutWindowAndExitCodeZero) {
  ProgramCopy copy;
  for (const wchar_t* arguments : {L"--type=renderer", L"--Type=GPU-Process --lang=en-US",
                                   L"--type=crashpad-handler", L"--type="}) {
    SCOPED_TRACE(testing::Message() << arguments);
    Process program(copy.exe(), {.arguments = arguments, .trace_file = copy.trace()});
    EXPECT_EQ(program.WaitForExit(kStartTimeout), std::optional<DWORD>(0));
  }
  const auto trace = copy.TraceLines();
  EXPECT_EQ(FindLine(trace, "settings "), "") << "a sub-process must not initialise the engine";
  EXPECT_NE(FindLine(trace, "process type=renderer"), "");
}

}  // namespace
}  // namespace e2e
