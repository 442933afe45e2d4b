// Pop-up menus: the system menu built from the item tree (separators, sub-menus, states, hidden
// items) and the chosen item's handler run after the menu has closed.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/ui_test_support.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/ui_task.h"

namespace {

std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

TEST(PopupMenuBuild, MirrorsTheItemTree) {
  std::vector<std::string> clicked;
  TPopupMenu menu;
  menu.Items.Add(L"DevTools", [&] { clicked.push_back("devtools"); });
  menu.Items.Add(L"-");
  TMenuItem* zoom = menu.Items.Add(L"Zoom");
  zoom->Add(L"Inc zoom", [&] { clicked.push_back("inc"); });
  zoom->Add(L"Dec zoom", [&] { clicked.push_back("dec"); });
  menu.Items.Add(L"Hidden")->Visible = false;
  TMenuItem* grey = menu.Items.Add(L"Print");
  grey->Enabled = false;

  std::vector<std::function<void()>> commands;
  HMENU handle = BuildPopupMenu(menu.Items, commands);
  ASSERT_NE(handle, nullptr);
  ASSERT_EQ(GetMenuItemCount(handle), 4);  // the hidden item is left out
  EXPECT_EQ(ItemText(handle, 0), L"DevTools");
  EXPECT_EQ(GetMenuState(handle, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  HMENU sub = GetSubMenu(handle, 2);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(GetMenuItemCount(sub), 2);
  EXPECT_EQ(ItemText(sub, 1), L"Dec zoom");
  EXPECT_NE(GetMenuState(handle, 3, MF_BYPOSITION) & MF_GRAYED, 0u);

  // Command ids lead to the handlers: DevTools 1, Inc 2, Dec 3, Print 4.
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(GetMenuItemID(sub, 1), 3u);
  commands[GetMenuItemID(sub, 1) - 1]();
  EXPECT_EQ(clicked, (std::vector<std::string>{"dec"}));
  DestroyMenu(handle);
}

class PopupMenuUse : public ui_test::UiTest {};

TEST_F(PopupMenuUse, TheChosenItemRunsAfterTheMenuHasClosed) {
  TForm owner;
  ASSERT_TRUE(owner.Create({.caption = L"menu owner"}));
  owner.Show();
  bool popup_raised = false;
  bool clicked_inside_menu = true;
  bool clicked = false;
  TPopupMenu menu;
  menu.OnPopup = [&] { popup_raised = true; };
  menu.Items.Add(L"First", [&] {
    clicked = true;
    // The menu's own loop is over when the handler runs.
    GUITHREADINFO info{sizeof(info)};
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    clicked_inside_menu = (info.flags & GUI_INMENUMODE) != 0;
  });
  menu.Items.Add(L"Second");
  // Keys for the menu's loop: select the first item and choose it. Posted, as the loop reads
  // this thread's queue; keyboard input would go to whichever process has the foreground.
  uitask::Post([&] {
    PostMessageW(owner.Handle(), WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(owner.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  });
  // Should the keys go astray, the menu still ends and the test fails instead of hanging.
  const UINT_PTR guard = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  EXPECT_TRUE(menu.Popup(100, 100, &owner));
  KillTimer(nullptr, guard);
  EXPECT_TRUE(popup_raised);
  EXPECT_TRUE(clicked);
  EXPECT_FALSE(clicked_inside_menu);
}

}  // namespace
