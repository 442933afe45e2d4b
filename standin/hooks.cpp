// Exports for in-process tests only (see standin_hooks.h).

#include "standin/standin_hooks.h"

#include "standin/capi.h"
#include "standin/children.h"
#include "standin/refcount.h"
#include "standin/trace.h"

extern "C" {

size_t standin_live_object_count(void) { return standin::LiveObjectCount(); }

void standin_reset_trace(void) { standin::ResetTrace(true); }

int standin_running_children(void) { return standin::RunningChildCount(); }

}  // extern "C"
