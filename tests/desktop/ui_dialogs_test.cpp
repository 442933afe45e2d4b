// Dialog helpers: file dialog filters in the system's form, and the input box's answers (the
// typed text on OK, nothing when cancelled, whatever it proposed).

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/ui_test_support.h"
#include "ui/dialogs.h"
#include "ui/ui_task.h"

namespace {

using namespace std::string_literals;

TEST(FileDialogFilter, SeparatesPairsWithNulsAndEndsWithTwo) {
  EXPECT_EQ(FileDialogFilter(L"Text files (*.txt)|*.TXT"), L"Text files (*.txt)\0*.TXT\0\0"s);
  EXPECT_EQ(FileDialogFilter(L"HTML files (*.html)|*.HTML;*.HTM|PDF files (*.pdf)|*.PDF"),
            L"HTML files (*.html)\0*.HTML;*.HTM\0PDF files (*.pdf)\0*.PDF\0\0"s);
}

TEST(FileDialogFilter, DropsADescriptionWithoutPatterns) {
  EXPECT_EQ(FileDialogFilter(L""), L"");
  EXPECT_EQ(FileDialogFilter(L"Any file (*.*)"), L"");
  EXPECT_EQ(FileDialogFilter(L"Any file (*.*)|*.*|Dangling"), L"Any file (*.*)\0*.*\0\0"s);
}

// The input box while it runs: this thread's one enabled window on screen. Found, not taken from
// GetActiveWindow() or GetFocus(), which another test process taking the foreground empties.
HWND InputBoxWindow() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND InputBoxEdit() { return FindWindowExW(InputBoxWindow(), nullptr, L"Edit", nullptr); }

class InputBoxes : public ui_test::UiTest {};

TEST_F(InputBoxes, OkGivesTheTypedText) {
  uitask::Post([] {
    HWND edit = InputBoxEdit();  // its text selected
    SendMessageW(edit, WM_CHAR, L'x', 1);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_EQ(InputBox(L"Resolve host", L"URL :", L"http://127.0.0.1:8765/"), L"x");
}

TEST_F(InputBoxes, OkWithoutTypingGivesTheProposedText) {
  uitask::Post([] { PostMessageW(InputBoxEdit(), WM_KEYDOWN, VK_RETURN, 0); });
  EXPECT_EQ(InputBox(L"Download Image", L"URL:", L"http://a/b.png"), L"http://a/b.png");
}

TEST_F(InputBoxes, CancellingGivesNothingNotTheProposal) {
  uitask::Post([] { PostMessageW(InputBoxWindow(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(InputBox(L"Resolve host", L"URL :", L"http://127.0.0.1:8765/"), L"");
  std::wstring value = L"kept";
  uitask::Post([] { PostMessageW(InputBoxEdit(), WM_KEYDOWN, VK_ESCAPE, 0); });
  EXPECT_FALSE(InputQuery(L"Frame name", L"Type the fame name :", value));
  EXPECT_EQ(value, L"kept");
}

}  // namespace
