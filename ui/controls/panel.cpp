// TPanel: a container of our own class. It docks its children (ui/layout.h) and, like every
// TWindow, hands their notifications back to them.

#include "ui/controls.h"
#include "ui/dpi.h"

bool TPanel::Create(const CreateArgs& args) {
  const DWORD ex_style = WS_EX_CONTROLPARENT | (args.lowered ? WS_EX_STATICEDGE : 0);
  if (!CreateChild(L"OstrelPanel", true, WS_CLIPCHILDREN, ex_style, PlacementOf(args))) {
    return false;
  }
  SetPadding(ScaleForDpi(args.padding, DisplayDpi(), DesignDpi()));
  return true;
}
