#ifndef OSTREL_STANDIN_THREADS_H_
#define OSTREL_STANDIN_THREADS_H_

// The engine's named threads in the browser process. Each runs a FIFO task queue (delayed tasks
// run once due, in due-time order, ties in posting order) and pumps window messages between
// tasks, so windows created on it work. They run from the first task posted to them (after
// cef_initialize) until cef_shutdown.

#include <functional>
#include <memory>

#include "standin/capi.h"
#include "standin/refcount.h"

namespace standin {

using Closure = std::function<void()>;

void StartEngineThreads();
// Stops and joins every thread; tasks not yet run are dropped (program tasks released) here.
void StopEngineThreads();
bool EngineThreadsRunning();

bool PostClosure(cef_thread_id_t thread, Closure closure, int64 delay_ms = 0);
// Takes over the reference that comes with task, also when posting fails.
bool PostProgramTask(cef_thread_id_t thread, cef_task_t* task, int64 delay_ms);

// Calls `call(callback)` on the UI thread later, then releases the callback there, as the engine
// calls back the program; takes over the callback's reference (nothing happens without one).
template <class Struct, class Call>
void CallBackLater(Struct* callback, Call call) {
  if (!callback) return;
  auto held = std::make_shared<ProgramRef<Struct>>(callback);
  PostClosure(TID_UI, [held, call] {
    if (Struct* c = held->get()) call(c);
  });
}

inline void CompleteLater(cef_completion_callback_t* callback) {
  CallBackLater(callback, [](cef_completion_callback_t* c) {
    if (c->on_complete) c->on_complete(c);
  });
}

bool CurrentlyOn(cef_thread_id_t thread);
// The engine thread the caller runs on, or -1.
int CurrentEngineThread();
// Trace name of a thread ("ui", "io", ...).
const char* ThreadName(int thread);

}  // namespace standin

#endif  // OSTREL_STANDIN_THREADS_H_
