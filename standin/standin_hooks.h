#ifndef OSTREL_STANDIN_STANDIN_HOOKS_H_
#define OSTREL_STANDIN_STANDIN_HOOKS_H_

// Exports of the stand-in engine for in-process tests only. The real engine has none of them, so
// the program never calls them; tests resolve them with GetProcAddress.

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// Number of engine objects handed out and not yet released to zero.
size_t standin_live_object_count(void);
typedef size_t (*standin_live_object_count_func)(void);

// Re-reads OSTREL_STANDIN_TRACE and OSTREL_STANDIN_FAULT from this process's environment and
// empties the trace file, so a test can point the trace somewhere fresh.
void standin_reset_trace(void);
typedef void (*standin_reset_trace_func)(void);

// Runs one test-hook command (standin/README.md, "Test-hook controls"); 1 when understood.
int standin_command(const char* line);
typedef int (*standin_command_func)(const char* line);

// Number of the engine's sub-processes still running.
int standin_running_children(void);
typedef int (*standin_running_children_func)(void);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // OSTREL_STANDIN_STANDIN_HOOKS_H_
