#include "engine/callbacks/cef_completion_callback_own.h"

#include "engine/core/engine_callback.h"

TCefCompletionCallbackOwn::TCefCompletionCallbackOwn() {
  BindCallback<&TCefCompletionCallbackOwn::OnComplete>(
      CreateData<cef_completion_callback_t>()->on_complete);
}

// One operation completes once: an engine that calls back twice reaches the closure once.
void TCefFastCompletionCallback::OnComplete() {
  if (std::function<void()> method = std::exchange(FMethod, nullptr)) method();
}
