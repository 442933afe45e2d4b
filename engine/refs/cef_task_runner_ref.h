#ifndef OSTREL_ENGINE_REFS_CEF_TASK_RUNNER_REF_H_
#define OSTREL_ENGINE_REFS_CEF_TASK_RUNNER_REF_H_

// Posts tasks to one of the engine's named threads. A posted task goes to the engine with one
// added reference, which the engine consumes even when it refuses the task.

#include <cstdint>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"

class ICefTask;

class ICefTaskRunner : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsSame(Ref<ICefTaskRunner> that) = 0;
  virtual bool BelongsToCurrentThread() = 0;
  virtual bool BelongsToThread(cef_thread_id_t threadId) = 0;
  virtual bool PostTask(Ref<ICefTask> task) = 0;
  virtual bool PostDelayedTask(Ref<ICefTask> task, int64_t delayMs) = 0;
};

class TCefTaskRunnerRef final
    : public TCefRefBase<TCefTaskRunnerRef, ICefTaskRunner, cef_task_runner_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // The runner of an engine thread; of the calling thread (null when that is no engine thread).
  // Null before the library is loaded.
  static CefRefPtr<ICefTaskRunner> GetForThread(cef_thread_id_t threadId);
  static CefRefPtr<ICefTaskRunner> GetForCurrentThread();

  bool IsSame(Ref<ICefTaskRunner> that) override;
  bool BelongsToCurrentThread() override;
  bool BelongsToThread(cef_thread_id_t threadId) override;
  bool PostTask(Ref<ICefTask> task) override;
  bool PostDelayedTask(Ref<ICefTask> task, int64_t delayMs) override;

 private:
  ~TCefTaskRunnerRef() override = default;
};

inline CefRefPtr<ICefTaskRunner> UnWrapEngine(cef_task_runner_t* data) {
  return TCefTaskRunnerRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_TASK_RUNNER_REF_H_
