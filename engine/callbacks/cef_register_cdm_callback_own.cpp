#include "engine/callbacks/cef_register_cdm_callback_own.h"

#include "engine/core/engine_callback.h"

TCefRegisterCDMCallbackOwn::TCefRegisterCDMCallbackOwn() {
  BindCallback<&TCefRegisterCDMCallbackOwn::OnCdmRegistrationComplete>(
      CreateData<cef_register_cdm_callback_t>()->on_cdm_registration_complete);
}

// One registration ends once.
void TCefFastRegisterCDMCallback::OnCdmRegistrationComplete(cef_cdm_registration_error_t result,
                                                            const ustring& errorMessage) {
  if (TProc method = std::exchange(FMethod, nullptr)) method(result, errorMessage);
}
