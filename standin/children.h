#ifndef OSTREL_STANDIN_CHILDREN_H_
#define OSTREL_STANDIN_CHILDREN_H_

// The engine's sub-processes. The browser process starts the program file again (the settings'
// browser_subprocess_path, else its own executable) with "--type=<t>", the switches of its own
// engine command line, "--standin-parent=<pid>" and "--standin-end=<event name>". A child runs
// until its end event is signalled or the parent process is gone.
//
// OSTREL_STANDIN_CHILDREN (test hook): "off" starts none ("child-skipped type=<t>"), any other
// value names the program to start instead (tests start OstrelMini.exe from a test program).

#include <string>

#include "standin/capi.h"
#include "standin/command_line.h"

namespace standin {

// Remembers the sub-process program of cef_initialize's settings (empty: this executable).
void SetChildProgram(const std::wstring& browser_subprocess_path);
// Starts a child of `type` on the calling thread; extra is appended to its command line. The
// browser-process handler (may be null) sees its command line first. Returns the child's
// number (0 when none was started).
int StartChild(const std::wstring& type, const std::wstring& extra,
               cef_browser_process_handler_t* handler);
// Signals one child to end; "child-ended" is traced once it has exited.
void EndChild(int number);
// While held, EndChild leaves the child running (as a renderer slow to go) until the release;
// EndAllChildren ends every child regardless.
void HoldChildEnds(bool hold);
// Signals every child and waits up to wait_ms for all; what still runs then is terminated.
void EndAllChildren(unsigned wait_ms);
int RunningChildCount();

// In a sub-process: returns once the end event is signalled or the parent has gone.
void WaitForEndOfChild(CommandLineData& line);

}  // namespace standin

#endif  // OSTREL_STANDIN_CHILDREN_H_
