// TCefApplication: the engine command line composed from the settings in the browser process.

#include "engine/cef_application.h"
#include "engine/cef_command_line_ref.h"

void TCefApplication::Internal_OnBeforeCommandLineProcessing(const ustring& process_type,
                                                             Ref<ICefCommandLine> command_line) {
  // Sub-processes receive the switches the engine passes on to them; only the browser process
  // composes its own.
  if (!command_line || FProcessType != ptBrowser || !process_type.empty()) return;
}
