#include "engine/callbacks/cef_task_own.h"

#include "engine/core/cef_api.h"
#include "engine/core/engine_callback.h"

TCefTaskOwn::TCefTaskOwn() {
  BindCallback<&TCefTaskOwn::Execute>(CreateData<cef_task_t>()->execute);
}

CefRefPtr<ICefTask> TCefFastTask::New(std::function<void()> method) {
  return MakeRefCounted<TCefFastTask>(std::move(method));
}

bool TCefFastTask::Post(cef_thread_id_t threadId, std::function<void()> method, int64_t delayMs) {
  if (!method || !EngineLibraryLoaded()) return false;
  // The engine consumes this reference whatever it answers; the temporary task goes with it.
  auto* task = static_cast<cef_task_t*>(EngineDataFromInterface(New(std::move(method))));
  const int posted =
      delayMs != 0 ? cef_post_delayed_task(threadId, task, delayMs) : cef_post_task(threadId, task);
  return posted != 0;
}

void TCefFastTask::Execute() {
  if (FMethod) FMethod();
}
