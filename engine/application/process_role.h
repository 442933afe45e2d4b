#ifndef OSTREL_ENGINE_APPLICATION_PROCESS_ROLE_H_
#define OSTREL_ENGINE_APPLICATION_PROCESS_ROLE_H_

// Recognition of the process role from the command line. Pure (no <windows.h>): the engine
// starts its sub-processes by running this program again with "--type=<kind>".

#include <string>
#include <vector>

#include "engine/core/cef_app_types.h"

// `arguments` are the command-line arguments after the program path. The last "--type=" argument
// decides (prefix and value compared without regard to letter case); none means the browser.
TCefProcessType ProcessTypeFromArguments(const std::vector<std::wstring>& arguments);

#endif  // OSTREL_ENGINE_APPLICATION_PROCESS_ROLE_H_
