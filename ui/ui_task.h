#ifndef OSTREL_UI_UI_TASK_H_
#define OSTREL_UI_UI_TASK_H_

// Work handed to the UI thread from any thread: one hidden message-only window on the UI thread,
// a locked queue of callables and a single wake message. The message carries no task, so a
// failed post loses nothing: the task waits in the queue for the next wake or for Destroy, and
// the thread's limit of posted messages is never approached. Free of <windows.h>.

#include <functional>
#include <memory>

namespace uitask {

using TTask = std::function<void()>;

// On the UI thread, once, before the first Post (TApplication::Initialize calls it): marks it
// as the UI thread (base/ui_thread.h). False when the hidden window could not be created. May be
// called again after Destroy.
bool Initialize();

// Any thread. Queues `task` to run on the UI thread after every task queued before it. False
// when the queue does not run (before Initialize, after Destroy): `task` is then destroyed here,
// on the calling thread, never leaked.
bool Post(TTask task);

// UI thread: runs every task queued so far (tasks they queue run at the next wake).
void DrainQueue();

// UI thread, at shutdown: refuses further tasks, runs every queued one, destroys the window.
void Destroy();

}  // namespace uitask

// Deletes `object` from a UI task: for an object whose window procedure may still be on the
// stack (its window has been destroyed already). When the queue does not run, `object` is
// deleted at once.
template <typename T>
void DeleteLater(T* object) {
  if (object == nullptr) return;
  uitask::Post([holder = std::shared_ptr<T>(object)]() mutable { holder.reset(); });
}

#endif  // OSTREL_UI_UI_TASK_H_
