#ifndef OSTREL_STANDIN_MENU_OBJECTS_H_
#define OSTREL_STANDIN_MENU_OBJECTS_H_

// The context menu's objects (menu_objects.cpp): a menu model of command items, separators and
// sub-menus, the parameters of a page's context menu, and the run callback.

#include <functional>
#include <string>
#include <vector>

#include "standin/capi.h"

namespace standin {

struct MenuItem {
  int command_id = 0;
  std::wstring label;
  cef_menu_item_type_t type = MENUITEMTYPE_COMMAND;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
};

cef_menu_model_t* NewMenuModel();
// The model's items as they are now (empty for a foreign object).
std::vector<MenuItem> MenuItems(cef_menu_model_t* model);

struct MenuParams {
  int x = 0;
  int y = 0;
  std::wstring page_url;
  std::wstring link_url;
};
cef_context_menu_params_t* NewContextMenuParams(MenuParams params);

// `done` runs once: (command id, flags) for cont, (-1, 0) for cancel or when dropped unanswered.
cef_run_context_menu_callback_t* NewRunContextMenuCallback(std::function<void(int, int)> done);

}  // namespace standin

#endif  // OSTREL_STANDIN_MENU_OBJECTS_H_
