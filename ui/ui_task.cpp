#include "ui/ui_task.h"

#include <windows.h>

#include <deque>
#include <mutex>
#include <utility>

#include "base/ui_thread.h"
#include "ui/ui_error.h"
#include "ui/window.h"

namespace uitask {
namespace {

struct TQueue {
  std::mutex lock;
  std::deque<TTask> tasks;  // guarded by lock, as are the four below
  TMessageWindow owner;     // of the UI thread, which alone creates and destroys it
  HWND window = nullptr;    // its handle, for the posts of every thread
  bool accepting = false;
  bool wakePending = false;  // a wake message is in the window's queue
  DWORD thread = 0;
};

TQueue& Queue() {
  static TQueue queue;
  return queue;
}

// A registered number: unique in the whole system, so it can clash with no other message.
UINT WakeMessage() {
  static const UINT message = RegisterWindowMessageW(L"OstrelUiTaskWake");
  return message;
}

// Runs at most `count` tasks, one at a time: a task may run a nested message loop (a modal
// form), which takes the following tasks from the same queue.
void RunTasks(size_t count) {
  TQueue& queue = Queue();
  for (; count > 0; --count) {
    TTask task;
    {
      std::lock_guard guard(queue.lock);
      if (queue.tasks.empty()) return;
      task = std::move(queue.tasks.front());
      queue.tasks.pop_front();
      // Should this task run a nested loop, the tasks behind it run there, still in order:
      // without a wake they would wait for it while tasks posted later overtook them.
      if (!queue.tasks.empty() && !queue.wakePending && queue.window != nullptr) {
        queue.wakePending = PostMessageW(queue.window, WakeMessage(), 0, 0) != FALSE;
      }
    }
    GuardUi(L"uitask.Run", task);
  }  // each task is destroyed here, on the UI thread
}

bool OnQueueThread() {
  std::lock_guard guard(Queue().lock);
  return Queue().thread != 0 && Queue().thread == GetCurrentThreadId();
}

void RunWoken() {
  size_t count;
  {
    std::lock_guard guard(Queue().lock);
    Queue().wakePending = false;  // tasks queued from now on post a new wake
    count = Queue().tasks.size();
  }
  // Only what was queued before the wake: a task that keeps queueing tasks cannot starve input.
  RunTasks(count);
}

}  // namespace

bool Initialize() {
  TQueue& queue = Queue();
  {
    std::lock_guard guard(queue.lock);
    if (queue.window != nullptr) return queue.thread == GetCurrentThreadId();
  }
  if (WakeMessage() == 0) return false;
  queue.owner.OnMessage = [](UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WakeMessage()) return false;
    RunWoken();
    result = 0;
    return true;
  };
  if (!queue.owner.Create()) return false;
  std::lock_guard guard(queue.lock);
  queue.window = queue.owner.Handle();
  queue.thread = GetCurrentThreadId();
  MarkUiThread();
  queue.accepting = true;
  queue.wakePending = false;
  return true;
}

bool Post(TTask task) {
  if (!task) return false;
  TQueue& queue = Queue();
  std::lock_guard guard(queue.lock);
  if (!queue.accepting) return false;  // `task` dies with this frame, after the lock is released
  queue.tasks.push_back(std::move(task));
  if (!queue.wakePending) {
    // On failure the task stays queued and the next Post tries the wake again.
    queue.wakePending = PostMessageW(queue.window, WakeMessage(), 0, 0) != FALSE;
  }
  return true;
}

void DrainQueue() {
  if (!OnQueueThread()) return;
  size_t count;
  {
    std::lock_guard guard(Queue().lock);
    count = Queue().tasks.size();
  }
  RunTasks(count);
}

void Destroy() {
  if (!OnQueueThread()) return;
  TQueue& queue = Queue();
  {
    std::lock_guard guard(queue.lock);
    queue.accepting = false;
  }
  // Every task still queued runs now; what they try to queue is refused (and freed) above.
  RunTasks(static_cast<size_t>(-1));
  {
    std::lock_guard guard(queue.lock);
    queue.window = nullptr;
    queue.thread = 0;
    queue.wakePending = false;
  }
  queue.owner.Destroy();
}

}  // namespace uitask
