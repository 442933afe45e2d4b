#ifndef OSTREL_ENGINE_SUPPORT_WINDOW_INFO_H_
#define OSTREL_ENGINE_SUPPORT_WINDOW_INFO_H_

// The engine's window descriptions for creating a browser, and the small conversions that only
// the off-screen (windowless) mode and drag-and-drop would use.

#include <cstdint>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_string.h"

using TCefWindowInfo = cef_window_info_t;

// Each fills `info` completely. Its window name points at `window_name`'s buffer, which must
// live unchanged until the engine has read the description.
void ChildWindowInfo(TCefWindowInfo& info, HWND parent, const RECT& rect,
                     const ustring& window_name, DWORD ex_style = 0);
void PopupWindowInfo(TCefWindowInfo& info, HWND parent, const ustring& window_name,
                     DWORD ex_style = 0);
void WindowlessWindowInfo(TCefWindowInfo& info, HWND parent, const ustring& window_name,
                          DWORD ex_style = 0);
// A temporary name would be gone before the engine reads it.
void ChildWindowInfo(TCefWindowInfo&, HWND, const RECT&, const ustring&&, DWORD = 0) = delete;
void PopupWindowInfo(TCefWindowInfo&, HWND, const ustring&&, DWORD = 0) = delete;
void WindowlessWindowInfo(TCefWindowInfo&, HWND, const ustring&&, DWORD = 0) = delete;

// ---- Windowless mode and drag-and-drop ----

// Whether a key is down now (high bit of its state), whether a toggle key is on (low bit).
bool KeyIsDown(int32_t virtual_key);
bool KeyToggledOn(int32_t virtual_key);

// The engine's event flags for the system's mouse-key flags of a drag event (MK_...) and the
// Alt, Num Lock and Caps Lock states.
uint32_t DragEventFlags(uint32_t mouse_keys, bool alt_down, bool num_lock_on, bool caps_lock_on);
// The same with the keyboard's current states.
uint32_t CurrentDragEventFlags(uint32_t mouse_keys);

// Drop effects (copy 1, move 2, link 4) and the engine's drag operations (copy 1, link 2,
// move 16) translated bit by bit; other bits are dropped.
uint32_t DropEffectToDragOperation(uint32_t effect);
uint32_t DragOperationToDropEffect(uint32_t operation);

// Device pixels to logical ones: divided by the device scale factor, rounded down.
int32_t DeviceToLogical(int32_t value, float device_scale_factor);
void DeviceToLogical(cef_point_t& point, float device_scale_factor);
void DeviceToLogical(cef_size_t& size, float device_scale_factor);

#endif  // OSTREL_ENGINE_SUPPORT_WINDOW_INFO_H_
