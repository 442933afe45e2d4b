#ifndef OSTREL_BROWSER_ENGINE_WINDOW_HOOK_H_
#define OSTREL_BROWSER_ENGINE_WINDOW_HOOK_H_

// The engine's windows inside the host control, and the replacement of their window procedures
// so that the program sees each message before the engine does.
//
// The engine's windows belong to the engine's UI thread: the hook is installed there (when the
// render view is ready) and the messages arrive there, while removal runs on the main thread.
// Window procedures can be replaced across threads of one process, subclass chains cannot, so
// the replacement is a plain procedure that finds its hook through a window property.

#include <windows.h>

#include <atomic>
#include <functional>
#include <string_view>

#include "browser/chromium_event_types.h"

// The engine's window tree under the browser window `browser`: the "Chrome_WidgetWin_0" child
// with an empty title, and inside that the "Chrome_RenderWidgetHostHWND" child titled "Chrome
// Legacy Window". Missing windows are nullptr.
struct TEngineWindows {
  HWND browser = nullptr;
  HWND widget = nullptr;
  HWND render = nullptr;
};
TEngineWindows FindEngineWindows(HWND browser);

// One engine window and, once installed, its replaced procedure.
class TEngineWindowHook {
 public:
  using TEvent = TChromiumEventTypes::TOnCompMsgEvent;

  // `event` is the control's event slot, read at every message; `routine` names the
  // replacement procedure in exception reports.
  TEngineWindowHook(const TEvent& event, std::wstring_view routine)
      : FEvent(event), FRoutine(routine) {}
  ~TEngineWindowHook() { Remove(); }
  TEngineWindowHook(const TEngineWindowHook&) = delete;
  TEngineWindowHook& operator=(const TEngineWindowHook&) = delete;

  HWND Handle() const { return FHandle.load(); }
  // The window found at the latest lookup. A window whose procedure is replaced stays hooked.
  void SetHandle(HWND window);

  // Replaces the window's procedure, at most once: only with the event assigned, a window
  // known and nothing replaced yet. True when it did.
  bool Install();
  bool Installed() const { return FOldProc.load() != nullptr; }
  // Puts the old procedure back (when the window still exists) and forgets it.
  void Remove();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  const TEvent& FEvent;
  std::wstring_view FRoutine;
  std::atomic<HWND> FHandle{nullptr};
  std::atomic<HWND> FHookedWindow{nullptr};
  std::atomic<WNDPROC> FOldProc{nullptr};
};

#endif  // OSTREL_BROWSER_ENGINE_WINDOW_HOOK_H_
