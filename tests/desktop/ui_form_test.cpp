// Forms and the application's loop: modal results (buttons, close box, Return, Escape,
// Alt+letter), the other windows disabled meanwhile, controls that keep their keys, the
// pre-dispatch hook, and the application ending with its main form.

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "tests/support/ui_test_support.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/ui_task.h"

namespace {

using ui_test::PumpFor;
using ui_test::PumpUntil;

// The question window's shape: a text, Yes (default) and Later (cancel).
class QuestionForm : public TForm {
 public:
  QuestionForm() {
    Create({.caption = L"Question",
            .clientWidth = 323,
            .clientHeight = 120,
            .borderStyle = bsDialog,
            .borderIcons = biSystemMenu});
    Message.Create({.parent = this, .bounds = {45, 5, 260, 0}, .text = L"Upgrade?"});
    Yes.Create({.parent = this,
                .bounds = {78, 85, 75, 23},
                .text = L"[&Y]Yes",
                .isDefault = true,
                .modalResult = mrYes});
    Later.Create({.parent = this,
                  .bounds = {167, 85, 75, 23},
                  .text = L"[&L]Later",
                  .isCancel = true,
                  .modalResult = mrNo});
  }
  TLabel Message;
  TButton Yes;
  TButton Later;
};

// Posts `key` once the modal loop runs to Yes, where the form's focus starts, as a key press
// would arrive there. Not to GetFocus(): another test process showing a window meanwhile takes
// the foreground, and with it this thread's focus.
void PressInModalLoop(QuestionForm& form, UINT message, WPARAM key) {
  uitask::Post([&form, message, key] { PostMessageW(form.Yes.Handle(), message, key, 0); });
}

class Forms : public ui_test::UiTest {};

TEST_F(Forms, ShowModalReturnsTheResultOfTheButtonPressedAndHides) {
  QuestionForm form;
  uitask::Post([&] { SendMessageW(form.Yes.Handle(), BM_CLICK, 0, 0); });
  EXPECT_EQ(form.ShowModal(), mrYes);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(form.Modal());
  // Shown again, it starts without the old result.
  uitask::Post([&] { form.Later.Click(); });
  EXPECT_EQ(form.ShowModal(), mrNo);
}

TEST_F(Forms, TheCloseBoxEndsAModalFormWithCancel) {
  QuestionForm form;
  uitask::Post([&] { PostMessageW(form.Handle(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST_F(Forms, OnCloseQueryCanKeepAModalFormOpen) {
  QuestionForm form;
  int asked = 0;
  form.OnCloseQuery = [&](bool& can_close) {
    ++asked;
    can_close = false;
  };
  uitask::Post([&] { SendMessageW(form.Handle(), WM_CLOSE, 0, 0); });
  uitask::Post([&] { form.SetModalResult(mrOk); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(asked, 1);
}

TEST_F(Forms, EscapeClicksTheCancelButton) {
  QuestionForm form;
  PressInModalLoop(form, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(form.ShowModal(), mrNo);
}

TEST_F(Forms, ReturnClicksTheDefaultButton) {
  QuestionForm form;
  PressInModalLoop(form, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(form.ShowModal(), mrYes);
}

TEST_F(Forms, AltAndALetterClicksTheButtonWithThatMnemonic) {
  QuestionForm form;
  uitask::Post([&] { PostMessageW(form.Yes.Handle(), WM_SYSCHAR, L'l', 1 << 29); });
  EXPECT_EQ(form.ShowModal(), mrNo);
}

// Stands for the browser host: it wants every key but Return, Escape and the arrows.
class KeyHungry : public TWindow {
 public:
  bool Create(TWindow* parent) {
    return CreateChild(L"OstrelTestKeyHungry", true, 0, 0,
                       {.parent = parent, .bounds = {8, 8, 100, 50}, .tabStop = true});
  }
  bool WantsKey(WPARAM key) const override { return key == VK_TAB; }
  std::vector<WPARAM> keys;

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_KEYDOWN) keys.push_back(wparam);
    return TWindow::WndProc(message, wparam, lparam);
  }
};

TEST_F(Forms, AControlThatWantsAKeyGetsItInsteadOfTheDialogKeys) {
  QuestionForm form;
  KeyHungry host;
  ASSERT_TRUE(host.Create(&form));
  uitask::Post([&] {
    host.SetFocus();
    PostMessageW(host.Handle(), WM_KEYDOWN, VK_TAB, 0);     // wanted: reaches the control
    PostMessageW(host.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);  // not wanted: the dialog's
  });
  EXPECT_EQ(form.ShowModal(), mrNo);
  EXPECT_EQ(host.keys, (std::vector<WPARAM>{VK_TAB}));
}

TEST_F(Forms, OtherWindowsAreDisabledWhileAModalFormRuns) {
  TForm other;
  ASSERT_TRUE(other.Create({.caption = L"other"}));
  other.Show();
  QuestionForm form;
  bool other_enabled_meanwhile = true;
  uitask::Post([&] {
    other_enabled_meanwhile = IsWindowEnabled(other.Handle()) != FALSE;
    form.SetModalResult(mrOk);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_FALSE(other_enabled_meanwhile);
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
}

TEST_F(Forms, AModalFormInsideAModalFormReturnsItsOwnResult) {
  QuestionForm outer;
  QuestionForm inner;
  int inner_result = -1;
  uitask::Post([&] {
    uitask::Post([&] { inner.Yes.Click(); });
    inner_result = inner.ShowModal();
    outer.Later.Click();
  });
  EXPECT_EQ(outer.ShowModal(), mrNo);
  EXPECT_EQ(inner_result, mrYes);
}

TEST_F(Forms, AVisibleFormCannotBeShownModally) {
  QuestionForm form;
  form.Show();
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(Forms, OnShowIsRaisedEachTimeTheFormIsShown) {
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"shown"}));
  int shown = 0;
  form.OnShow = [&] { ++shown; };
  form.Show();
  form.Hide();
  form.Show();
  EXPECT_EQ(shown, 2);
  EXPECT_TRUE(form.Visible());
}

TEST_F(Forms, TheCloseBoxHidesASecondaryFormUnlessOnCloseDecidesOtherwise) {
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"secondary"}));
  form.Show();
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  form.OnClose = [](TCloseAction& action) { action = caNone; };
  form.Show();
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(Forms, AModalFormEndsWhenTheApplicationTerminates) {
  QuestionForm form;
  uitask::Post([] { Application().Terminate(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_TRUE(Application().Terminated());
}

TEST_F(Forms, TheMessageHookSeesKeysBeforeDispatchAndCanSwallowThem) {
  QuestionForm form;
  KeyHungry control;
  ASSERT_TRUE(control.Create(&form));
  std::vector<WPARAM> hooked;
  Application().OnMessage = [&](MSG& message, bool& handled) {
    if (message.message != WM_KEYDOWN) return;
    hooked.push_back(message.wParam);
    handled = message.wParam == VK_F12;
  };
  PostMessageW(control.Handle(), WM_KEYDOWN, VK_F12, 0);
  PostMessageW(control.Handle(), WM_KEYDOWN, VK_F11, 0);
  PumpUntil([&] { return hooked.size() == 2; });
  Application().OnMessage = nullptr;
  EXPECT_EQ(hooked, (std::vector<WPARAM>{VK_F12, VK_F11}));
  EXPECT_EQ(control.keys, (std::vector<WPARAM>{VK_F11}));
}

// Records the order in which forms go.
std::vector<int> gFormsGone;

class NumberedForm : public TForm {
 public:
  explicit NumberedForm(int number) : Number(number) {
    Create({.caption = L"numbered", .clientWidth = 200, .clientHeight = 100});
    OnCreate = [this] { Created = true; };
    OnDestroy = [this] { WindowGone = true; };
  }
  ~NumberedForm() override { gFormsGone.push_back(Number); }
  int Number;
  bool Created = false;
  bool WindowGone = false;
};

TEST_F(Forms, TheApplicationRunsUntilItsMainFormClosesThenFreesItsForms) {
  gFormsGone.clear();
  auto* main_form = Application().CreateForm<NumberedForm>(1);
  auto* second = Application().CreateForm<NumberedForm>(2);
  EXPECT_EQ(Application().MainForm(), main_form);
  EXPECT_TRUE(main_form->Created);
  EXPECT_TRUE(second->Created);
  // Secondary forms belong to the main form: no task-bar button, always above it.
  EXPECT_EQ(GetWindow(second->Handle(), GW_OWNER), main_form->Handle());
  EXPECT_FALSE(IsWindowVisible(second->Handle()));

  bool shown_when_running = false;
  uitask::Post([&] {
    shown_when_running = IsWindowVisible(main_form->Handle()) != FALSE;
    PostMessageW(main_form->Handle(), WM_CLOSE, 0, 0);
  });
  Application().Run();
  EXPECT_TRUE(shown_when_running);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_TRUE(main_form->WindowGone);  // the close box freed its window...
  EXPECT_TRUE(gFormsGone.empty());     // ...the object stays until Finalize

  Application().Finalize();
  EXPECT_EQ(gFormsGone, (std::vector<int>{2, 1}));
  EXPECT_EQ(Application().MainForm(), nullptr);
}

}  // namespace
