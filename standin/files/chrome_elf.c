// Stand-in for the engine's chrome_elf.dll: the real runtime ships it beside libcef.dll and
// the program's start-up check looks for it and reads its version. Nothing else is needed.
#include <windows.h>

__declspec(dllexport) void SignalChromeElf(void) {}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
