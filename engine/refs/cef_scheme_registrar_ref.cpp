#include "engine/refs/cef_scheme_registrar_ref.h"

#include "engine/core/cef_ref_call.h"

bool TCefSchemeRegistrarRef::AddCustomScheme(const ustring& schemeName, int options) {
  const cef_string_t borrowed_name = BorrowEngineString(schemeName);
  return CallEngine(Data<cef_scheme_registrar_t>(), &cef_scheme_registrar_t::add_custom_scheme,
                    &borrowed_name, options) != 0;
}
