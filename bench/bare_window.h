#ifndef OSTREL_BENCH_BARE_WINDOW_H_
#define OSTREL_BENCH_BARE_WINDOW_H_

// The window of the yardstick programs: one class registered, one window of the main window's
// size, centred, shown and painted; the message loop runs until it is closed.

#include <windows.h>

namespace bare {

inline LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Null when the class or the window cannot be made.
inline HWND ShowWindowOfMainWindowSize(HINSTANCE instance, const wchar_t* caption, DWORD style,
                                       int show_command) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"BareWindow";
  if (!RegisterClassExW(&window_class)) return nullptr;
  RECT frame{0, 0, 1184, 712};
  AdjustWindowRect(&frame, style, FALSE);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HWND window =
      CreateWindowExW(0, L"BareWindow", caption, style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                      instance, nullptr);
  if (!window) return nullptr;
  ShowWindow(window, show_command);
  UpdateWindow(window);
  return window;
}

inline int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace bare

#endif  // OSTREL_BENCH_BARE_WINDOW_H_
