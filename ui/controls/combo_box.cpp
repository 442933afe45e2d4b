// TComboBox: an editable drop-down box or a drop-down list.
// https://learn.microsoft.com/windows/win32/controls/combo-boxes

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "ui/controls.h"

bool TComboBox::Create(const CreateArgs& args) {
  FDropDownCount = std::max(1, args.dropDownCount);
  const DWORD style =
      (args.editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) | WS_VSCROLL;
  if (!CreateChild(WC_COMBOBOXW, false, style, 0, PlacementOf(args))) return false;
  SendMessageW(Handle(), CB_SETMINVISIBLE, FDropDownCount, 0);
  for (const auto& item : args.items) AddItem(item);
  if (args.itemIndex >= 0) SetItemIndex(args.itemIndex);
  PlaceHandle(Bounds());  // the list's height is known now
  return true;
}

// The window of a combo box is the box and its dropped-down list together.
void TComboBox::PlaceHandle(const TBounds& bounds) {
  const auto item_height = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width,
               bounds.height + std::max(item_height, 1) * FDropDownCount + 2,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int TComboBox::AddItem(std::wstring_view item) {
  const std::wstring text(item);
  return static_cast<int>(
      SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void TComboBox::ClearItems() { SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

int TComboBox::ItemCount() const {
  return Handle() != nullptr ? static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)) : 0;
}

std::wstring TComboBox::Item(int index) const {
  const auto length = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// Not CB_FINDSTRINGEXACT: it ignores letter case, and addresses differ by case.
int TComboBox::IndexOf(std::wstring_view item) const {
  const int count = ItemCount();
  for (int i = 0; i < count; ++i) {
    if (Item(i) == item) return i;
  }
  return -1;
}

int TComboBox::ItemIndex() const {
  return Handle() != nullptr ? static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)) : -1;
}

void TComboBox::SetItemIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, index, 0); }

bool TComboBox::OnCommand(WORD code) {
  if (code != CBN_EDITCHANGE && code != CBN_SELCHANGE) return false;
  RaiseEvent(OnChange);
  return true;
}
