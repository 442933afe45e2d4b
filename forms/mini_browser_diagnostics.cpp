// Diagnostics of the main window, typed on the page, for support (and the end-to-end tests):
//   Ctrl+Shift+F9   writes all of the engine's preferences to "preferences.txt" in the program
//                   folder; a message box on the main window tells whether that worked.
//   Ctrl+Shift+F10  runs a task on the engine's UI thread half a second later; the status bar
//                   then shows the browser's zoom percentage ("ZoomPct : 100"), so a silent
//                   status bar means the engine's threads take no work.
//   Ctrl+Shift+F11  checks for a newer version now, and says so when there is none or the
//                   update server has no information.
// The results are the main window's own answers to these events.

#include <cwchar>

#include "engine/support/paths.h"
#include "engine/support/text_functions.h"
#include "forms/mini_browser_form.h"
#include "ui/dialogs.h"

namespace {

constexpr int kDiagnosticModifiers = EVENTFLAG_CONTROL_DOWN | EVENTFLAG_SHIFT_DOWN;
constexpr uint32_t kZoomTaskId = 1;
constexpr int64_t kZoomTaskDelayMs = 500;

// General number format: up to 15 significant digits, no trailing zeros.
std::wstring GeneralNumber(double value) {
  wchar_t text[64];
  std::swprintf(text, 64, L"%.15g", value);
  return text;
}

}  // namespace

bool TMiniBrowserFrm::DiagnosticKey(const cef_key_event_t& event) {
  if (event.type != KEYEVENT_RAWKEYDOWN ||
      (event.modifiers & kDiagnosticModifiers) != kDiagnosticModifiers) {
    return false;
  }
  if (event.windows_key_code == VK_F9) {
    PostToMainThread([this] {
      Chromium1->SavePreferences(IncludeTrailingPathDelimiter(ProgramFolder()) +
                                 L"preferences.txt");
    });
    return true;
  }
  if (event.windows_key_code == VK_F10) {
    PostToMainThread(
        [this] { Chromium1->ExecuteTaskOnCefThread(TID_UI, kZoomTaskId, kZoomTaskDelayMs); });
    return true;
  }
  if (event.windows_key_code == VK_F11) {
    PostToMainThread([this] { Check_Upgrade(true); });
    return true;
  }
  return false;
}

void TMiniBrowserFrm::Chromium1PrefsAvailable(bool resultOK) {
  ShowMessage(resultOK ? L"The preferences file was generated successfully"
                       : L"There was a problem generating the preferences file.");
}

void TMiniBrowserFrm::Chromium1ExecuteTaskOnCefThread(uint32_t) {
  ShowStatusText(L"ZoomPct : " + GeneralNumber(Chromium1->ZoomPct()));
}
