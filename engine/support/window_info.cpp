#include "engine/support/window_info.h"

#include <cmath>

namespace {

// The rest of the description stays zero.
void Describe(TCefWindowInfo& info, HWND parent, const ustring& window_name, DWORD ex_style) {
  info = TCefWindowInfo{};
  info.ex_style = ex_style;
  info.window_name = BorrowEngineString(window_name);
  info.parent_window = parent;
}

constexpr uint32_t kDropEffectCopy = 1;
constexpr uint32_t kDropEffectMove = 2;
constexpr uint32_t kDropEffectLink = 4;

}  // namespace

void ChildWindowInfo(TCefWindowInfo& info, HWND parent, const RECT& rect,
                     const ustring& window_name, DWORD ex_style) {
  Describe(info, parent, window_name, ex_style);
  info.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP;
  info.x = rect.left;
  info.y = rect.top;
  info.width = rect.right - rect.left;
  info.height = rect.bottom - rect.top;
}

void PopupWindowInfo(TCefWindowInfo& info, HWND parent, const ustring& window_name,
                     DWORD ex_style) {
  Describe(info, parent, window_name, ex_style);
  info.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  info.x = CW_USEDEFAULT;
  info.y = CW_USEDEFAULT;
  info.width = CW_USEDEFAULT;
  info.height = CW_USEDEFAULT;
}

void WindowlessWindowInfo(TCefWindowInfo& info, HWND parent, const ustring& window_name,
                          DWORD ex_style) {
  Describe(info, parent, window_name, ex_style);
  info.windowless_rendering_enabled = 1;
}

bool KeyIsDown(int32_t virtual_key) { return GetKeyState(virtual_key) < 0; }

bool KeyToggledOn(int32_t virtual_key) { return (GetKeyState(virtual_key) & 1) != 0; }

uint32_t DragEventFlags(uint32_t mouse_keys, bool alt_down, bool num_lock_on, bool caps_lock_on) {
  uint32_t flags = EVENTFLAG_NONE;
  if (mouse_keys & MK_LBUTTON) flags |= EVENTFLAG_LEFT_MOUSE_BUTTON;
  if (mouse_keys & MK_SHIFT) flags |= EVENTFLAG_SHIFT_DOWN;
  if (mouse_keys & MK_CONTROL) flags |= EVENTFLAG_CONTROL_DOWN;
  if (mouse_keys & MK_MBUTTON) flags |= EVENTFLAG_MIDDLE_MOUSE_BUTTON;
  if (mouse_keys & MK_RBUTTON) flags |= EVENTFLAG_RIGHT_MOUSE_BUTTON;
  if (alt_down) flags |= EVENTFLAG_ALT_DOWN;
  if (num_lock_on) flags |= EVENTFLAG_NUM_LOCK_ON;
  if (caps_lock_on) flags |= EVENTFLAG_CAPS_LOCK_ON;
  return flags;
}

uint32_t CurrentDragEventFlags(uint32_t mouse_keys) {
  return DragEventFlags(mouse_keys, KeyIsDown(VK_MENU), KeyToggledOn(VK_NUMLOCK),
                        KeyToggledOn(VK_CAPITAL));
}

uint32_t DropEffectToDragOperation(uint32_t effect) {
  uint32_t operation = DRAG_OPERATION_NONE;
  if (effect & kDropEffectCopy) operation |= DRAG_OPERATION_COPY;
  if (effect & kDropEffectLink) operation |= DRAG_OPERATION_LINK;
  if (effect & kDropEffectMove) operation |= DRAG_OPERATION_MOVE;
  return operation;
}

uint32_t DragOperationToDropEffect(uint32_t operation) {
  uint32_t effect = 0;
  if (operation & DRAG_OPERATION_COPY) effect |= kDropEffectCopy;
  if (operation & DRAG_OPERATION_LINK) effect |= kDropEffectLink;
  if (operation & DRAG_OPERATION_MOVE) effect |= kDropEffectMove;
  return effect;
}

int32_t DeviceToLogical(int32_t value, float device_scale_factor) {
  // A scale of 0 (no screen information) would divide by zero: take the pixels as they are.
  if (!(device_scale_factor > 0)) return value;
  return static_cast<int32_t>(std::floor(static_cast<float>(value) / device_scale_factor));
}

void DeviceToLogical(cef_point_t& point, float device_scale_factor) {
  point.x = DeviceToLogical(point.x, device_scale_factor);
  point.y = DeviceToLogical(point.y, device_scale_factor);
}

void DeviceToLogical(cef_size_t& size, float device_scale_factor) {
  size.width = DeviceToLogical(size.width, device_scale_factor);
  size.height = DeviceToLogical(size.height, device_scale_factor);
}
