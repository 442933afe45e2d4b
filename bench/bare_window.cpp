// The yardstick of the start-up measurements: the least a Win32 program does to show a window.
// It registers a class, creates one window of the main window's size, centred, shows it and runs
// the message loop until the window is closed. Built like the program (static runtime, wide
// entry point), so the difference to OstrelMini.exe is what the program and the engine add.

#include "bench/bare_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  if (!bare::ShowWindowOfMainWindowSize(instance, L"Bare window", WS_OVERLAPPEDWINDOW,
                                        show_command)) {
    return 1;
  }
  return bare::RunMessageLoop();
}
