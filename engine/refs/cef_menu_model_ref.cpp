#include "engine/refs/cef_menu_model_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"

using Menu = cef_menu_model_t;

namespace {

// The engine reports an accelerator's modifier keys as ints.
bool ReadAccelerator(int result, const int (&modifiers)[3], bool& shiftPressed, bool& ctrlPressed,
                     bool& altPressed) {
  shiftPressed = modifiers[0] != 0;
  ctrlPressed = modifiers[1] != 0;
  altPressed = modifiers[2] != 0;
  return result != 0;
}

}  // namespace

CefRefPtr<ICefMenuModel> TCefMenuModelRef::New(Ref<ICefBaseRefCounted> delegate) {
  return CallEntryPoint(cef_menu_model_create, delegate);
}

bool TCefMenuModelRef::IsSubMenu() { return CallEngine(Engine(), &Menu::is_sub_menu) != 0; }

bool TCefMenuModelRef::Clear() { return CallEngine(Engine(), &Menu::clear) != 0; }

int TCefMenuModelRef::GetCount() { return CallEngine(Engine(), &Menu::get_count); }

bool TCefMenuModelRef::AddSeparator() { return CallEngine(Engine(), &Menu::add_separator) != 0; }

bool TCefMenuModelRef::AddItem(int commandId, const ustring& label) {
  return CallEngine(Engine(), &Menu::add_item, commandId, label) != 0;
}

bool TCefMenuModelRef::AddCheckItem(int commandId, const ustring& label) {
  return CallEngine(Engine(), &Menu::add_check_item, commandId, label) != 0;
}

bool TCefMenuModelRef::AddRadioItem(int commandId, const ustring& label, int groupId) {
  return CallEngine(Engine(), &Menu::add_radio_item, commandId, label, groupId) != 0;
}

CefRefPtr<ICefMenuModel> TCefMenuModelRef::AddSubMenu(int commandId, const ustring& label) {
  return CallEngine(Engine(), &Menu::add_sub_menu, commandId, label);
}

bool TCefMenuModelRef::InsertSeparatorAt(int index) {
  return CallEngine(Engine(), &Menu::insert_separator_at, index) != 0;
}

bool TCefMenuModelRef::InsertItemAt(int index, int commandId, const ustring& label) {
  return CallEngine(Engine(), &Menu::insert_item_at, index, commandId, label) != 0;
}

bool TCefMenuModelRef::InsertCheckItemAt(int index, int commandId, const ustring& label) {
  return CallEngine(Engine(), &Menu::insert_check_item_at, index, commandId, label) != 0;
}

bool TCefMenuModelRef::InsertRadioItemAt(int index, int commandId, const ustring& label,
                                         int groupId) {
  return CallEngine(Engine(), &Menu::insert_radio_item_at, index, commandId, label, groupId) != 0;
}

CefRefPtr<ICefMenuModel> TCefMenuModelRef::InsertSubMenuAt(int index, int commandId,
                                                           const ustring& label) {
  return CallEngine(Engine(), &Menu::insert_sub_menu_at, index, commandId, label);
}

bool TCefMenuModelRef::Remove(int commandId) {
  return CallEngine(Engine(), &Menu::remove, commandId) != 0;
}

bool TCefMenuModelRef::RemoveAt(int index) {
  return CallEngine(Engine(), &Menu::remove_at, index) != 0;
}

int TCefMenuModelRef::GetIndexOf(int commandId) {
  return CallEngine(Engine(), &Menu::get_index_of, commandId);
}

int TCefMenuModelRef::GetCommandIdAt(int index) {
  return CallEngine(Engine(), &Menu::get_command_id_at, index);
}

bool TCefMenuModelRef::SetCommandIdAt(int index, int commandId) {
  return CallEngine(Engine(), &Menu::set_command_id_at, index, commandId) != 0;
}

ustring TCefMenuModelRef::GetLabel(int commandId) {
  return CallEngine(Engine(), &Menu::get_label, commandId);
}

ustring TCefMenuModelRef::GetLabelAt(int index) {
  return CallEngine(Engine(), &Menu::get_label_at, index);
}

bool TCefMenuModelRef::SetLabel(int commandId, const ustring& label) {
  return CallEngine(Engine(), &Menu::set_label, commandId, label) != 0;
}

bool TCefMenuModelRef::SetLabelAt(int index, const ustring& label) {
  return CallEngine(Engine(), &Menu::set_label_at, index, label) != 0;
}

cef_menu_item_type_t TCefMenuModelRef::GetType(int commandId) {
  return CallEngine(Engine(), &Menu::get_type, commandId);
}

cef_menu_item_type_t TCefMenuModelRef::GetTypeAt(int index) {
  return CallEngine(Engine(), &Menu::get_type_at, index);
}

int TCefMenuModelRef::GetGroupId(int commandId) {
  return CallEngine(Engine(), &Menu::get_group_id, commandId);
}

int TCefMenuModelRef::GetGroupIdAt(int index) {
  return CallEngine(Engine(), &Menu::get_group_id_at, index);
}

bool TCefMenuModelRef::SetGroupId(int commandId, int groupId) {
  return CallEngine(Engine(), &Menu::set_group_id, commandId, groupId) != 0;
}

bool TCefMenuModelRef::SetGroupIdAt(int index, int groupId) {
  return CallEngine(Engine(), &Menu::set_group_id_at, index, groupId) != 0;
}

CefRefPtr<ICefMenuModel> TCefMenuModelRef::GetSubMenu(int commandId) {
  return CallEngine(Engine(), &Menu::get_sub_menu, commandId);
}

CefRefPtr<ICefMenuModel> TCefMenuModelRef::GetSubMenuAt(int index) {
  return CallEngine(Engine(), &Menu::get_sub_menu_at, index);
}

bool TCefMenuModelRef::IsVisible(int commandId) {
  return CallEngine(Engine(), &Menu::is_visible, commandId) != 0;
}

bool TCefMenuModelRef::IsVisibleAt(int index) {
  return CallEngine(Engine(), &Menu::is_visible_at, index) != 0;
}

bool TCefMenuModelRef::SetVisible(int commandId, bool visible) {
  return CallEngine(Engine(), &Menu::set_visible, commandId, visible) != 0;
}

bool TCefMenuModelRef::SetVisibleAt(int index, bool visible) {
  return CallEngine(Engine(), &Menu::set_visible_at, index, visible) != 0;
}

bool TCefMenuModelRef::IsEnabled(int commandId) {
  return CallEngine(Engine(), &Menu::is_enabled, commandId) != 0;
}

bool TCefMenuModelRef::IsEnabledAt(int index) {
  return CallEngine(Engine(), &Menu::is_enabled_at, index) != 0;
}

bool TCefMenuModelRef::SetEnabled(int commandId, bool enabled) {
  return CallEngine(Engine(), &Menu::set_enabled, commandId, enabled) != 0;
}

bool TCefMenuModelRef::SetEnabledAt(int index, bool enabled) {
  return CallEngine(Engine(), &Menu::set_enabled_at, index, enabled) != 0;
}

bool TCefMenuModelRef::IsChecked(int commandId) {
  return CallEngine(Engine(), &Menu::is_checked, commandId) != 0;
}

bool TCefMenuModelRef::IsCheckedAt(int index) {
  return CallEngine(Engine(), &Menu::is_checked_at, index) != 0;
}

bool TCefMenuModelRef::SetChecked(int commandId, bool checked) {
  return CallEngine(Engine(), &Menu::set_checked, commandId, checked) != 0;
}

bool TCefMenuModelRef::SetCheckedAt(int index, bool checked) {
  return CallEngine(Engine(), &Menu::set_checked_at, index, checked) != 0;
}

bool TCefMenuModelRef::HasAccelerator(int commandId) {
  return CallEngine(Engine(), &Menu::has_accelerator, commandId) != 0;
}

bool TCefMenuModelRef::HasAcceleratorAt(int index) {
  return CallEngine(Engine(), &Menu::has_accelerator_at, index) != 0;
}

bool TCefMenuModelRef::SetAccelerator(int commandId, int keyCode, bool shiftPressed,
                                      bool ctrlPressed, bool altPressed) {
  return CallEngine(Engine(), &Menu::set_accelerator, commandId, keyCode, shiftPressed, ctrlPressed,
                    altPressed) != 0;
}

bool TCefMenuModelRef::SetAcceleratorAt(int index, int keyCode, bool shiftPressed, bool ctrlPressed,
                                        bool altPressed) {
  return CallEngine(Engine(), &Menu::set_accelerator_at, index, keyCode, shiftPressed, ctrlPressed,
                    altPressed) != 0;
}

bool TCefMenuModelRef::RemoveAccelerator(int commandId) {
  return CallEngine(Engine(), &Menu::remove_accelerator, commandId) != 0;
}

bool TCefMenuModelRef::RemoveAcceleratorAt(int index) {
  return CallEngine(Engine(), &Menu::remove_accelerator_at, index) != 0;
}

bool TCefMenuModelRef::GetAccelerator(int commandId, int& keyCode, bool& shiftPressed,
                                      bool& ctrlPressed, bool& altPressed) {
  int modifiers[3] = {};
  const int result = CallEngine(Engine(), &Menu::get_accelerator, commandId, &keyCode,
                                &modifiers[0], &modifiers[1], &modifiers[2]);
  return ReadAccelerator(result, modifiers, shiftPressed, ctrlPressed, altPressed);
}

bool TCefMenuModelRef::GetAcceleratorAt(int index, int& keyCode, bool& shiftPressed,
                                        bool& ctrlPressed, bool& altPressed) {
  int modifiers[3] = {};
  const int result = CallEngine(Engine(), &Menu::get_accelerator_at, index, &keyCode, &modifiers[0],
                                &modifiers[1], &modifiers[2]);
  return ReadAccelerator(result, modifiers, shiftPressed, ctrlPressed, altPressed);
}

bool TCefMenuModelRef::SetColor(int commandId, cef_menu_color_type_t colorType, cef_color_t color) {
  return CallEngine(Engine(), &Menu::set_color, commandId, colorType, color) != 0;
}

bool TCefMenuModelRef::SetColorAt(int index, cef_menu_color_type_t colorType, cef_color_t color) {
  return CallEngine(Engine(), &Menu::set_color_at, index, colorType, color) != 0;
}

bool TCefMenuModelRef::GetColor(int commandId, cef_menu_color_type_t colorType,
                                cef_color_t& color) {
  return CallEngine(Engine(), &Menu::get_color, commandId, colorType, &color) != 0;
}

bool TCefMenuModelRef::GetColorAt(int index, cef_menu_color_type_t colorType, cef_color_t& color) {
  return CallEngine(Engine(), &Menu::get_color_at, index, colorType, &color) != 0;
}

bool TCefMenuModelRef::SetFontList(int commandId, const ustring& fontList) {
  return CallEngine(Engine(), &Menu::set_font_list, commandId, fontList) != 0;
}

bool TCefMenuModelRef::SetFontListAt(int index, const ustring& fontList) {
  return CallEngine(Engine(), &Menu::set_font_list_at, index, fontList) != 0;
}
