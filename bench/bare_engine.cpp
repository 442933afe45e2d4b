// The second yardstick of the memory measurements: the bare window with the engine in it, the
// least a program does to show one browser. It loads libcef.dll from its own folder, starts the
// engine with its own message loop, shows a window like bare_window.exe and creates a browser
// without a client at the address of its command line, filling the client area. Set against
// bare_window.exe, it gives what the engine itself holds in the browser process, so that what
// the program adds can be told apart. It is read while it runs and then ended from outside: it
// has no client to learn of its browser, so it cannot close it and shut the engine down.
//
//   bare_engine <address>      (started again by the engine for its sub-processes)

#include <windows.h>

#include "bench/bare_window.h"
#include "engine/capi/cef_capi.h"

namespace {

template <class Function>
Function Entry(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show_command) {
  HMODULE engine = LoadLibraryW(L"libcef.dll");
  if (!engine) return 1;
  const auto execute_process = Entry<cef_execute_process_func>(engine, "cef_execute_process");
  const auto initialize = Entry<cef_initialize_func>(engine, "cef_initialize");
  const auto create_browser =
      Entry<cef_browser_host_create_browser_func>(engine, "cef_browser_host_create_browser");
  if (!execute_process || !initialize || !create_browser) return 1;

  const cef_main_args_t args{instance};
  if (const int sub_process = execute_process(&args, nullptr, nullptr); sub_process >= 0)
    return sub_process;
  cef_settings_t settings{};
  settings.size = sizeof settings;
  settings.no_sandbox = 1;
  settings.multi_threaded_message_loop = 1;
  if (!initialize(&args, &settings, nullptr, nullptr)) return 1;

  HWND window = bare::ShowWindowOfMainWindowSize(
      instance, L"Bare engine", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, show_command);
  if (!window) return 1;

  RECT client{};
  GetClientRect(window, &client);
  cef_window_info_t window_info{};
  window_info.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
  window_info.width = client.right;
  window_info.height = client.bottom;
  window_info.parent_window = window;
  cef_browser_settings_t browser_settings{};
  browser_settings.size = sizeof browser_settings;
  const cef_string_t address{command_line, wcslen(command_line), nullptr};
  if (!create_browser(&window_info, nullptr, &address, &browser_settings, nullptr, nullptr))
    return 1;

  return bare::RunMessageLoop();
}
