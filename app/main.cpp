// Program entry of every process: the browser process the user starts, and the engine's
// sub-processes (the same program started again with "--type=<kind>").

#include <windows.h>

#include "app/engine_setup.h"
#include "app/resources/resource.h"
#include "engine/application/cef_application.h"
#include "engine/core/engine_log.h"
#include "engine/core/exception_policy.h"
#include "engine/core/milestones.h"
#include "forms/mini_browser_form.h"
#include "forms/running_copy.h"
#include "ui/application.h"
#include "ui/ui_error.h"
#include "ui/ui_task.h"
#include "upgrade/controller/ul_upliner.h"
#include "upgrade/support/ul_upgrade_protocol.h"
#include "upgrade/support/ul_utils.h"

namespace {

// The dialogs are hidden until a command asks for one: they are made once the main window has been
// painted, so that the user sees it a good deal sooner.
void CreateDialogForms(TApplication& application) {
  const TForm* main = application.MainForm();
  if (main == nullptr || application.Terminated()) return;
  UpdateWindow(main->Handle());
  PreferencesFrm = application.CreateForm<TPreferencesFrm>();
  SimpleTextViewerFrm = application.CreateForm<TSimpleTextViewerFrm>();
  MarkMilestone("dialogs created");
}

void RunWindows(int showCommand) {
  TApplication& application = Application();
  if (!application.Initialize()) return;
  application.SetMainFormOnTaskbar(true);
  application.SetIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON)));
  ChooseUplinerLanguage();
  MiniBrowserFrm = application.CreateForm<TMiniBrowserFrm>();
  MarkMilestone("main window created");
  // Both run in the loop's first pass, once the main window has been shown and before any input.
  uitask::Post([] { MarkMilestone("window shown"); });
  uitask::Post([&application] { CreateDialogForms(application); });
  application.Run(showCommand);
  MarkMilestone("message loop ended");
  application.Finalize();
  MiniBrowserFrm = nullptr;
  PreferencesFrm = nullptr;
  SimpleTextViewerFrm = nullptr;
}

// The copy the updater starts (again) may find the one it replaces still ending.
DWORD LockWait() {
  const std::wstring argument = FirstProgramArgument();
  const std::string_view rolledBack = kRolledBackArgument;
  return argument == L"/afterupgrade" ||
                 argument.starts_with(std::wstring(rolledBack.begin(), rolledBack.end()))
             ? 10000
             : 0;
}

// The browser process goes on where it finds itself in its folder (else it has said so) and no
// other copy from that folder runs (which then comes to the front instead).
bool StartsHere() {
  if (!CheckApplicationFolder()) return false;
  if (TakeProgramFolderLock(LockWait())) return true;
  ActivateRunningCopy();
  return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
  MarkMilestone("entry");
  // Every layer's log lines go to the engine's log; exceptions stopped in window procedures,
  // timers and UI tasks go there as the engine callbacks' ones do.
  SetLogSink(&WriteEngineLogLine);
  SetUiExceptionHandler(&ReportStoppedException);
  CreateEngineApplication();
  if ((GlobalCEFApp->ProcessType() != ptBrowser || StartsHere()) &&
      GlobalCEFApp->StartMainProcess()) {
    // True only in the browser process with the engine initialised. A sub-process has run to
    // its end inside this call; a failed start has already shown its message.
    MarkMilestone("engine initialised");
    RunWindows(show_command);
  }
  DestroyEngineApplication();
  MarkMilestone("engine shut down");
  // The engine's result for a sub-process is not the exit code: every run ends the same way.
  return 0;
}
