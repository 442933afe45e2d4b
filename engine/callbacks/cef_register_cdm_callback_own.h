#ifndef OSTREL_ENGINE_CALLBACKS_CEF_REGISTER_CDM_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CALLBACKS_CEF_REGISTER_CDM_CALLBACK_OWN_H_

// Told by the engine how registering a content decryption module ended. Handed to the engine
// with EngineDataFromInterface (+1).

#include <functional>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"
#include "engine/interfaces/cef_register_cdm_callback.h"

class TCefRegisterCDMCallbackOwn : public TCefBaseRefCountedOwn, public ICefRegisterCDMCallback {
 protected:
  TCefRegisterCDMCallbackOwn();
  ~TCefRegisterCDMCallbackOwn() override = default;
};

class TCefFastRegisterCDMCallback final : public TCefRegisterCDMCallbackOwn {
 public:
  using TProc =
      std::function<void(cef_cdm_registration_error_t result, const ustring& errorMessage)>;
  explicit TCefFastRegisterCDMCallback(TProc method) : FMethod(std::move(method)) {}

  void OnCdmRegistrationComplete(cef_cdm_registration_error_t result,
                                 const ustring& errorMessage) override;

 private:
  ~TCefFastRegisterCDMCallback() override = default;

  TProc FMethod;
};

#endif  // OSTREL_ENGINE_CALLBACKS_CEF_REGISTER_CDM_CALLBACK_OWN_H_
