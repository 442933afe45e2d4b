#ifndef OSTREL_ENGINE_REFS_CEF_SCHEME_REGISTRAR_REF_H_
#define OSTREL_ENGINE_REFS_CEF_SCHEME_REGISTRAR_REF_H_

// The engine's custom-scheme registrar: valid only during the application callback that
// receives it, never counted or kept.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

class TCefSchemeRegistrarRef final : public TCEFBaseScopedWrapperRef {
 public:
  explicit TCefSchemeRegistrarRef(cef_scheme_registrar_t* data) noexcept
      : TCEFBaseScopedWrapperRef(data) {}

  // `options`: cef_scheme_options_t flags. False when the engine refuses the scheme.
  bool AddCustomScheme(const ustring& schemeName, int options);
};

#endif  // OSTREL_ENGINE_REFS_CEF_SCHEME_REGISTRAR_REF_H_
