#ifndef OSTREL_ENGINE_CALLBACKS_CEF_TASK_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_TASK_OWN_H_

// A unit of work the engine runs on one of its named threads. The engine consumes the reference
// that comes with a posted task: it releases the task after running it, when it drops it unrun
// at shutdown, and at once when posting fails.

#include <cstdint>
#include <functional>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_task.h"

// Owned wrapper of the engine's task structure; Execute does nothing by default.
class TCefTaskOwn : public TCefBaseRefCountedOwn, public ICefTask {
 protected:
  TCefTaskOwn();
  ~TCefTaskOwn() override = default;
};

// A task that runs one closure.
class TCefFastTask final : public TCefTaskOwn {
 public:
  explicit TCefFastTask(std::function<void()> method) : FMethod(std::move(method)) {}

  static CefRefPtr<ICefTask> New(std::function<void()> method);

  // Posts a new task running `method` to the engine thread `threadId` (after `delayMs` when it
  // is not 0). False, with nothing posted and nothing kept, when the engine library is not
  // loaded, `method` is empty or the engine refuses the task.
  static bool Post(cef_thread_id_t threadId, std::function<void()> method, int64_t delayMs = 0);

  void Execute() override;

 private:
  ~TCefFastTask() override = default;

  std::function<void()> FMethod;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_TASK_OWN_H_
