#include "browser/cef_sentinel.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>

#include "engine/application/cef_application.h"
#include "ui/timer.h"
#include "ui/ui_task.h"

namespace {

class TWindowsSentinelTimer final : public TSentinelTimer {
 public:
  TWindowsSentinelTimer() {
    FTimer.OnTimer = [this] {
      FTimer.SetEnabled(false);
      RaiseEvent(OnTimer);
    };
  }
  void Arm(uint32_t delayMs) override {
    // An interval of 0 would never tick, and the window would wait for ever.
    FTimer.SetInterval(std::max<uint32_t>(delayMs, 1));
    FTimer.SetEnabled(true);
  }

 private:
  TTimer FTimer{0};
};

}  // namespace

TCEFSentinel::TCEFSentinel(std::unique_ptr<TSentinelTimer> timer)
    : FTimer(timer != nullptr ? std::move(timer) : std::make_unique<TWindowsSentinelTimer>()) {
  if (FCompHandle.Create()) {
    FCompHandle.OnMessage = [this](UINT message, WPARAM, LPARAM, LRESULT& result) {
      if (message != MSG_SENTINEL_START && message != MSG_SENTINEL_CLOSE) return false;
      result = 0;
      HandleMessage(message);
      return true;
    };
  }
  FTimer->OnTimer = [this] { TimerTick(); };
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
  if (PostToWindow(window, message)) return true;
  // A full message queue must not leave the window waiting for ever: the UI task queue keeps
  // work it cannot announce at once.
  std::weak_ptr<int> life = FLife;
  return uitask::Post([this, life, message] {
    if (!life.expired()) HandleMessage(message);
  });
}

void TCEFSentinel::HandleMessage(UINT message) {
  if (message == MSG_SENTINEL_START) {
    FTimer->Arm(InitialDelayMs());
  } else {
    RaiseEvent(OnClose);
  }
}

void TCEFSentinel::TimerTick() {
  bool close = false;
  {
    std::lock_guard lock(FStatusCS);
    if (FStatus != ssInitialDelay && FStatus != ssCheckingChildren) return;
    if (CanClose()) {
      FStatus = ssClosing;
      close = true;
    } else {
      if (FStatus == ssInitialDelay) {
        FStatus = ssCheckingChildren;
        FCheckCount = 0;
      } else {
        ++FCheckCount;
      }
      FTimer->Arm(FFinalDelayMs);
    }
  }
  if (close) PostToMainThread(MSG_SENTINEL_CLOSE);
}
