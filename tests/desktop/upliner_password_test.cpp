// The password prompt: its texts with the file's name in quotes, OK storing the user name and
// password in the controller, Cancel storing nothing, one prompt at a time.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/modal_test_support.h"
#include "tests/support/upliner_dialogs_fixture.h"
#include "upgrade/dialogs/ul_password_form.h"

namespace {

using ui_test::Click;

constexpr wchar_t kPrompt[] =
    L"远端的文档\"OstrelMini.exe\"被密码保护，\n\n请输入您的帐号及密码[注册用户]"
    L"来继续进行升级操作。";

class UplinerDialogsPassword : public ui_test::UplinerDialogsTest {
 protected:
  // Asks for `fileName` and, once the prompt shows, runs `act` on it.
  bool AskAnd(const std::wstring& fileName,
              const std::function<void(TulUplinerPasswordForm& form)>& act) {
    return ui_test::AnswerWhenShown<TulUplinerPasswordForm>(
        [&] { return dialogs.AskPassword(upliner, fileName); }, act);
  }
};

TEST(UplinerDialogsPasswordText, NamesTheFileInQuotes) {
  EXPECT_EQ(PasswordPromptText(L"https://updates.example.org/pavix/x64/OstrelMini.exe"), kPrompt);
  EXPECT_EQ(PasswordPromptText(L"C:\\Program Files\\Ostrel\\OstrelMini.exe"), kPrompt);
  EXPECT_EQ(PasswordPromptText(L"OstrelMini.exe"), kPrompt);
}

TEST_F(UplinerDialogsPassword, ShowsItsTextsAndOkStoresTheCredentials) {
  upliner.SetUsername(L"old");
  upliner.SetPassword(L"old-secret");
  std::wstring caption, text, user_label, password_label, user, password, ok, cancel;
  int needed = 0;
  int client = 0;
  EXPECT_TRUE(AskAnd(
      L"https://updates.example.org/pavix/x64/OstrelMini.exe", [&](TulUplinerPasswordForm& form) {
        caption = form.Text();
        text = form.Label1.Text();
        user_label = form.UsernameLab.Text();
        password_label = form.PasswordLab.Text();
        user = form.UsernameEdit.Text();
        password = form.PasswordEdit.Text();
        ok = form.OKBtn.Text();
        cancel = form.CancelBtn.Text();
        client = form.ClientHeight();
        needed = form.Label1.Top() + form.Label1.Height() + form.BottomPanel.Height();
        form.UsernameEdit.SetText(L"alice");
        form.PasswordEdit.SetText(L"s3cret");
        Click(form.OKBtn.Handle());
      }));
  EXPECT_EQ(caption, L"请输入密码");
  EXPECT_EQ(text, kPrompt);
  EXPECT_EQ(user_label, L"帐号");
  EXPECT_EQ(password_label, L"密码");
  EXPECT_EQ(user, L"old");
  EXPECT_EQ(password, L"");
  EXPECT_EQ(ok, L"[&O]确定");
  EXPECT_EQ(cancel, L"[&C]取消");
  EXPECT_EQ(client, needed);
  EXPECT_EQ(upliner.Username(), L"alice");
  EXPECT_EQ(upliner.Password(), L"s3cret");
  EXPECT_EQ(TulUplinerPasswordForm::Instance(), nullptr);
}

TEST_F(UplinerDialogsPassword, CancelAndEscapeStoreNothing) {
  upliner.SetUsername(L"old");
  EXPECT_FALSE(AskAnd(L"a.dll", [](TulUplinerPasswordForm& form) {
    form.UsernameEdit.SetText(L"mallory");
    form.PasswordEdit.SetText(L"guess");
    Click(form.CancelBtn.Handle());
  }));
  EXPECT_FALSE(AskAnd(L"a.dll", [](TulUplinerPasswordForm& form) {
    form.UsernameEdit.SetText(L"mallory");
    PostMessageW(form.UsernameEdit.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  }));
  EXPECT_EQ(upliner.Username(), L"old");
  EXPECT_EQ(upliner.Password(), L"");
}

TEST_F(UplinerDialogsPassword, ASecondPromptWhileOneIsOpenIsRefused) {
  bool second = true;
  EXPECT_TRUE(AskAnd(L"a.dll", [&](TulUplinerPasswordForm& form) {
    second = dialogs.AskPassword(upliner, L"b.dll");
    Click(form.OKBtn.Handle());
  }));
  EXPECT_FALSE(second);
}

}  // namespace
