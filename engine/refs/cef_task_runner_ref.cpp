#include "engine/refs/cef_task_runner_ref.h"

#include "engine/core/cef_api.h"
#include "engine/core/cef_ref_call.h"
#include "engine/interfaces/cef_task.h"

CefRefPtr<ICefTaskRunner> TCefTaskRunnerRef::GetForThread(cef_thread_id_t threadId) {
  return CallEntryPoint(cef_task_runner_get_for_thread, threadId);
}

CefRefPtr<ICefTaskRunner> TCefTaskRunnerRef::GetForCurrentThread() {
  return CallEntryPoint(cef_task_runner_get_for_current_thread);
}

bool TCefTaskRunnerRef::IsSame(Ref<ICefTaskRunner> that) {
  return CallEngine(Engine(), &cef_task_runner_t::is_same, that) != 0;
}

bool TCefTaskRunnerRef::BelongsToCurrentThread() {
  return CallEngine(Engine(), &cef_task_runner_t::belongs_to_current_thread) != 0;
}

bool TCefTaskRunnerRef::BelongsToThread(cef_thread_id_t threadId) {
  return CallEngine(Engine(), &cef_task_runner_t::belongs_to_thread, threadId) != 0;
}

bool TCefTaskRunnerRef::PostTask(Ref<ICefTask> task) {
  return CallEngine(Engine(), &cef_task_runner_t::post_task, task) != 0;
}

bool TCefTaskRunnerRef::PostDelayedTask(Ref<ICefTask> task, int64_t delayMs) {
  return CallEngine(Engine(), &cef_task_runner_t::post_delayed_task, task, int64{delayMs}) != 0;
}
