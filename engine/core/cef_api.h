#ifndef OSTREL_ENGINE_CORE_CEF_API_H_
#define OSTREL_ENGINE_CORE_CEF_API_H_

// The engine's 179 exported functions as process-wide function pointers, named exactly like the
// exports. They are null until LoadEngineLibrary resolves them; program code checks
// EngineLibraryLoaded() before calling where the rules ask for it.

#include "engine/capi/cef_capi.h"

#define OSTREL_DECLARE_ENTRY_POINT(group, group_name, name) extern name##_func name;
CEF_ENTRY_POINTS(OSTREL_DECLARE_ENTRY_POINT)
#undef OSTREL_DECLARE_ENTRY_POINT

// Resolves the entry points of `library` group by group in the loader's order and stops at the
// first group that lacks a name; that group's pointers (and the later groups') stay null.
// True when every group resolved.
bool ResolveEngineEntryPoints(HMODULE library);

// Sets every entry point back to null (after the library has been handed back to the system).
void ClearEngineEntryPoints();

// The application object says when it has loaded the engine library (and its entry points
// are resolved) and when it has handed it back.
void SetEngineLibraryLoaded(bool loaded) noexcept;
bool EngineLibraryLoaded();

#endif  // OSTREL_ENGINE_CORE_CEF_API_H_
