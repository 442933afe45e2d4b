#ifndef OSTREL_BROWSER_CEF_SENTINEL_H_
#define OSTREL_BROWSER_CEF_SENTINEL_H_

// TCEFSentinel: the last step of closing. After the engine has closed the main browser, its
// child processes (renderer, GPU, utility) still need a moment to end. The sentinel waits on a
// timer until at most MinChildProcs of them remain, or MaxCheckCount later checks have passed,
// and then raises OnClose on the thread that created it (the main thread).
//
// Timing: the first check comes after the larger of MinInitDelayMs and ChildProcCount x
// DelayPerProcMs; while too many children remain, checks follow every FinalDelayMs, and the
// (MaxCheckCount + 1)-th of them allows closing whatever the count.
//
// Start may be called from any thread (the before-close notification arrives on an engine
// thread); it hands over to the main thread through the sentinel's hidden window. Settings,
// CanClose and the destructor belong to the main thread.
//
// The waits run on a TSentinelTimer: a Win32 timer of the main thread unless one is handed in
// (tests bring a clock of their own, so that the timing needs no real seconds).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "ui/messages.h"
#include "ui/window.h"

// Calls OnTimer once, on the main thread, `delayMs` after Arm; arming again replaces the wait.
class TSentinelTimer {
 public:
  virtual ~TSentinelTimer() = default;
  virtual void Arm(uint32_t delayMs) = 0;
  std::function<void()> OnTimer;
};

enum TSentinelStatus : int {
  ssIdle = 0,
  ssInitialDelay = 1,
  ssCheckingChildren = 2,
  ssClosing = 3,
};

class TCEFSentinel {
 public:
  explicit TCEFSentinel(std::unique_ptr<TSentinelTimer> timer = nullptr);  // main thread
  TCEFSentinel(const TCEFSentinel&) = delete;
  TCEFSentinel& operator=(const TCEFSentinel&) = delete;

  // Starts the wait once; later calls change nothing. False only when the main thread could
  // not be reached at all.
  bool Start();
  TSentinelStatus Status() const;

  // Child processes of this program still running (GlobalCEFApp's count; 0 without it).
  int32_t ChildProcCount() const;
  // The wait before the first check, for the children running now.
  uint32_t InitialDelayMs() const;
  // Whether the engine may be considered gone now.
  bool CanClose() const;
  int32_t CheckCount() const { return FCheckCount; }

  uint32_t DelayPerProcMs() const { return FDelayPerProcMs; }
  void SetDelayPerProcMs(uint32_t value) { FDelayPerProcMs = value; }
  uint32_t MinInitDelayMs() const { return FMinInitDelayMs; }
  void SetMinInitDelayMs(uint32_t value) { FMinInitDelayMs = value; }
  uint32_t FinalDelayMs() const { return FFinalDelayMs; }
  void SetFinalDelayMs(uint32_t value) { FFinalDelayMs = value; }
  int32_t MinChildProcs() const { return FMinChildProcs; }
  void SetMinChildProcs(int32_t value) { FMinChildProcs = value; }
  int32_t MaxCheckCount() const { return FMaxCheckCount; }
  void SetMaxCheckCount(int32_t value) { FMaxCheckCount = value; }

  // Raised once, on the main thread, from the hidden window's message: a handler that wants the
  // sentinel gone deletes it later (DeleteLater), not in place.
  std::function<void()> OnClose;
  // Where the child count comes from; empty: GlobalCEFApp (a test puts its own count here).
  std::function<int32_t()> ChildCountSource;

 private:
  bool PostToMainThread(UINT message);
  void HandleMessage(UINT message);
  void TimerTick();

  TMessageWindow FCompHandle;
  mutable std::mutex FStatusCS;
  TSentinelStatus FStatus = ssIdle;  // guarded by FStatusCS
  uint32_t FDelayPerProcMs = 200;
  uint32_t FMinInitDelayMs = 1500;
  uint32_t FFinalDelayMs = 100;
  int32_t FMinChildProcs = 2;
  int32_t FMaxCheckCount = 10;
  int32_t FCheckCount = 0;
  std::unique_ptr<TSentinelTimer> FTimer;
  std::shared_ptr<int> FLife = std::make_shared<int>(0);
};

#endif  // OSTREL_BROWSER_CEF_SENTINEL_H_
