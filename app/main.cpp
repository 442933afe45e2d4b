// Program entry of every process: the browser process the user starts, and the engine's
// sub-processes (the same program started again with "--type=<kind>").

#include <windows.h>

#include "app/engine_setup.h"
#include "app/placeholder_window.h"
#include "engine/cef_application.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
  CreateEngineApplication();
  // True only in the browser process with the engine initialised. A sub-process has run to its
  // end inside this call; a failed start has already shown its message.
  if (GlobalCEFApp->StartMainProcess()) {
    if (CreatePlaceholderWindow(show_command)) RunPlaceholderMessageLoop();
  }
  DestroyEngineApplication();
  // The engine's result for a sub-process is not the exit code: every run ends the same way.
  return 0;
}
