// Binding of objects to their windows: a message reaches only a live, fully built object, never
// one whose window has gone or which is being destroyed; notifications come back to the control
// that sent them; an object whose handler is running is deleted only after it returns.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ui_test_support.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/ui_error.h"
#include "ui/window.h"

namespace {

using ui_test::PumpFor;
using ui_test::PumpUntil;

constexpr UINT kPing = WM_APP + 7;

// Probes register while alive; a message handled by an unregistered probe reached a dead one.
std::set<const void*> gLiveProbes;
int gDeadHits = 0;
int gDestroyMessages = 0;

class Probe : public TWindow {
 public:
  Probe() { gLiveProbes.insert(this); }
  ~Probe() override { gLiveProbes.erase(this); }
  bool Create() {
    return CreateHandle({.className = L"OstrelTestProbe",
                         .style = WS_OVERLAPPEDWINDOW,
                         .bounds = {0, 0, 200, 100}});
  }
  int pings = 0;
  bool handleDestroyed = false;

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (gLiveProbes.count(this) == 0) {  // compares the address only
      ++gDeadHits;
      return 0;
    }
    if (message == kPing) ++pings;
    if (message == WM_DESTROY) ++gDestroyMessages;
    return TWindow::WndProc(message, wparam, lparam);
  }
  void HandleDestroyed() override { handleDestroyed = true; }
};

class WindowBinding : public ui_test::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    gDeadHits = 0;
    gDestroyMessages = 0;
  }
};

TEST_F(WindowBinding, QueuedMessagesOfADeletedObjectReachNothing) {
  auto* probe = new Probe;
  ASSERT_TRUE(probe->Create());
  HWND window = probe->Handle();
  for (int i = 0; i < 3; ++i) PostMessageW(window, kPing, 0, 0);
  delete probe;
  PumpFor(100);
  EXPECT_EQ(gDeadHits, 0);
  EXPECT_FALSE(IsWindow(window));
  // Silent: not even WM_DESTROY reaches an object inside its destructor.
  EXPECT_EQ(gDestroyMessages, 0);
}

TEST_F(WindowBinding, DestroyKeepsTheObjectWhichLearnsItsWindowIsGone) {
  Probe probe;
  ASSERT_TRUE(probe.Create());
  HWND window = probe.Handle();
  PostMessageW(window, kPing, 0, 0);
  probe.Destroy();
  EXPECT_EQ(gDestroyMessages, 1);
  EXPECT_TRUE(probe.handleDestroyed);
  EXPECT_EQ(probe.Handle(), nullptr);
  EXPECT_EQ(TWindow::FromHandle(window), nullptr);
  PumpFor(50);
  EXPECT_EQ(probe.pings, 0);
  probe.Destroy();  // nothing left to destroy
}

TEST_F(WindowBinding, AWindowDestroyedByOthersUnbindsItsObject) {
  Probe probe;
  ASSERT_TRUE(probe.Create());
  ASSERT_TRUE(DestroyWindow(probe.Handle()));
  EXPECT_EQ(probe.Handle(), nullptr);
  EXPECT_TRUE(probe.handleDestroyed);
}

TEST_F(WindowBinding, FromHandleKnowsOnlyOurWindows) {
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"binding"}));
  TButton button;
  ASSERT_TRUE(button.Create({.parent = &form, .bounds = {8, 8, 75, 25}, .text = L"b"}));
  HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form.Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(foreign, nullptr);
  EXPECT_EQ(TWindow::FromHandle(form.Handle()), &form);
  EXPECT_EQ(TWindow::FromHandle(button.Handle()), &button);  // a subclassed system control
  EXPECT_EQ(TWindow::FromHandle(foreign), nullptr);
  EXPECT_EQ(TWindow::FromHandle(GetDesktopWindow()), nullptr);
  EXPECT_EQ(TWindow::FromHandle(nullptr), nullptr);
}

TEST_F(WindowBinding, NotificationsComeBackToTheControlThatSentThem) {
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"reflection"}));
  TPanel panel;
  ASSERT_TRUE(panel.Create({.parent = &form, .align = alClient}));
  TGroupBox group;
  ASSERT_TRUE(group.Create({.parent = &panel, .bounds = {0, 0, 200, 100}, .text = L" Group "}));
  TButton button;
  TButton other;
  ASSERT_TRUE(button.Create({.parent = &group, .bounds = {8, 20, 75, 25}, .text = L"b"}));
  ASSERT_TRUE(other.Create({.parent = &panel, .bounds = {8, 120, 75, 25}, .text = L"o"}));
  TEdit edit;
  ASSERT_TRUE(edit.Create({.parent = &group, .bounds = {8, 50, 100, 21}}));
  int clicks = 0;
  int other_clicks = 0;
  int changes = 0;
  button.OnClick = [&] { ++clicks; };
  other.OnClick = [&] { ++other_clicks; };
  edit.OnChange = [&] { ++changes; };
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  edit.SetText(L"typed");
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(other_clicks, 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(WindowBinding, AControlDeletedBeforeItsParentLeavesTheParentWorking) {
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"child goes first"}));
  auto edit = std::make_unique<TEdit>();
  ASSERT_TRUE(edit->Create({.parent = &form, .align = alTop, .bounds = {0, 0, 0, 21}}));
  TPanel rest;
  ASSERT_TRUE(rest.Create({.parent = &form, .align = alClient}));
  form.Show();
  edit->SetFocus();
  HWND edit_window = edit->Handle();
  edit.reset();
  EXPECT_FALSE(IsWindow(edit_window));
  ASSERT_EQ(form.Children().size(), 1u);
  form.Realign();  // the deleted control is no longer in the layout
  EXPECT_EQ(rest.Top(), 0);
  EXPECT_EQ(rest.Height(), form.ClientHeight());
}

TEST_F(WindowBinding, ControlsOutlivingTheirParentWindowAreUnbound) {
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"parent goes first"}));
  TButton button;
  ASSERT_TRUE(button.Create({.parent = &form, .bounds = {8, 8, 75, 25}, .text = L"b"}));
  form.Destroy();
  EXPECT_EQ(button.Handle(), nullptr);
  button.SetText(L"nothing to set");  // no window: does nothing
  EXPECT_EQ(button.Text(), L"");
}

// Counts destructions of a form that releases itself from its own button.
int gFormsDeleted = 0;

class SelfFreeingForm : public TForm {
 public:
  SelfFreeingForm() {
    Create({.caption = L"frees itself"});
    CloseBtn.Create({.parent = this, .bounds = {8, 8, 75, 25}, .text = L"Close"});
    CloseBtn.OnClick = [this] {
      Release();
      // Still inside this object's handler: it must be alive here.
      stillAlive = Handle() == nullptr && CloseBtn.Handle() == nullptr;
    };
  }
  ~SelfFreeingForm() override { ++gFormsDeleted; }
  TButton CloseBtn;
  bool stillAlive = false;
};

TEST_F(WindowBinding, AFormReleasedFromItsOwnHandlerIsDeletedAfterItReturns) {
  gFormsDeleted = 0;
  auto* form = new SelfFreeingForm;
  HWND button = form->CloseBtn.Handle();
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(gFormsDeleted, 0);
  EXPECT_TRUE(form->stillAlive);
  EXPECT_TRUE(PumpUntil([] { return gFormsDeleted == 1; }));
}

std::vector<std::wstring> gReported;

TEST_F(WindowBinding, AnExceptionInAHandlerIsReportedAndStaysInside) {
  gReported.clear();
  SetUiExceptionHandler([](std::wstring_view label) { gReported.emplace_back(label); });
  TForm form;
  ASSERT_TRUE(form.Create({.caption = L"throws"}));
  TButton button;
  ASSERT_TRUE(button.Create({.parent = &form, .bounds = {8, 8, 75, 25}, .text = L"b"}));
  button.OnClick = [] { throw std::runtime_error("handler failed"); };
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  SetUiExceptionHandler(nullptr);
  EXPECT_EQ(gReported, (std::vector<std::wstring>{L"TWindow.WndProc"}));
  EXPECT_NE(button.Handle(), nullptr);
}

TEST_F(WindowBinding, AMessageWindowHandlesPostsFromAnotherThread) {
  TMessageWindow window;
  ASSERT_TRUE(window.Create());
  DWORD handled_on = 0;
  window.OnMessage = [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kPing) return false;
    handled_on = GetCurrentThreadId();
    result = 0;
    return true;
  };
  HWND handle = window.Handle();
  std::thread([handle] { PostMessageW(handle, kPing, 0, 0); }).join();
  ASSERT_TRUE(PumpUntil([&] { return handled_on != 0; }));
  EXPECT_EQ(handled_on, GetCurrentThreadId());
  EXPECT_EQ(GetParent(handle), nullptr);  // message-only: no desktop parent, never shown
}

}  // namespace
