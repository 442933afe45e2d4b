// TBevel: an etched line across, as a static control draws it.
// https://learn.microsoft.com/windows/win32/controls/static-control-styles

#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"

// SS_ETCHEDHORZ draws the etched edge along the top and bottom of the control: two pixels high,
// the two meet in one line.
bool TBevel::Create(const CreateArgs& args) {
  TPlacement placement = PlacementOf(args);
  placement.bounds.height = 2;
  return CreateChild(WC_STATICW, false, SS_ETCHEDHORZ, 0, placement);
}
