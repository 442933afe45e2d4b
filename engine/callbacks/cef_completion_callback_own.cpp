#include "engine/callbacks/cef_completion_callback_own.h"

namespace {

static_assert(sizeof(cef_completion_callback_t) == 48, "completion callback structure");

void CEF_CALLBACK OnCompleteCallback(cef_completion_callback_t* self) {
  WithOwner<TCefCompletionCallbackOwn>(
      self, [](TCefCompletionCallbackOwn& callback) { callback.OnComplete(); });
}

}  // namespace

TCefCompletionCallbackOwn::TCefCompletionCallbackOwn() {
  CreateData(sizeof(cef_completion_callback_t), false);
  Data<cef_completion_callback_t>()->on_complete = OnCompleteCallback;
}

// One operation completes once: an engine that calls back twice reaches the closure once.
void TCefFastCompletionCallback::OnComplete() {
  if (std::function<void()> method = std::exchange(FMethod, nullptr)) method();
}
