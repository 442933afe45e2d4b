// Started by scripts/test before CTest and killed afterwards. Under Wine the first GUI program
// after a pause starts "explorer.exe /desktop", which holds CTest's output pipe and costs every
// GUI test ~1.5 s; a desktop that stays up for the whole run avoids both.
#include <windows.h>

int main(void) {
  GetDesktopWindow();
  for (;;) Sleep(INFINITE);
}
