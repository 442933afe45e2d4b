// The configuration menu of the running program, every item chosen once from its keys, with what
// the user then sees: a dialog, a file, a page, a message box or a status text.

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <thread>

#include "tests/e2e/commands_support.h"

namespace e2e {
namespace {

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ConfigMenu : public Commands {
 protected:
  // The zoom sub-menu's item `position` (1: Inc, 2: Dec, 3: Reset).
  void ChooseZoom(int position) {
    std::vector<WPARAM> keys(kZoom, VK_DOWN);
    keys.push_back(VK_RIGHT);  // opens the sub-menu on its first item
    keys.insert(keys.end(), static_cast<size_t>(position - 1), VK_DOWN);
    keys.push_back(VK_RETURN);
    ChooseFromConfigMenu(keys);
  }

  // The zoom percentage the diagnostic key (Ctrl+Shift+F10) shows in the status bar.
  bool ZoomShows(const std::wstring& percent) {
    Command("key code=121 modifiers=6");
    return WaitUntil([&] { return StatusPanel(1) == L"ZoomPct : " + percent; }, kStartTimeout);
  }
};

TEST_F(ConfigMenu, DevToolsShowsThePanelAndHidesItAgain) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseConfigItem(kDevTools);
  EXPECT_NE(WaitForTraceLine(copy_, "show-dev-tools id=1 parent=child inspect=none", kStartTimeout),
            "");
  const int tools = WaitForDevTools(1);
  HWND host = WaitForToolsHost();
  ExpectToolsPanelAtAQuarter(host);
  HWND tools_window = FindDescendant(host, kEngineWindowClass);
  ASSERT_NE(tools_window, nullptr);
  ChooseConfigItem(kDevTools);
  EXPECT_NE(WaitForTraceLine(copy_, "before-close id=" + std::to_string(tools), kStartTimeout), "");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(host); }, kStartTimeout));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(tools_window); }, kStartTimeout))
      << "the closed tools' window is left behind";
}

TEST_F(ConfigMenu, OpensAFileByItsFileAddressAndByADataAddress) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const fs::path page = copy_.dir() / L"local-page.html";
  std::ofstream(page, std::ios::binary) << PageWithTitle("本地文件");

  ChooseConfigItem(kOpenFileUrl);
  AnswerFileDialog(page.wstring());
  EXPECT_NE(WaitForTraceLine(copy_, "address-change id=1 url=file:///" + Utf8(page.wstring()),
                             kStartTimeout),
            "");
  EXPECT_NE(WaitForTraceLine(copy_, "title-change id=1 title=本地文件", kStartTimeout), "");

  // A file another program holds without sharing cannot be read: nothing is loaded for it.
  const fs::path held = copy_.dir() / L"held-page.html";
  std::ofstream(held, std::ios::binary) << PageWithTitle("不可读");
  HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ChooseConfigItem(kOpenDataUrl);
  AnswerFileDialog(held.wstring());
  ChooseConfigItem(kOpenDataUrl);
  AnswerFileDialog(page.wstring());
  EXPECT_NE(WaitForTraceLine(copy_, "address-change id=1 url=data:text/html;charset=utf-8;base64,",
                             kStartTimeout),
            "");
  CloseHandle(holder);
  EXPECT_EQ(CountOf(copy_.TraceLines(), "address-change id=1 url=data:"), 1);
  EXPECT_TRUE(WaitUntil(
      [&] { return CountOf(copy_.TraceLines(), "title-change id=1 title=本地文件") == 2; },
      kStartTimeout))
      << "the page from the data address shows the file's page";
}

TEST_F(ConfigMenu, PrintsAndPrintsToAPdfFile) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseConfigItem(kPrint);
  EXPECT_NE(WaitForTraceLine(copy_, "print id=1", kStartTimeout), "");

  const fs::path pdf = copy_.dir() / L"page.pdf";
  ChooseConfigItem(kPrintToPdf);
  AnswerFileDialog(pdf.wstring());
  EXPECT_EQ(NextMessageBoxText(), L"The PDF file was generated successfully");
  EXPECT_EQ(FileBytes(pdf).rfind("%PDF", 0), 0u) << "no PDF file was written";
}

TEST_F(ConfigMenu, ZoomItemsStepTheZoomAndResetIt) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseZoom(1);
  EXPECT_TRUE(ZoomShows(L"110")) << Utf8(StatusPanel(1));
  ChooseZoom(2);
  ChooseZoom(2);
  EXPECT_TRUE(ZoomShows(L"90")) << Utf8(StatusPanel(1));
  ChooseZoom(3);
  EXPECT_TRUE(ZoomShows(L"100")) << Utf8(StatusPanel(1));
}

TEST_F(ConfigMenu, ResolveHostProposesTheStartAddressAndShowsItsAddresses) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseConfigItem(kResolveHost);
  EXPECT_EQ(AnswerInputBox(L"Resolve host", Wide(Address("/"))), std::wstring(OSTREL_START_URL));
  EXPECT_EQ(NextMessageBoxText(), L"Resolved IPs : 127.0.0.1");
}

TEST_F(ConfigMenu, DownloadedImageIsSavedAsPngUnderTheNameTheUserConfirms) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseConfigItem(kDownloadImage);
  EXPECT_EQ(AnswerInputBox(L"Download Image", Wide(Address("/images/logo.png"))),
            L"https://www.w3.org/Icons/w3c_home.png");
  const fs::path saved = copy_.dir() / L"saved.png";
  EXPECT_EQ(AnswerFileDialog(saved.wstring()), L"logo.png")
      << "the proposed name is the address's last part";
  EXPECT_TRUE(WaitUntil([&] { return FileBytes(saved) == kSamplePng; }, kStartTimeout))
      << "the PNG file was not written";
}

TEST_F(ConfigMenu, SimulatedKeyPressesTypeQwerty) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseConfigItem(kSimulateKeys);
  std::vector<std::string> sent;
  ASSERT_TRUE(WaitUntil(
      [&] {
        sent.clear();
        for (const std::string& line : copy_.TraceLines())
          if (line.rfind("send-key-event id=1 ", 0) == 0) sent.push_back(line);
        return sent.size() >= 18;
      },
      kStartTimeout))
      << sent.size() << " key events";
  std::vector<std::string> expected;
  for (const int code : {0x51, 0x57, 0x45, 0x52, 0x54, 0x59}) {
    // KEYEVENT_RAWKEYDOWN, KEYEVENT_CHAR, KEYEVENT_KEYUP
    for (const int type : {0, 3, 2}) {
      expected.push_back("send-key-event id=1 type=" + std::to_string(type) +
                         " code=" + std::to_string(code));
    }
  }
  EXPECT_EQ(sent, expected);
}

TEST_F(ConfigMenu, FlushCookiesReportsWhenTheEngineHasFlushed) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseConfigItem(kFlushCookies);
  EXPECT_EQ(NextMessageBoxText(), L"The cookies were flushed successfully");
  EXPECT_NE(WaitForTraceLine(copy_, "flush-cookies callback=1", kStartTimeout), "");
}

TEST_F(ConfigMenu, MemoryInformationHasItsFourLines) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ChooseConfigItem(kMemoryInfo);
  const std::string text = Utf8(NextMessageBoxText());
  EXPECT_TRUE(
      std::regex_match(text, std::regex("Total memory used by this application : [1-9]\\d* Mb\r\n"
                                        "Total system memory : [1-9]\\d* Mb\r\n"
                                        "Available physical memory : \\d+ Mb\r\n"
                                        "Memory load : \\d+ %")))
      << text;
}

}  // namespace
}  // namespace e2e
