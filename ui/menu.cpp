#include "ui/menu.h"

#include "ui/application.h"
#include "ui/form.h"

TMenuItem* TMenuItem::Add(std::wstring caption, std::function<void()> onClick) {
  auto item = std::make_unique<TMenuItem>();
  item->Caption = std::move(caption);
  item->OnClick = std::move(onClick);
  Items.push_back(std::move(item));
  return Items.back().get();
}

HMENU BuildPopupMenu(const TMenuItem& root, std::vector<std::function<void()>>& commands) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  for (const auto& item : root.Items) {
    if (!item->Visible) continue;
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (!item->Enabled) flags |= MF_GRAYED;
    if (item->Checked) flags |= MF_CHECKED;
    if (!item->Items.empty()) {
      if (HMENU sub_menu = BuildPopupMenu(*item, commands)) {
        AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub_menu),
                    item->Caption.c_str());
      }
      continue;
    }
    commands.push_back(item->OnClick);
    AppendMenuW(menu, flags, commands.size(), item->Caption.c_str());
  }
  return menu;
}

bool TPopupMenu::Popup(int x, int y, TWindow* owner) {
  RaiseEvent(OnPopup);
  HWND window = owner != nullptr ? owner->Handle() : GetActiveWindow();
  if (window == nullptr && Application().MainForm() != nullptr) {
    window = Application().MainForm()->Handle();
  }
  if (window == nullptr) return false;
  // Copies of the handlers: a UI task running inside the menu's loop may change the items.
  std::vector<std::function<void()>> commands;
  HMENU menu = BuildPopupMenu(Items, commands);
  if (menu == nullptr) return false;
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(window);
  const UINT command = static_cast<UINT>(TrackPopupMenuEx(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, window, nullptr));
  DestroyMenu(menu);
  if (command == 0 || command > commands.size()) return false;
  RaiseEvent(commands[command - 1]);
  return true;
}
