#ifndef OSTREL_UI_MENU_H_
#define OSTREL_UI_MENU_H_

// Pop-up menus with sub-menus. The system menu is built from the item tree each time it opens,
// so captions and states may change freely between uses. The chosen item's OnClick runs after
// the menu has closed, outside the menu's own message loop.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TWindow;

struct TMenuItem {
  std::wstring Caption;  // "-": a separator
  std::function<void()> OnClick;
  bool Enabled = true;
  bool Checked = false;
  bool Visible = true;
  std::vector<std::unique_ptr<TMenuItem>> Items;  // a sub-menu when not empty

  // Appends an item and returns it (owned by this item).
  TMenuItem* Add(std::wstring caption, std::function<void()> onClick = {});
  bool IsSeparator() const { return Caption == L"-"; }
};

class TPopupMenu {
 public:
  TMenuItem Items;                // the root: its Items are the menu's entries
  std::function<void()> OnPopup;  // before the menu shows (adjust captions here)

  // Shows the menu at the screen point (x, y), owned by `owner` (nullptr: the thread's active
  // window, else the main form) and waits until it closes. True when an item was chosen.
  bool Popup(int x, int y, TWindow* owner = nullptr);
};

// The system menu for `root`'s visible items; `commands` receives each command's OnClick, the
// command id being its position + 1. The caller destroys the menu.
HMENU BuildPopupMenu(const TMenuItem& root, std::vector<std::function<void()>>& commands);

#endif  // OSTREL_UI_MENU_H_
