#ifndef OSTREL_STANDIN_CAPI_H_
#define OSTREL_STANDIN_CAPI_H_

// Every stand-in source includes the engine declarations through this header, first. The
// prototypes of the 179 exports are declared so that each definition is checked against its
// prototype; CEF_EXPORT stays empty because the exports leave the DLL through libcef.def only,
// which lets a test variant omit one.
#define CEF_CAPI_DECLARE_EXPORTS
#define CEF_EXPORT
#include "engine/capi/cef_capi.h"

#endif  // OSTREL_STANDIN_CAPI_H_
