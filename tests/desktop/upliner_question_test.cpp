// The upgrade question: its texts, Yes and Escape, its height following the server's message
// (and staying on screen however long that is), one question at a time.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/modal_test_support.h"
#include "tests/support/upliner_dialogs_fixture.h"
#include "upgrade/dialogs/ul_upgrade_message_form.h"

namespace {

using ui_test::Click;

constexpr wchar_t kAsked[] =
    L"OstrelMini已经有新版本推出，\n\n修复了下载问题\n\n您要升级到新版本吗？";

class UplinerDialogsQuestion : public ui_test::UplinerDialogsTest {
 protected:
  // Asks `message` and, once the question shows, runs `act` on it.
  bool AskAnd(const std::wstring& message,
              const std::function<void(TulUplinerUpgradeMessageForm& form)>& act) {
    return ui_test::AnswerWhenShown<TulUplinerUpgradeMessageForm>(
        [&] { return dialogs.AskUpgrade(upliner, message); }, act);
  }
};

TEST(UplinerDialogsQuestionText, PutsTheServersMessageBetweenBlankLines) {
  EXPECT_EQ(UpgradeQuestionText(L"OstrelMini", L"修复了下载问题"), kAsked);
  EXPECT_EQ(UpgradeQuestionText(L"OstrelMini", L""),
            L"OstrelMini已经有新版本推出，\n\n您要升级到新版本吗？");
}

TEST(UplinerDialogsQuestionText, AnUnsetTitleShowsAsAPlaceholder) {
  EXPECT_EQ(UpgradeQuestionTitle(L"OstrelMini"), L"OstrelMini");
  EXPECT_EQ(UpgradeQuestionTitle(L"Project1"), L"<AppTitle>");
  EXPECT_EQ(UpgradeQuestionTitle(L"My Project1 tool"), L"<AppTitle>");
}

TEST_F(UplinerDialogsQuestion, ShowsItsTextsOnTopAndYesAnswersTrue) {
  std::wstring caption, text, yes, later;
  bool topmost = false;
  EXPECT_TRUE(AskAnd(L"修复了下载问题", [&](TulUplinerUpgradeMessageForm& form) {
    caption = form.Text();
    text = form.Label1.Text();
    yes = form.YesBtn.Text();
    later = form.LaterBtn.Text();
    topmost = (GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    Click(form.YesBtn.Handle());
  }));
  EXPECT_EQ(caption, L"软件升级精灵");
  EXPECT_EQ(text, kAsked);
  EXPECT_EQ(yes, L"[&Y]是");
  EXPECT_EQ(later, L"[&L]稍等一下");
  EXPECT_TRUE(topmost);
  EXPECT_EQ(TulUplinerUpgradeMessageForm::Instance(), nullptr);
}

TEST_F(UplinerDialogsQuestion, EscapeAndLaterAnswerNo) {
  EXPECT_FALSE(AskAnd(L"", [](TulUplinerUpgradeMessageForm& form) {
    // Where a key press would arrive: the focus starts on Yes.
    PostMessageW(form.YesBtn.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  }));
  EXPECT_FALSE(
      AskAnd(L"", [](TulUplinerUpgradeMessageForm& form) { Click(form.LaterBtn.Handle()); }));
}

TEST_F(UplinerDialogsQuestion, ItsHeightFollowsTheWrappedText) {
  struct TSeen {
    int clientHeight = 0;
    int needed = 0;
    int labelWidth = 0;
    int wrapWidth = 0;
  };
  auto measure = [&](const std::wstring& message) {
    TSeen seen;
    AskAnd(message, [&](TulUplinerUpgradeMessageForm& form) {
      seen = {form.ClientHeight(),
              form.Label1.Top() + form.Label1.Height() + form.BottomPanel.Height(),
              form.Label1.Width(), form.Width() - form.Label1.Left() - form.Scale(11)};
      Click(form.LaterBtn.Handle());
    });
    return seen;
  };
  const TSeen empty = measure(L"");
  const TSeen wrapped = measure(std::wstring(120, L'新'));
  EXPECT_EQ(empty.clientHeight, empty.needed);
  EXPECT_EQ(wrapped.clientHeight, wrapped.needed);
  EXPECT_EQ(wrapped.labelWidth, wrapped.wrapWidth);
  // 120 characters of 12 pixels take several lines of a label about 270 pixels wide.
  EXPECT_GT(wrapped.clientHeight, empty.clientHeight + 3 * 12);
}

TEST_F(UplinerDialogsQuestion, AnEndlessMessageLeavesTheButtonsOnScreen) {
  std::wstring message;
  for (int i = 0; i < 400; ++i) message += L"第" + std::to_wstring(i) + L"行\r\n";
  RECT work{};
  RECT yes{};
  EXPECT_TRUE(AskAnd(message, [&](TulUplinerUpgradeMessageForm& form) {
    MONITORINFO monitor{.cbSize = sizeof(MONITORINFO)};
    GetMonitorInfoW(MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    work = monitor.rcWork;
    GetWindowRect(form.YesBtn.Handle(), &yes);
    Click(form.YesBtn.Handle());
  }));
  EXPECT_GE(yes.top, work.top);
  EXPECT_LE(yes.bottom, work.bottom);
}

TEST_F(UplinerDialogsQuestion, ASecondQuestionWhileOneIsOpenIsAnsweredNo) {
  bool second = true;
  int questions = 0;
  EXPECT_TRUE(AskAnd(L"", [&](TulUplinerUpgradeMessageForm& form) {
    second = dialogs.AskUpgrade(upliner, L"again");
    questions = ui_test::VisibleWindowsCaptioned(L"软件升级精灵");
    Click(form.YesBtn.Handle());
  }));
  EXPECT_FALSE(second);
  EXPECT_EQ(questions, 1);
}

}  // namespace
