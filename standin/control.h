#ifndef OSTREL_STANDIN_CONTROL_H_
#define OSTREL_STANDIN_CONTROL_H_

// Test-hook controls: commands that make the stand-in raise notifications a real page or user
// would cause. A command is one line "<name> key=value ..." (values escaped like trace values:
// %20 for a blank). They reach the stand-in two ways:
//   OSTREL_STANDIN_CONTROL=<path>: the file is watched from cef_initialize to cef_shutdown;
//     every complete line appended to it is run once (tests of the whole program);
//   standin_command(line), an export for in-process tests.
// standin/README.md lists the commands and what each raises.

#include <string>

namespace standin {

void StartControl();
void StopControl();
// Runs one command; false (and "control-error <reason>" in the trace) when it is not understood.
bool RunCommand(const std::string& line);
// The browser-process handler's on_context_initialized, on the UI thread (runtime.cpp).
void ContextInitialized();

}  // namespace standin

#endif  // OSTREL_STANDIN_CONTROL_H_
