// What the running program answers for the page: its own error page for a failed load, nothing
// for a stopped one, the captured headers in the viewer, refused certificate errors written to
// the log, and the PDF viewer allowed.

#include <windows.h>

#include <fstream>
#include <iterator>

#include "tests/e2e/running_program.h"

namespace e2e {
namespace {

using Reply = HttpServer::Reply;

class PageAnswers : public RunningProgram {
 protected:
  PageAnswers()
      : RunningProgram({{"/twice", Reply{.body = PageWithTitle("两个头"),
                                         .extra_headers = "X-Twice: one\r\nX-Twice: two\r\n"}},
                        {"/slow", Reply{.body = PageWithTitle("慢页") + std::string(4096, ' '),
                                        .hold_after = 100}}}) {}

  void TearDown() override {
    server_.Release();
    CloseStarted();
  }
};

TEST_F(PageAnswers, AnUnresolvableHostShowsTheErrorPageWithTheEngineTextAndCode) {
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("load url=http://no-such-host.invalid/");
  EXPECT_NE(WaitForTraceLine(copy_,
                             "page-text id=1 text=打开OstrelMini失败，错误原因："
                             "net::ERR_NAME_NOT_RESOLVED%20(-105).",
                             kStartTimeout),
            "");
  // The title change is answered on the main thread: wait for it, not for the moment.
  EXPECT_TRUE(WaitUntil([&] { return WindowText(window_) == kCaption; }, kStartTimeout))
      << "the caption stays the product's: " << testing::PrintToString(WindowText(window_));
}

TEST_F(PageAnswers, AStoppedLoadKeepsThePage) {
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("load url=" + Address("/slow"));
  ASSERT_TRUE(
      WaitUntil([&] { return CountOf(server_.RequestedPaths(), "/slow") > 0; }, kStartTimeout));
  Command("stop");
  ASSERT_NE(WaitForTraceLine(copy_, "load-error id=1 code=-3 ", kStartTimeout), "");
  // Another command after the stop: once it has run, the program had its chance to react.
  Command("status text=after-stop");
  ASSERT_NE(WaitForTraceLine(copy_, "status-message id=1 value=after-stop", kStartTimeout), "");
  for (const std::string& line : copy_.TraceLines())
    EXPECT_EQ(line.find("url=data:"), std::string::npos) << line;
  EXPECT_EQ(CountOf(copy_.TraceLines(), "page-text id=1 "), 1) << "only the start page";
}

// The viewer's text, once the main window has shown it.
std::wstring ViewerText(const Process& program) {
  HWND viewer = program.WaitForWindow(L"Simple text viewer", kStartTimeout);
  if (viewer == nullptr) return {};
  HWND memo = FindDescendant(viewer, L"Edit");
  std::wstring text = memo != nullptr ? WindowText(memo) : L"";
  PostMessageW(viewer, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !IsWindowVisible(viewer); }, kStartTimeout);
  return text;
}

TEST_F(PageAnswers, TwoResponseHeadersOfOneNameGiveTwoLinesInTheViewer) {
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("load url=" + Address("/twice"));
  ASSERT_TRUE(
      WaitUntil([&] { return CountOf(copy_.TraceLines(), "load-end id=1 ") == 2; }, kStartTimeout));
  PostMessageW(window_, 0x8104, 0, 0);  // the context menu's "show headers" command
  const std::wstring text = ViewerText(*program_);
  const std::wstring rule(26, L'-');
  const size_t response = text.find(rule + L"\r\nResponse headers : \r\n" + rule + L"\r\n");
  ASSERT_NE(response, std::wstring::npos) << "viewer text: " << testing::PrintToString(text);
  EXPECT_TRUE(text.starts_with(rule + L"\r\nRequest headers : \r\n" + rule + L"\r\n"));
  EXPECT_NE(text.find(L"User-Agent=Mozilla/5.0"), std::wstring::npos) << "the request's headers";
  const size_t one = text.find(L"\r\nX-Twice=one", response);
  EXPECT_NE(one, std::wstring::npos);
  EXPECT_NE(text.find(L"\r\nX-Twice=two", one), std::wstring::npos);
}

TEST_F(PageAnswers, ACertificateErrorIsLoggedAndRefused) {
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("certificate-error code=-202 url=https://127.0.0.1:9/secure");
  EXPECT_NE(WaitForTraceLine(copy_, "certificate-error-result id=1 allow=0", kStartTimeout), "");
  const fs::path log = copy_.dir() / L"debug.log";
  EXPECT_TRUE(WaitUntil(
      [&] {
        std::ifstream in(log, std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        return text.find("Certificate error code:-202 - URL:https://127.0.0.1:9/secure") !=
               std::string::npos;
      },
      kStartTimeout))
      << "no line in " << log;
}

TEST_F(PageAnswers, ThePdfViewerIsAllowedWhateverTheCaseOfItsType) {
  ASSERT_NO_FATAL_FAILURE(Start());
  // The browser's own request context is asked: the window's answer reaches it.
  Command("plugin browser=1 mime=APPLICATION/PDF policy=3");
  EXPECT_NE(WaitForTraceLine(copy_, "plugin-policy result=1 policy=0", kStartTimeout), "");
  Command("plugin browser=1 mime=application/x-shockwave-flash policy=3");
  EXPECT_NE(WaitForTraceLine(copy_, "plugin-policy result=0 policy=3", kStartTimeout), "");
}

}  // namespace
}  // namespace e2e
