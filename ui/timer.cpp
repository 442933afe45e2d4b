#include "ui/timer.h"

#include "base/ui_thread.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::~TTimer() {
  if (FWindow.Handle() != nullptr) KillTimer(FWindow.Handle(), kTimerId);
}

void TTimer::SetInterval(unsigned intervalMs) {
  FInterval = intervalMs;
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  FEnabled = enabled;
  Update();
}

void TTimer::Update() {
  AssertUiThread();
  FTicking = false;
  if (FWindow.Handle() == nullptr) {
    if (!FEnabled || FInterval == 0 || !FWindow.Create()) return;
    FWindow.OnMessage = [this](UINT message, WPARAM wparam, LPARAM, LRESULT& result) {
      if (message != WM_TIMER || wparam != kTimerId) return false;
      result = 0;
      // KillTimer leaves a tick that is already queued: a disabled timer must not fire.
      if (FEnabled && FInterval > 0) RaiseEvent(OnTimer);
      return true;
    };
  }
  KillTimer(FWindow.Handle(), kTimerId);
  if (FEnabled && FInterval > 0)
    FTicking = SetTimer(FWindow.Handle(), kTimerId, FInterval, nullptr) != 0;
}
