#ifndef OSTREL_UI_TIMER_H_
#define OSTREL_UI_TIMER_H_

// TTimer: raises OnTimer every Interval milliseconds on the UI thread, through WM_TIMER of a
// hidden window of its own (made when first enabled, so enable it on the UI thread). Like every
// WM_TIMER a tick comes when the queue is otherwise empty, and ticks due meanwhile merge.

#include <functional>

#include "ui/window.h"

class TTimer {
 public:
  explicit TTimer(unsigned intervalMs = 1000) : FInterval(intervalMs) {}
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned intervalMs);  // starts the count again; 0 stops the ticks
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  // Enabled with an interval, and the system gave it a timer (it has only so many).
  bool Ticking() const { return FTicking; }

  // May disable the timer, change it, or delete it.
  std::function<void()> OnTimer;

 private:
  void Update();
  TMessageWindow FWindow;
  unsigned FInterval;
  bool FEnabled = false;
  bool FTicking = false;
};

#endif  // OSTREL_UI_TIMER_H_
