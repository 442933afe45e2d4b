#include "app/placeholder_window.h"

#include <windows.h>

#include <string>

#include "app/resources/resource.h"
#include "engine/file_version.h"
#include "engine/paths.h"

namespace {

constexpr wchar_t kWindowClass[] = L"OstrelMiniPlaceholderWindow";
constexpr int kStaticId = 100;

// "Ostrel-Mini版(x64) - " followed by the program file's version.
std::wstring Caption() {
  std::wstring caption = L"Ostrel-Mini版(x64) - ";
  TFileVersionInfo version;
  if (GetDLLVersion(ProgramFilePath(), version)) caption += VersionToText(version);
  return caption;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      HWND text = CreateWindowExW(0, L"STATIC", L"启动中，请等待...",
                                  WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 0, 0, window,
                                  reinterpret_cast<HMENU>(kStaticId), create->hInstance, nullptr);
      SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
      return 0;
    }
    case WM_SIZE: {
      const int width = LOWORD(lparam);
      const int height = HIWORD(lparam);
      MoveWindow(GetDlgItem(window, kStaticId), 0, height / 2 - 10, width, 20, TRUE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

bool CreatePlaceholderWindow(int show_command) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAINICON));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&window_class)) return false;
  HWND window =
      CreateWindowExW(0, kWindowClass, Caption().c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 1024, 768, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return false;
  ShowWindow(window, show_command);
  UpdateWindow(window);
  return true;
}

void RunPlaceholderMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
