#ifndef OSTREL_ENGINE_CORE_CEF_APP_TYPES_H_
#define OSTREL_ENGINE_CORE_CEF_APP_TYPES_H_

// Enumerations of the engine application object. Free of <windows.h> so that pure code (the
// process-role recognition, its tests) can use them.

#include <cstdint>

// The role of this run of the program, decided once from its command line.
enum TCefProcessType : int32_t {
  ptBrowser = 0,
  ptRenderer = 1,
  ptZygote = 2,
  ptGPU = 3,
  ptUtility = 4,
  ptOther = 5,
};

// Where the engine application object stands; only moves forward (see TCefApplication).
enum TCefAplicationStatus : int32_t {
  asLoading = 0,
  asLoaded = 1,
  asInitialized = 2,
  asShuttingDown = 3,
  asUnloaded = 4,
  asErrorMissingFiles = 5,
  asErrorDLLVersion = 6,
  asErrorLoadingLibrary = 7,
  asErrorInitializingLibrary = 8,
  asErrorExecutingProcess = 9,
};

enum TCefAutoplayPolicy : int32_t {
  appDefault = 0,
  appDocumentUserActivationRequired = 1,
  appNoUserGestureRequired = 2,
  appUserGestureRequired = 3,
};

enum TCefPluginPolicySwitch : int32_t {
  PLUGIN_POLICY_SWITCH_ALLOW = 0,
  PLUGIN_POLICY_SWITCH_DETECT = 1,
  PLUGIN_POLICY_SWITCH_BLOCK = 2,
};

#endif  // OSTREL_ENGINE_CORE_CEF_APP_TYPES_H_
