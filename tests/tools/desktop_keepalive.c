// Started by scripts/test before CTest and killed afterwards. Under Wine the first GUI program
// after a pause starts "explorer.exe /desktop", which holds CTest's output pipe and costs every
// GUI test ~1.5 s; a desktop that stays up for the whole run avoids both. The file named by the
// argument is created once the desktop is up: a test started before would start it itself.
#include <windows.h>

int main(int argc, char** argv) {
  GetDesktopWindow();
  if (argc > 1) {
    CloseHandle(CreateFileA(argv[1], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
  }
  for (;;) Sleep(INFINITE);
}
