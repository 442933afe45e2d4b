#ifndef OSTREL_ENGINE_CAPI_CEF_CAPI_H_
#define OSTREL_ENGINE_CAPI_CEF_CAPI_H_

// The engine's published C interface, runtime 77.1.18 (Windows x64): platform types and
// strings, enumerations, structures and the exported functions. C-compatible; includes
// everything it needs.

#include "engine/capi/cef_base_types.h"
#include "engine/capi/cef_entry_points.h"
#include "engine/capi/cef_enums.h"
#include "engine/capi/cef_structs.h"

#endif  // OSTREL_ENGINE_CAPI_CEF_CAPI_H_
