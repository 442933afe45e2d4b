#include "upgrade/dialogs/ul_dialog_support.h"

#include <algorithm>

// The label's text comes from the update server: however long it is, the buttons below it must
// stay on screen. The label is cut instead.
void FitClientHeight(TForm& form, TLabel& label, const TWindow& bottom) {
  MONITORINFO monitor{.cbSize = sizeof(MONITORINFO)};
  GetMonitorInfoW(MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const int frame = form.Height() - form.ClientHeight();
  const int most = monitor.rcWork.bottom - monitor.rcWork.top - frame;
  const int wanted = label.Top() + label.Height() + bottom.Height();
  if (wanted > most) label.SetHeight(std::max(0, most - label.Top() - bottom.Height()));
  form.SetClientSize(form.ClientWidth(), std::min(wanted, most));
}
