// Teardown across threads: an owner waits for the calls still running in objects it detaches,
// keeps answering what those calls send to its thread meanwhile, and never waits for a call it
// is itself inside. Also the browser control, whose destruction waits for a notification still
// running on another thread.

#include <windows.h>

#include <atomic>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "browser/chromium.h"
#include "engine/core/call_counter.h"
#include "engine/interfaces/cef_load_handler.h"
#include "ui/messages.h"
#include "ui/window.h"

namespace {

constexpr UINT kPing = WM_APP + 1;

// A window of this thread that counts the pings sent to it.
class PingWindow {
 public:
  PingWindow() {
    FWindow.OnMessage = [this](UINT message, WPARAM, LPARAM, LRESULT& result) {
      if (message != kPing) return false;
      ++pings;
      result = 0;
      return true;
    };
    EXPECT_TRUE(FWindow.Create());
  }
  HWND Handle() const { return FWindow.Handle(); }

  std::atomic<int> pings{0};

 private:
  TMessageWindow FWindow;
};

// Lets a thread stuck in SendMessage finish, should a faulty wait have returned early.
void PumpUntil(const std::atomic<bool>& done) {
  while (!done) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    std::this_thread::yield();
  }
}

TEST(CallCounter, WaitsForAnotherThreadsCallAndAnswersWhatItSendsMeanwhile) {
  PingWindow window;
  TCallCounter counter;
  std::atomic<bool> entered{false};
  std::atomic<bool> left{false};
  std::thread caller([&] {
    const TCallCounter::TScope call(counter);
    entered = true;
    // Only a wait that answers sent messages lets this return.
    SendMessageW(window.Handle(), kPing, 0, 0);
    left = true;
  });
  while (!entered) std::this_thread::yield();

  counter.WaitForCalls();
  EXPECT_TRUE(left.load());
  EXPECT_EQ(window.pings.load(), 1);
  PumpUntil(left);
  caller.join();
  EXPECT_EQ(counter.CallsInProgress(), 0);
}

TEST(CallCounter, AWaitFromInsideACallDoesNotWaitForItself) {
  TCallCounter counter;
  const TCallCounter::TScope outer(counter);
  {
    const TCallCounter::TScope inner(counter);
    EXPECT_EQ(counter.CallsInProgress(), 2);
    counter.WaitForCalls();  // returns: both calls are this thread's own
  }
  EXPECT_EQ(counter.CallsInProgress(), 1);
}

TEST(CallTarget, ForwardsWhileAttachedThenGivesTheFallback) {
  int target = 41;
  const auto link = MakeRefCounted<TCallTarget<int>>(&target);
  auto ask = [&] { return link->Forward([](int& value) { return ++value; }, [] { return -1; }); };
  EXPECT_EQ(ask(), 42);
  link->Detach();
  EXPECT_EQ(ask(), -1);
  EXPECT_EQ(target, 42);
  EXPECT_EQ(link->Get(), nullptr);
}

// A load notification is inside the control's event on an engine thread while the main thread
// destroys the control: the destruction must wait until the event has returned.
TEST(ChromiumTeardown, DestructionWaitsForANotificationInProgress) {
  PingWindow window;
  auto chromium = std::make_unique<TChromium>();
  std::atomic<bool> entered{false};
  std::atomic<bool> finished{false};
  chromium->OnLoadingStateChange = [&](TChromium&, const CefRefPtr<ICefBrowser>&, bool, bool,
                                       bool) {
    entered = true;
    SendMessageW(window.Handle(), kPing, 0, 0);  // answered by the destructor's wait
    finished = true;
  };
  CefRefPtr<ICefClient> client;
  ASSERT_TRUE(chromium->CreateClientHandler(client, false));
  const CefRefPtr<ICefLoadHandler> load = client->GetLoadHandler();
  ASSERT_TRUE(load);
  std::thread engineThread([load] { load->OnLoadingStateChange(nullptr, true, false, false); });
  while (!entered) std::this_thread::yield();

  chromium.reset();
  EXPECT_TRUE(finished.load());
  PumpUntil(finished);
  engineThread.join();

  // Detached: a late notification no longer reaches the control that is gone.
  load->OnLoadingStateChange(nullptr, false, false, false);
}

// An engine thread posting to a window that is gone: PostMessage without a window would queue
// the message to the engine thread itself, which never reads it.
TEST(MainThreadMessages, APostToAWindowThatIsGoneIsRefusedAndQueuesNothing) {
  HWND gone = nullptr;
  {
    TMessageWindow window;
    ASSERT_TRUE(window.Create());
    gone = window.Handle();
  }
  bool refusedNull = false;
  bool refusedGone = false;
  bool queued = true;
  std::thread engineThread([&] {
    refusedNull = !PostToWindow(nullptr, MSG_BROWSER_CREATED);
    refusedGone = !PostToWindow(gone, MSG_BROWSER_CREATED);
    MSG message;
    queued = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
  });
  engineThread.join();
  EXPECT_TRUE(refusedNull);
  EXPECT_TRUE(refusedGone);
  EXPECT_FALSE(queued);
}

}  // namespace
