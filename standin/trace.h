#ifndef OSTREL_STANDIN_TRACE_H_
#define OSTREL_STANDIN_TRACE_H_

// The test hook of the stand-in engine: when OSTREL_STANDIN_TRACE names a file, every event is
// appended to it as one UTF-8 line "key value...". Several processes (the browser and its
// sub-processes) may append to the same file; each line is written with one append call.
// OSTREL_STANDIN_FAULT holds a comma list of faults to simulate.

#include <string>
#include <string_view>

namespace standin {

void Trace(std::string_view line);

// A trace value never contains a blank or a line break: '%', blanks and control characters are
// written as %XX (so "C:\My Files" reads "C:\My%20Files"); other text is UTF-8.
std::string TraceValue(std::wstring_view text);

struct Faults {
  bool init_fail = false;      // init-fail: cef_initialize returns 0
  bool context_never = false;  // context-never: on_context_initialized only on "context"
  int context_late_ms = 0;     // context-late=<ms>: on_context_initialized that much later
};
Faults ReadFaults();

// Forgets the trace file and the environment read so far (used by standin_reset_trace).
void ResetTrace(bool empty_file);

}  // namespace standin

#endif  // OSTREL_STANDIN_TRACE_H_
