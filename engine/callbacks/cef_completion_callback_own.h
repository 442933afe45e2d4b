#ifndef OSTREL_ENGINE_CALLBACKS_CEF_COMPLETION_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_COMPLETION_CALLBACK_OWN_H_

// The callback the engine calls when an asynchronous operation without a result has finished
// (flushing the cookie store, clearing certificate exceptions or credentials, closing
// connections). It is handed to the engine with EngineDataFromInterface (+1).

#include <functional>

#include "engine/core/cef_base_ref_counted.h"
#include "engine/interfaces/cef_completion_callback.h"

class TCefCompletionCallbackOwn : public TCefBaseRefCountedOwn, public ICefCompletionCallback {
 protected:
  TCefCompletionCallbackOwn();
  ~TCefCompletionCallbackOwn() override = default;
};

class TCefFastCompletionCallback final : public TCefCompletionCallbackOwn {
 public:
  explicit TCefFastCompletionCallback(std::function<void()> method) : FMethod(std::move(method)) {}

  void OnComplete() override;

 private:
  ~TCefFastCompletionCallback() override = default;

  std::function<void()> FMethod;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_COMPLETION_CALLBACK_OWN_H_
