// TProgressBar. https://learn.microsoft.com/windows/win32/controls/progress-bar-control

#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"

bool TProgressBar::Create(const CreateArgs& args) {
  if (!CreateChild(PROGRESS_CLASSW, false, 0, 0, PlacementOf(args))) return false;
  SetRange(args.minValue, args.maxValue);
  SetPosition(args.position);
  return true;
}

void TProgressBar::SetRange(int minValue, int maxValue) {
  SendMessageW(Handle(), PBM_SETRANGE32, minValue, maxValue);
}

void TProgressBar::SetPosition(int position) { SendMessageW(Handle(), PBM_SETPOS, position, 0); }

int TProgressBar::Position() const {
  return Handle() != nullptr ? static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)) : 0;
}
