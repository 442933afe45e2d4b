#include "app/engine_setup.h"

#include "engine/application/cef_application.h"

void CreateEngineApplication() {
  GlobalCEFApp = new TCefApplication();
  GlobalCEFApp->SetLogFile(L"debug.log");
  GlobalCEFApp->SetLogSeverity(LOGSEVERITY_INFO);
  // Relative: the setter puts the cache beside the program file, and a non-empty cache lets the
  // engine keep its GPU shader cache.
  GlobalCEFApp->SetCache(L"cache");
  GlobalCEFApp->SetEnablePrintPreview(true);
}

void DestroyEngineApplication() {
  TCefApplication* application = GlobalCEFApp;
  if (application == nullptr) return;
  GlobalCEFApp = nullptr;
  delete application;
}
