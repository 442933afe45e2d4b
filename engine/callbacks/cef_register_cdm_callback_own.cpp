#include "engine/callbacks/cef_register_cdm_callback_own.h"

namespace {

static_assert(sizeof(cef_register_cdm_callback_t) == 48, "register-CDM callback structure");

void CEF_CALLBACK OnCdmRegistrationCompleteCallback(cef_register_cdm_callback_t* self,
                                                    cef_cdm_registration_error_t result,
                                                    const cef_string_t* error_message) {
  WithOwner<TCefRegisterCDMCallbackOwn>(self, [&](TCefRegisterCDMCallbackOwn& callback) {
    callback.OnCdmRegistrationComplete(result, CopyEngineString(error_message));
  });
}

}  // namespace

TCefRegisterCDMCallbackOwn::TCefRegisterCDMCallbackOwn() {
  CreateData(sizeof(cef_register_cdm_callback_t), false);
  Data<cef_register_cdm_callback_t>()->on_cdm_registration_complete =
      OnCdmRegistrationCompleteCallback;
}

// One registration ends once.
void TCefFastRegisterCDMCallback::OnCdmRegistrationComplete(cef_cdm_registration_error_t result,
                                                            const ustring& errorMessage) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(result, errorMessage);
}
