#ifndef OSTREL_ENGINE_CEF_REGISTER_CDM_CALLBACK_OWN_H_
#define OSTREL_ENGINE_CEF_REGISTER_CDM_CALLBACK_OWN_H_

// Told by the engine how registering a content decryption module ended. Handed to the engine
// with EngineDataFromInterface (+1).

#include <functional>

#include "engine/capi/cef_capi.h"
#include "engine/cef_base_ref_counted.h"
#include "engine/cef_string.h"

class ICefRegisterCDMCallback : public virtual ICefBaseRefCounted {
 public:
  // `errorMessage` is empty on success (CEF_CDM_REGISTRATION_ERROR_NONE).
  virtual void OnCdmRegistrationComplete(cef_cdm_registration_error_t result,
                                         const ustring& errorMessage) = 0;
};

class TCefRegisterCDMCallbackOwn : public TCefBaseRefCountedOwn, public ICefRegisterCDMCallback {
 public:
  void OnCdmRegistrationComplete(cef_cdm_registration_error_t /*result*/,
                                 const ustring& /*errorMessage*/) override {}

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

#endif  // OSTREL_ENGINE_CEF_REGISTER_CDM_CALLBACK_OWN_H_
