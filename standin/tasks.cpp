// Group "tasks": posting program tasks to the engine's named threads and task runners bound to
// them. Every task pointer carries one reference that the stand-in consumes: after execute, or
// unrun when the engine shuts down, or at once when posting fails (the thread does not exist:
// before cef_initialize, after cef_shutdown, TID_RENDERER in the browser process).

#include "standin/capi.h"
#include "standin/refcount.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace {

using standin::EngineObject;

class TaskRunner : public EngineObject<TaskRunner, cef_task_runner_t> {
 public:
  explicit TaskRunner(cef_thread_id_t thread) : EngineObject("task_runner"), thread_(thread) {
    cef_task_runner_t* s = data();
    s->is_same = &IsSame;
    s->belongs_to_current_thread = &BelongsToCurrentThread;
    s->belongs_to_thread = &BelongsToThread;
    s->post_task = &PostTask;
    s->post_delayed_task = &PostDelayedTask;
  }

 private:
  static int CEF_CALLBACK IsSame(cef_task_runner_t* self, cef_task_runner_t* that) {
    TaskRunner* a = From(self);
    TaskRunner* b = From(that);
    const int same = a && b && a->thread_ == b->thread_ ? 1 : 0;
    standin::ReleaseProgramObject(that);  // an argument carries a reference the engine consumes
    return same;
  }
  static int CEF_CALLBACK BelongsToCurrentThread(cef_task_runner_t* self) {
    TaskRunner* runner = From(self);
    return runner && standin::CurrentlyOn(runner->thread_) ? 1 : 0;
  }
  static int CEF_CALLBACK BelongsToThread(cef_task_runner_t* self, cef_thread_id_t thread) {
    TaskRunner* runner = From(self);
    return runner && runner->thread_ == thread ? 1 : 0;
  }
  static int CEF_CALLBACK PostTask(cef_task_runner_t* self, cef_task_t* task) {
    return PostDelayedTask(self, task, 0);
  }
  static int CEF_CALLBACK PostDelayedTask(cef_task_runner_t* self, cef_task_t* task,
                                          int64 delay_ms) {
    TaskRunner* runner = From(self);
    if (!runner) {
      standin::ReleaseProgramObject(task);
      return 0;
    }
    return standin::PostProgramTask(runner->thread_, task, delay_ms) ? 1 : 0;
  }

  const cef_thread_id_t thread_;
};

bool IsBrowserThread(cef_thread_id_t thread) { return thread >= TID_UI && thread <= TID_IO; }

}  // namespace

extern "C" {

cef_task_runner_t* cef_task_runner_get_for_current_thread(void) {
  const int current = standin::CurrentEngineThread();
  if (current < 0) return nullptr;
  return (new TaskRunner(static_cast<cef_thread_id_t>(current)))->data();
}

cef_task_runner_t* cef_task_runner_get_for_thread(cef_thread_id_t threadId) {
  if (!IsBrowserThread(threadId) || !standin::EngineThreadsRunning()) return nullptr;
  return (new TaskRunner(threadId))->data();
}

int cef_currently_on(cef_thread_id_t threadId) { return standin::CurrentlyOn(threadId) ? 1 : 0; }

int cef_post_task(cef_thread_id_t threadId, cef_task_t* task) {
  return standin::PostProgramTask(threadId, task, 0) ? 1 : 0;
}

int cef_post_delayed_task(cef_thread_id_t threadId, cef_task_t* task, int64 delay_ms) {
  return standin::PostProgramTask(threadId, task, delay_ms) ? 1 : 0;
}

}  // extern "C"
