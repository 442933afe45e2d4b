// The controls as the dialogs use them: limits of the spin box and the port field, the
// password field, the address box's list, status bar panels, a wrapped label's height, the
// group box's inner area, a bevel's line, and a splitter dragged with the mouse.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/ui_test_support.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {

using ui_test::PumpFor;
using ui_test::PumpUntil;

class Controls : public ui_test::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(form.Create({.caption = L"controls", .clientWidth = 428, .clientHeight = 388}));
  }
  // Types `text` into `window` as the keyboard would (WM_CHAR).
  static void Type(HWND window, std::wstring_view text) {
    for (wchar_t c : text) SendMessageW(window, WM_CHAR, c, 1);
  }
  TForm form;
};

TEST_F(Controls, SpinEditKeepsItsValueWithinItsLimits) {
  TSpinEdit spin;
  ASSERT_TRUE(spin.Create(
      {.parent = &form, .bounds = {184, 10, 60, 21}, .minValue = 7, .maxValue = 99, .value = 32}));
  EXPECT_EQ(spin.Value(), 32);
  spin.SetValue(3);
  EXPECT_EQ(spin.Value(), 7);
  EXPECT_EQ(spin.Text(), L"7");
  spin.SetValue(150);
  EXPECT_EQ(spin.Value(), 99);
  spin.SetText(L"150");  // typed past the limit
  EXPECT_EQ(spin.Value(), 99);
  spin.SetText(L"");
  EXPECT_EQ(spin.Value(), 7);
  // The arrows step within the same limits.
  spin.SetValue(99);
  HWND up_down = GetWindow(spin.Handle(), GW_HWNDNEXT);
  ASSERT_NE(up_down, nullptr);
  int low = 0;
  int high = 0;
  SendMessageW(up_down, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 7);
  EXPECT_EQ(high, 99);
}

TEST_F(Controls, APortFieldTakesAtMostFiveDigits) {
  TEdit port;
  ASSERT_TRUE(port.Create({.parent = &form,
                           .bounds = {108, 40, 60, 21},
                           .text = L"80",
                           .digitsOnly = true,
                           .maxLength = 5}));
  int changes = 0;
  port.OnChange = [&] { ++changes; };
  port.SetText(L"");
  Type(port.Handle(), L"65535");
  Type(port.Handle(), L"9");  // a sixth digit
  Type(port.Handle(), L"x");  // not a digit
  EXPECT_EQ(port.Text(), L"65535");
  EXPECT_GE(changes, 6);  // the clear and five digits
}

TEST_F(Controls, APasswordFieldShowsStars) {
  TEdit password;
  ASSERT_TRUE(password.Create({.parent = &form, .bounds = {108, 70, 100, 21}, .password = true}));
  EXPECT_EQ(SendMessageW(password.Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  Type(password.Handle(), L"secret");
  EXPECT_EQ(password.Text(), L"secret");
}

TEST_F(Controls, AMemoKeepsLongTextsAndShowsOneLinePerEntry) {
  TEdit memo;
  ASSERT_TRUE(memo.Create({.parent = &form,
                           .align = alClient,
                           .multiLine = true,
                           .scrollBars = true,
                           .readOnly = true}));
  const std::vector<std::wstring> lines{L"Host: a", L"Accept: */*", std::wstring(40000, L'x')};
  memo.SetLines(lines);
  EXPECT_EQ(SendMessageW(memo.Handle(), EM_GETLINECOUNT, 0, 0), 3);
  EXPECT_EQ(memo.Text().size(), 7 + 2 + 11 + 2 + 40000u);
  Type(memo.Handle(), L"q");  // read-only: typing changes nothing
  EXPECT_EQ(memo.Text().size(), 7 + 2 + 11 + 2 + 40000u);
}

TEST_F(Controls, ComboBoxListFindsItemsByExactText) {
  TComboBox box;
  ASSERT_TRUE(box.Create({.parent = &form,
                          .bounds = {0, 0, 300, 24},
                          .items = {L"http://a/Page", L"chrome://version"},
                          .itemIndex = 0}));
  EXPECT_EQ(box.Text(), L"http://a/Page");
  EXPECT_EQ(box.IndexOf(L"http://a/page"), -1);  // another address
  EXPECT_EQ(box.IndexOf(L"chrome://version"), 1);
  EXPECT_EQ(box.AddItem(L"http://b/"), 2);
  box.SetText(L"typed address");
  EXPECT_EQ(box.Text(), L"typed address");
  // The layout keeps the height it gave; the window's dropped extent reaches over its list.
  EXPECT_EQ(box.Height(), box.Scale(24));
  RECT dropped{};
  SendMessageW(box.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_GT(dropped.bottom - dropped.top, 4 * box.Scale(24));
}

TEST_F(Controls, DropDownListSelectsByIndexAndReportsChoices) {
  TComboBox list;
  ASSERT_TRUE(
      list.Create({.parent = &form,
                   .bounds = {108, 10, 150, 21},
                   .editable = false,
                   .items = {L"Direct", L"Autodetect", L"System", L"Fixed servers", L"PAC script"},
                   .itemIndex = 0}));
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  list.SetItemIndex(3);
  EXPECT_EQ(list.ItemIndex(), 3);
  EXPECT_EQ(list.Text(), L"Fixed servers");
  EXPECT_EQ(changes, 0);  // only the user's choices are reported
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list.Handle()));
  EXPECT_EQ(changes, 1);
}

TEST_F(Controls, StatusBarPanelsHaveTheirWidthsAndTheLastTakesTheRest) {
  TStatusBar bar;
  ASSERT_TRUE(bar.Create({.parent = &form, .panelWidths = {200, 500, 100, 100}}));
  bar.SetPanelText(0, L"加载中... 50%");
  bar.SetPanelText(1, L"启动中，请等待...");
  bar.SetPanelText(7, L"no such panel");
  EXPECT_EQ(bar.PanelText(0), L"加载中... 50%");
  EXPECT_EQ(bar.PanelText(1), L"启动中，请等待...");
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(bar.Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 4);
  EXPECT_EQ(edges[0], bar.Scale(200));
  EXPECT_EQ(edges[1], bar.Scale(700));
  EXPECT_EQ(edges[2], bar.Scale(800));
  EXPECT_EQ(edges[3], -1);
  EXPECT_EQ(bar.Bounds(),
            (TBounds{0, form.ClientHeight() - bar.Scale(19), form.ClientWidth(), bar.Scale(19)}));
}

TEST_F(Controls, AWrappedLabelGrowsWithItsText) {
  TLabel label;
  ASSERT_TRUE(
      label.Create({.parent = &form, .bounds = {45, 5, 150, 0}, .text = L"one", .wordWrap = true}));
  const int one_line = label.Height();
  EXPECT_GT(one_line, 0);
  label.SetText(
      L"Ostrel-Mini 已经有新版本推出，\n\n您要升级到新版本吗？ and a few words that wrap");
  EXPECT_GE(label.Height(), 4 * one_line);
  EXPECT_EQ(label.Width(), label.Scale(150));  // wrapping keeps the width
  TLabel single;
  ASSERT_TRUE(single.Create({.parent = &form, .bounds = {0, 0, 1, 0}, .text = L"a longer text"}));
  EXPECT_GT(single.Width(), 1);  // without wrapping the width follows the text
}

TEST_F(Controls, ControlsDockedInAGroupBoxStayInsideItsFrame) {
  TGroupBox group;
  ASSERT_TRUE(group.Create(
      {.parent = &form, .align = alTop, .bounds = {0, 0, 0, 84}, .text = L" Custom header "}));
  TPanel inner;
  ASSERT_TRUE(inner.Create({.parent = &group, .align = alClient}));
  EXPECT_GT(inner.Top(), 0);  // below the caption
  EXPECT_GT(inner.Left(), 0);
  EXPECT_LT(inner.Bounds().Right(), group.Width());
  EXPECT_LT(inner.Bounds().Bottom(), group.Height());
}

TEST_F(Controls, ABevelIsAnEtchedLineTwoUnitsHigh) {
  TBevel bevel;
  ASSERT_TRUE(bevel.Create({.parent = &form, .bounds = {10, 238, 447, 50}}));
  EXPECT_EQ(bevel.Width(), form.Scale(447));
  EXPECT_EQ(bevel.Height(), form.Scale(2));
  EXPECT_EQ(GetWindowLongPtrW(bevel.Handle(), GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDHORZ);
}

TEST_F(Controls, HidingADockedControlGivesItsPlaceToTheOthers) {
  TStatusBar bar;
  ASSERT_TRUE(bar.Create({.parent = &form, .panelWidths = {200}}));
  TPanel page;
  ASSERT_TRUE(page.Create({.parent = &form, .align = alClient}));
  EXPECT_EQ(page.Height(), form.ClientHeight() - bar.Height());
  bar.Hide();
  EXPECT_EQ(page.Height(), form.ClientHeight());
  bar.Show();
  EXPECT_EQ(page.Height(), form.ClientHeight() - bar.Height());
}

TEST_F(Controls, DraggingASplitterResizesThePanelBesideIt) {
  form.Show();
  TPanel page;
  TPanel tools;
  TSplitter splitter;
  ASSERT_TRUE(page.Create({.parent = &form, .align = alClient}));
  ASSERT_TRUE(tools.Create({.parent = &form, .align = alRight, .bounds = {0, 0, 100, 0}}));
  ASSERT_TRUE(splitter.Create({.parent = &form, .align = alRight, .bounds = {0, 0, 5, 0}}));
  int moved = 0;
  splitter.OnMoved = [&] { ++moved; };
  POINT start{splitter.Width() / 2, 10};
  ClientToScreen(splitter.Handle(), &start);
  SetCursorPos(start.x, start.y);
  SendMessageW(splitter.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 10));
  SetCursorPos(start.x - 40, start.y);
  SendMessageW(splitter.Handle(), WM_MOUSEMOVE, MK_LBUTTON, 0);
  SendMessageW(splitter.Handle(), WM_LBUTTONUP, 0, 0);
  const int tools_width = tools.Scale(100) + 40;
  EXPECT_EQ(tools.Width(), tools_width);
  EXPECT_EQ(splitter.Left(), form.ClientWidth() - tools_width - splitter.Width());
  EXPECT_EQ(page.Width(), splitter.Left());
  EXPECT_EQ(moved, 1);
}

}  // namespace
