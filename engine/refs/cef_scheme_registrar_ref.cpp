#include "engine/refs/cef_scheme_registrar_ref.h"

#include "engine/core/cef_ref_call.h"

bool TCefSchemeRegistrarRef::AddCustomScheme(const ustring& schemeName, int options) {
  return CallEngine(Data<cef_scheme_registrar_t>(), &cef_scheme_registrar_t::add_custom_scheme,
                    schemeName, options) != 0;
}
