#include "browser/cef_sentinel.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/application/cef_application.h"
#include "ui/ui_task.h"

namespace {

// A timer interval of 0 would never tick, and the window would wait for ever.
unsigned TimerInterval(uint32_t ms) { return std::max<uint32_t>(ms, 1); }

}  // namespace

TCEFSentinel::TCEFSentinel() {
  if (FCompHandle.Create()) {
    FCompHandle.OnMessage = [this](UINT message, WPARAM, LPARAM, LRESULT& result) {
      if (message != MSG_SENTINEL_START && message != MSG_SENTINEL_CLOSE) return false;
      result = 0;
      HandleMessage(message);
      return true;
    };
  }
  FTimer.OnTimer = [this] { TimerTick(); };
}

bool TCEFSentinel::Start() {
  std::lock_guard lock(FStatusCS);
  if (FStatus != ssIdle) return true;
  FStatus = ssInitialDelay;
  if (PostToMainThread(MSG_SENTINEL_START)) return true;
  FStatus = ssIdle;
  return false;
}

TSentinelStatus TCEFSentinel::Status() const {
  std::lock_guard lock(FStatusCS);
  return FStatus;
}

int32_t TCEFSentinel::ChildProcCount() const {
  if (ChildCountSource) return ChildCountSource();
  return GlobalCEFApp != nullptr ? GlobalCEFApp->ChildProcessesCount() : 0;
}

uint32_t TCEFSentinel::InitialDelayMs() const {
  const uint64_t for_children =
      static_cast<uint64_t>(std::max(ChildProcCount(), 0)) * FDelayPerProcMs;
  const uint64_t delay = std::max<uint64_t>(FMinInitDelayMs, for_children);
  return static_cast<uint32_t>(std::min<uint64_t>(delay, std::numeric_limits<uint32_t>::max()));
}

bool TCEFSentinel::CanClose() const {
  if (FCheckCount >= FMaxCheckCount) return true;
  if (!ChildCountSource && GlobalCEFApp == nullptr) return true;  // the engine is gone
  return ChildProcCount() <= FMinChildProcs;
}

bool TCEFSentinel::PostToMainThread(UINT message) {
  HWND window = FCompHandle.Handle();
  if (window != nullptr && PostMessageW(window, message, 0, 0)) return true;
  // A full message queue must not leave the window waiting for ever: the UI task queue keeps
  // work it cannot announce at once.
  std::weak_ptr<int> life = FLife;
  return uitask::Post([this, life, message] {
    if (!life.expired()) HandleMessage(message);
  });
}

void TCEFSentinel::HandleMessage(UINT message) {
  if (message == MSG_SENTINEL_START) {
    StartTimer();
  } else {
    RaiseEvent(OnClose);
  }
}

void TCEFSentinel::StartTimer() {
  FTimer.SetInterval(TimerInterval(InitialDelayMs()));
  FTimer.SetEnabled(true);
}

void TCEFSentinel::TimerTick() {
  FTimer.SetEnabled(false);
  bool close = false;
  {
    std::lock_guard lock(FStatusCS);
    switch (FStatus) {
      case ssInitialDelay:
        if (CanClose()) {
          FStatus = ssClosing;
          close = true;
        } else {
          FStatus = ssCheckingChildren;
          FCheckCount = 0;
          FTimer.SetInterval(TimerInterval(FFinalDelayMs));
          FTimer.SetEnabled(true);
        }
        break;
      case ssCheckingChildren:
        if (CanClose()) {
          FStatus = ssClosing;
          close = true;
        } else {
          ++FCheckCount;
          FTimer.SetEnabled(true);
        }
        break;
      default:
        break;
    }
  }
  if (close) PostToMainThread(MSG_SENTINEL_CLOSE);
}
