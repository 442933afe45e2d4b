#ifndef OSTREL_ENGINE_INTERFACES_CEF_REGISTER_CDM_CALLBACK_H_
#define OSTREL_ENGINE_INTERFACES_CEF_REGISTER_CDM_CALLBACK_H_

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class ICefRegisterCDMCallback : public virtual ICefBaseRefCounted {
 public:
  // `errorMessage` is empty on success (CEF_CDM_REGISTRATION_ERROR_NONE).
  virtual void OnCdmRegistrationComplete(cef_cdm_registration_error_t /*result*/,
                                         const ustring& /*errorMessage*/) {}
};

#endif  // OSTREL_ENGINE_INTERFACES_CEF_REGISTER_CDM_CALLBACK_H_
