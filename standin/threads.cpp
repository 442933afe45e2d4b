#include "standin/threads.h"

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "standin/refcount.h"
#include "standin/trace.h"

namespace standin {
namespace {

// TID_RENDERER exists only in renderer processes, so the browser process runs TID_UI to TID_IO.
constexpr int kThreadCount = TID_IO + 1;

int64 NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

class EngineThread {
 public:
  explicit EngineThread(int id) : id_(id), wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(started_, INFINITE);
  }
  ~EngineThread() {
    {
      std::lock_guard<std::mutex> guard(lock_);
      stopping_ = true;
    }
    SetEvent(wake_);
    thread_.join();
    // Dropped here, on the stopping thread, releasing any program task still queued.
    queue_.clear();
    CloseHandle(wake_);
    CloseHandle(started_);
  }
  EngineThread(const EngineThread&) = delete;
  EngineThread& operator=(const EngineThread&) = delete;

  bool Post(Closure closure, int64 delay_ms) {
    {
      std::lock_guard<std::mutex> guard(lock_);
      if (stopping_) return false;
      const int64 due = NowMs() + (delay_ms > 0 ? delay_ms : 0);
      queue_.emplace(std::make_pair(due, next_sequence_++), std::move(closure));
    }
    SetEvent(wake_);
    return true;
  }

  static int Current() { return current_; }

 private:
  void Run() {
    current_ = id_;
    // Creates the thread's message queue before anyone can post window messages to it.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(started_);
    for (;;) {
      Closure task;
      DWORD wait_ms = INFINITE;
      {
        std::lock_guard<std::mutex> guard(lock_);
        if (stopping_) break;
        if (!queue_.empty()) {
          const int64 wait = queue_.begin()->first.first - NowMs();
          if (wait <= 0) {
            task = std::move(queue_.begin()->second);
            queue_.erase(queue_.begin());
          } else {
            wait_ms = static_cast<DWORD>(wait < 0x7FFFFFFF ? wait : 0x7FFFFFFF);
          }
        }
      }
      if (task) {
        RunTask(task);
        task = nullptr;  // releases what the task held, on this thread
        PumpMessages();
        continue;
      }
      MsgWaitForMultipleObjectsEx(1, &wake_, wait_ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      PumpMessages();
    }
  }

  void RunTask(const Closure& task) {
    // No exception may leave an engine thread.
    try {
      task();
    } catch (...) {
      Trace(std::string("misuse exception-in-task thread=") + ThreadName(id_));
    }
  }

  static void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  const int id_;
  HANDLE wake_;
  HANDLE started_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::mutex lock_;
  bool stopping_ = false;
  uint64 next_sequence_ = 0;
  std::map<std::pair<int64, uint64>, Closure> queue_;  // (due time, posting order)
  std::thread thread_;
  static thread_local int current_;
};

thread_local int EngineThread::current_ = -1;

struct Threads {
  std::mutex lock;  // guards the pointers, not the threads' queues
  std::unique_ptr<EngineThread> threads[kThreadCount];
  bool running = false;
};

Threads& AllThreads() {
  static Threads* threads = new Threads;
  return *threads;
}

}  // namespace

void StartEngineThreads() {
  Threads& all = AllThreads();
  std::lock_guard<std::mutex> guard(all.lock);
  all.running = true;
}

void StopEngineThreads() {
  std::unique_ptr<EngineThread> stopping[kThreadCount];
  {
    Threads& all = AllThreads();
    std::lock_guard<std::mutex> guard(all.lock);
    for (int id = 0; id < kThreadCount; ++id) stopping[id] = std::move(all.threads[id]);
    all.running = false;
  }
  // Nothing can be posted any more; each thread finishes the task it is running and ends.
  for (auto& thread : stopping) thread.reset();
}

bool EngineThreadsRunning() {
  Threads& all = AllThreads();
  std::lock_guard<std::mutex> guard(all.lock);
  return all.running;
}

bool PostClosure(cef_thread_id_t thread, Closure closure, int64 delay_ms) {
  if (thread < 0 || thread >= kThreadCount) return false;
  Threads& all = AllThreads();
  std::lock_guard<std::mutex> guard(all.lock);
  if (!all.running) return false;
  // A thread starts with its first task: one the program never posts to costs nothing.
  auto& target = all.threads[thread];
  if (!target) target = std::make_unique<EngineThread>(thread);
  return target->Post(std::move(closure), delay_ms);
}

bool PostProgramTask(cef_thread_id_t thread, cef_task_t* task, int64 delay_ms) {
  if (!task) return false;
  // Shared so the closure stays copyable; the reference is released when the closure goes,
  // after execute, or unrun at shutdown, or right here when posting fails.
  auto held = std::make_shared<ProgramRef<cef_task_t>>(task);
  const ULONGLONG posted = GetTickCount64();
  return PostClosure(
      thread,
      [held, thread, delay_ms, posted] {
        if (delay_ms > 0) {
          Trace(std::string("delayed-task thread=") + ThreadName(thread) + " delay=" +
                std::to_string(delay_ms) + " waited=" + std::to_string(GetTickCount64() - posted));
        }
        if (cef_task_t* t = held->get(); t->execute) t->execute(t);
      },
      delay_ms);
}

bool CurrentlyOn(cef_thread_id_t thread) {
  return thread >= 0 && thread < kThreadCount && EngineThread::Current() == thread;
}

int CurrentEngineThread() { return EngineThread::Current(); }

const char* ThreadName(int thread) {
  switch (thread) {
    case TID_UI:
      return "ui";
    case TID_FILE_BACKGROUND:
      return "file-background";
    case TID_FILE_USER_VISIBLE:
      return "file-user-visible";
    case TID_FILE_USER_BLOCKING:
      return "file-user-blocking";
    case TID_PROCESS_LAUNCHER:
      return "process-launcher";
    case TID_IO:
      return "io";
    case TID_RENDERER:
      return "renderer";
    default:
      return "none";
  }
}

}  // namespace standin
