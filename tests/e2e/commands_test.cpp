// The main window's commands in the running program: the page's one-entry context menu, F12 and
// the developer-tools panel, the commands' messages, full screen, the loading texts and the
// navigation history in the text viewer.

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <thread>

#include "tests/e2e/commands_support.h"
#include "ui/clipboard.h"

namespace e2e {
namespace {

TEST_F(Commands, RightClickShowsOneEntryThatOpensTheDocumentsFolder) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND render = RenderWindow();
  ASSERT_NE(render, nullptr);
  PostMessageW(render, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 30));
  PostMessageW(render, WM_RBUTTONUP, 0, MAKELPARAM(40, 30));
  EXPECT_EQ(WaitForTraceLine(copy_, "context-menu-items id=1", kStartTimeout),
            "context-menu-items id=1 26516=打开下载文件保存目录");
  // The engine's own menu shows it; the keys choose its one entry.
  ASSERT_NE(WaitForWindowOfClass(*program_, L"#32768"), nullptr) << "no menu appeared";
  PostMessageW(render, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(render, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_NE(WaitForTraceLine(copy_, "context-menu-command id=1 command=26516", kStartTimeout), "");

  const std::wstring folder = DocumentsFolder().wstring();
  std::wstring seen;
  EXPECT_TRUE(WaitUntil(
      [&] {
        for (const auto& [pid, line] : CommandLinesOf(L"explorer.exe")) {
          seen = line;
          // The shell may give the folder with a trailing separator.
          if (!line.ends_with(L" " + folder) && !line.ends_with(L" " + folder + L"\\")) continue;
          EndProcess(pid);
          return true;
        }
        return false;
      },
      kStartTimeout))
      << "no file manager on the documents folder " << Utf8(folder)
      << "; last seen: " << Utf8(seen);
}

TEST_F(Commands, F12TogglesTheToolsAtAQuarterOfTheWindowFromThePageAndFromTheTools) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND render = RenderWindow();
  ASSERT_NE(render, nullptr);
  // A window has the keyboard focus only while its program is the active one, and windows of
  // tests running beside this one may take that at any time: the focus is checked when it can be.
  const auto Active = [&] { return GetForegroundWindow() == window_; };
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    PressF12(1);
    const int tools = WaitForDevTools(round);
    ASSERT_GT(tools, 1);
    EXPECT_EQ(CountOf(copy_.TraceLines(), "show-dev-tools id=1 parent=child inspect=0,0"), round);
    HWND host = WaitForToolsHost();
    ExpectToolsPanelAtAQuarter(host);
    HWND tools_window = FindDescendant(host, kEngineWindowClass);
    ASSERT_NE(tools_window, nullptr);
    if (round == 1) {
      // The user clicks into the tools and presses F12 there.
      HWND tools_render = FindDescendant(host, L"Chrome_RenderWidgetHostHWND");
      ASSERT_NE(tools_render, nullptr);
      PostMessageW(tools_render, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      PostMessageW(tools_render, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
      if (Active()) {
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(render) == tools_render; }, kStartTimeout));
      }
      PressF12(tools);
    } else {
      PressF12(1);
    }
    EXPECT_NE(WaitForTraceLine(copy_, "before-close id=" + std::to_string(tools), kStartTimeout),
              "");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(host); }, kStartTimeout))
        << "the tools panel stayed";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(tools_window); }, kStartTimeout))
        << "the closed tools' window is left behind";
    if (Active()) {
      EXPECT_TRUE(WaitUntil([&] { return FocusOf(render) == render; }, kStartTimeout))
          << "the page did not get the focus back";
    }
  }
}

TEST_F(Commands, ContextCommandsCarryTheClickPointAndHideTheTools) {
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("context-menu x=1000 y=20 choose=26501");
  EXPECT_NE(
      WaitForTraceLine(copy_, "show-dev-tools id=1 parent=child inspect=1000,20", kStartTimeout),
      "")
      << "x travels in the high word, y in the low word";
  const int tools = WaitForDevTools(1);
  ASSERT_GT(tools, 1);
  HWND host = WaitForToolsHost();
  ExpectToolsPanelAtAQuarter(host);
  Command("context-menu choose=26502");
  EXPECT_NE(WaitForTraceLine(copy_, "before-close id=" + std::to_string(tools), kStartTimeout), "");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(host); }, kStartTimeout));
  // Every command leaves the engine its own handling: the handler answers false.
  const std::vector<std::string> lines = copy_.TraceLines();
  EXPECT_EQ(FindLine(lines, "context-menu-handled id=1 command=26501"),
            "context-menu-handled id=1 command=26501 handled=0");
  EXPECT_EQ(FindLine(lines, "context-menu-handled id=1 command=26502"),
            "context-menu-handled id=1 command=26502 handled=0");
}

// The clipboard's text once it differs from `before`. It is read only after it changed: a test
// that keeps opening it would keep the program from writing it.
std::wstring NewClipboardText(const std::wstring& before) {
  std::wstring text = before;
  DWORD seen = 0;
  WaitUntil(
      [&] {
        const DWORD sequence = GetClipboardSequenceNumber();
        if (sequence == seen) return false;
        text = ClipboardText();
        seen = text.empty() ? 0 : sequence;  // empty: it was busy, read it again
        return !text.empty() && text != before;
      },
      kStartTimeout);
  return text;
}

std::string FileStart(const fs::path& path, size_t size) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(size, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

TEST_F(Commands, DevelopmentCommandsFillTheClipboardWriteFilesAndShowTexts) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::wstring marker = L"(before the command)";
  auto copied_by = [&](int command) {
    EXPECT_TRUE(SetClipboardText(marker));
    Command("context-menu choose=" + std::to_string(command));
    return NewClipboardText(marker);
  };
  EXPECT_NE(copied_by(26503).find(L"<title>测试首页</title>"), std::wstring::npos)
      << "the page's HTML";
  const std::string identifiers = Utf8(copied_by(26507));
  EXPECT_TRUE(std::regex_match(identifiers, std::regex("-?\\d+\r\n")))
      << "the frame identifiers: " << identifiers;
  EXPECT_EQ(copied_by(26508), L"\r\n") << "the main frame's (empty) name";

  EXPECT_TRUE(SetClipboardText(marker));
  Command("context-menu choose=26510");
  EXPECT_EQ(AnswerInputBox(L"Frame name", L""), L"");
  EXPECT_EQ(NewClipboardText(marker), L"测试首页") << "the main frame's text";

  const fs::path preferences = copy_.dir() / L"saved-preferences.txt";
  Command("context-menu choose=26509");
  AnswerFileDialog(preferences.wstring());
  EXPECT_EQ(NextMessageBoxText(), L"The preferences file was generated successfully");
  EXPECT_NE(FileStart(preferences, 4096).find("webrtc.ip_handling_policy : "), std::string::npos);

  const fs::path snapshot = copy_.dir() / L"snapshot.bmp";
  Command("context-menu choose=26511");
  AnswerFileDialog(snapshot.wstring());
  EXPECT_TRUE(WaitUntil([&] { return FileStart(snapshot, 2) == "BM"; }, kStartTimeout))
      << "no bitmap file";

  Command("context-menu choose=26515");
  EXPECT_TRUE(WaitUntil([&] { return StatusPanel(1) == L"ZoomPct : 100"; }, kStartTimeout));
  Command("context-menu choose=26505");
  EXPECT_NE(WaitForTraceLine(copy_, "javascript window.print();", kStartTimeout), "");

  Command("context-menu choose=26506");
  HWND viewer = program_->WaitForWindow(L"Simple text viewer", kStartTimeout);
  ASSERT_NE(viewer, nullptr);
  EXPECT_NE(WindowText(FindDescendant(viewer, L"Edit")).find(L"Request headers : "),
            std::wstring::npos);
  PostMessageW(viewer, WM_CLOSE, 0, 0);
}

TEST_F(Commands, ThreeHistoryEntriesShowTheirAddressesInTheViewerOnce) {
  ASSERT_NO_FATAL_FAILURE(Start());
  int loads = 1;
  for (const char* page : {"/second", "/third"}) {
    Command("load url=" + Address(page));
    ++loads;
    ASSERT_TRUE(WaitUntil([&] { return CountOf(copy_.TraceLines(), "load-end id=1") == loads; },
                          kStartTimeout));
  }
  Command("context-menu choose=26512");
  HWND viewer = program_->WaitForWindow(L"Simple text viewer", kStartTimeout);
  ASSERT_NE(viewer, nullptr) << "the viewer did not show";
  HWND memo = FindDescendant(viewer, L"Edit");
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(WindowText(memo), Wide(Address(start_.path)) + L"\r\n" + Wide(Address("/second")) +
                                  L"\r\n" + Wide(Address("/third")));
  PostMessageW(viewer, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(viewer); }, kStartTimeout));
  std::this_thread::sleep_for(500ms);  // a second showing would have come by now
  EXPECT_FALSE(IsWindowVisible(viewer)) << "the viewer showed more than once";
}

TEST_F(Commands, NavigationButtonsFollowTheHistoryAndDriveTheBrowser) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND back = FindDescendantWithText(window_, L"Button", L"3");
  HWND forward = FindDescendantWithText(window_, L"Button", L"4");
  HWND reload = FindDescendantWithText(window_, L"Button", L"q");
  HWND stop = FindDescendantWithText(window_, L"Button", L"=");
  HWND go = FindDescendantWithText(window_, L"Button", L"\u25BA");
  HWND address = FindDescendant(window_, L"ComboBox");
  ASSERT_TRUE(back && forward && reload && stop && go && address);
  auto loads = [&] { return CountOf(copy_.TraceLines(), "load-end id=1"); };
  auto click_and_load = [&](HWND button) {
    const int before = loads();
    Click(button);
    return WaitUntil([&] { return loads() == before + 1; }, kStartTimeout);
  };

  Command("load url=" + Address("/second"));
  // The load's end: back, not forward, reload and no stop.
  EXPECT_TRUE(WaitUntil(
      [&] {
        return loads() == 2 && IsWindowEnabled(back) && !IsWindowEnabled(forward) &&
               IsWindowEnabled(reload) && !IsWindowEnabled(stop);
      },
      kStartTimeout));
  EXPECT_TRUE(
      WaitUntil([&] { return WindowText(address) == Wide(Address("/second")); }, kStartTimeout))
      << "the address box follows the page";

  ASSERT_TRUE(click_and_load(back));
  EXPECT_TRUE(
      WaitUntil([&] { return WindowText(address) == Wide(Address(start_.path)); }, kStartTimeout));
  EXPECT_TRUE(
      WaitUntil([&] { return IsWindowEnabled(forward) && !IsWindowEnabled(back); }, kStartTimeout));
  ASSERT_TRUE(click_and_load(forward));
  EXPECT_TRUE(
      WaitUntil([&] { return WindowText(address) == Wide(Address("/second")); }, kStartTimeout));
  ASSERT_TRUE(click_and_load(reload));
  SetText(FindDescendant(address, L"Edit"), Wide(Address("/third")));
  ASSERT_TRUE(click_and_load(go));
  EXPECT_NE(WaitForTraceLine(copy_, "title-change id=1 title=第三页", kStartTimeout), "");
}

TEST_F(Commands, FullScreenHidesTheBarsAndLeavingItShowsBoth) {
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND status_bar = FindDescendant(window_, STATUSCLASSNAMEW);
  HWND nav_bar = GetParent(GetParent(ConfigButton()));
  ASSERT_NE(status_bar, nullptr);
  ASSERT_NE(nav_bar, nullptr);
  EXPECT_FALSE(IsWindowVisible(nav_bar)) << "the navigation bar starts hidden";

  Command("fullscreen on=1");
  EXPECT_TRUE(
      WaitUntil([&] { return IsZoomed(window_) && !IsWindowVisible(status_bar); }, kStartTimeout));
  EXPECT_EQ(GetWindowLongW(window_, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_FALSE(IsWindowVisible(nav_bar));

  Command("fullscreen on=0");
  EXPECT_TRUE(WaitUntil(
      [&] { return !IsZoomed(window_) && IsWindowVisible(status_bar) && IsWindowVisible(nav_bar); },
      kStartTimeout));
  EXPECT_EQ(GetWindowLongW(window_, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME),
            WS_CAPTION | WS_THICKFRAME);
}

TEST_F(Commands, LoadingAndStatusTextsFollowTheEngine) {
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_TRUE(WaitUntil([&] { return StatusPanel(0) == L"完成"; }, kStartTimeout))
      << testing::PrintToString(StatusPanel(0));
  Command("progress value=1");
  EXPECT_TRUE(WaitUntil([&] { return StatusPanel(0) == L"加载中... 100%"; }, kStartTimeout))
      << testing::PrintToString(StatusPanel(0));
  Command("progress value=0.5");
  EXPECT_TRUE(WaitUntil([&] { return StatusPanel(0) == L"加载中... 50%"; }, kStartTimeout));
  Command("status text=" + Address("/second"));
  EXPECT_TRUE(WaitUntil([&] { return StatusPanel(1) == Wide(Address("/second")); }, kStartTimeout));
  Command("load url=" + Address("/second"));
  EXPECT_TRUE(WaitUntil([&] { return StatusPanel(0) == L"完成"; }, kStartTimeout));
}

}  // namespace
}  // namespace e2e
