#include "browser/engine_window_hook.h"

#include <string>

#include "engine/core/call_counter.h"
#include "engine/core/exception_policy.h"

namespace {

constexpr wchar_t kHookProperty[] = L"OstrelEngineWindowHook";

// Messages being dispatched through any hook, counted before the hook is looked up: a hook is
// freed on the main thread while the engine's thread may be in the middle of a message.
TCallCounter gDispatches;

// The first child of `parent` with this class and exactly this title. The title is read
// without a message, so the lookup works from any thread.
HWND FindChild(HWND parent, const wchar_t* className, std::wstring_view title) {
  for (HWND child = FindWindowExW(parent, nullptr, className, nullptr); child != nullptr;
       child = FindWindowExW(parent, child, className, nullptr)) {
    wchar_t text[64];
    const int length = InternalGetWindowText(child, text, static_cast<int>(std::size(text)));
    if (std::wstring_view(text, length) == title) return child;
  }
  return nullptr;
}

}  // namespace

TEngineWindows FindEngineWindows(HWND browser) {
  TEngineWindows windows{.browser = browser};
  if (browser == nullptr) return windows;
  windows.widget = FindChild(browser, L"Chrome_WidgetWin_0", L"");
  if (windows.widget != nullptr) {
    windows.render =
        FindChild(windows.widget, L"Chrome_RenderWidgetHostHWND", L"Chrome Legacy Window");
  }
  return windows;
}

void TEngineWindowHook::SetHandle(HWND window) { FHandle = window; }

bool TEngineWindowHook::Install() {
  const HWND window = FHandle;
  if (!FEvent || window == nullptr || Installed()) return false;
  const auto oldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (oldProc == nullptr || !SetPropW(window, kHookProperty, this)) return false;
  FOldProc = oldProc;
  FHookedWindow = window;
  if (SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)) == 0) {
    RemovePropW(window, kHookProperty);
    FOldProc = nullptr;
    FHookedWindow = nullptr;
    return false;
  }
  return true;
}

void TEngineWindowHook::Remove() {
  const HWND window = FHookedWindow.exchange(nullptr);
  const WNDPROC oldProc = FOldProc.exchange(nullptr);
  if (window != nullptr && oldProc != nullptr && IsWindow(window)) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    RemovePropW(window, kHookProperty);
  }
  // New messages reach the old procedure now; the ones already inside this hook finish first.
  gDispatches.WaitForCalls();
}

LRESULT CALLBACK TEngineWindowHook::Procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  const TCallCounter::TScope dispatch(gDispatches);
  auto* hook = static_cast<TEngineWindowHook*>(GetPropW(window, kHookProperty));
  if (hook == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return hook->Dispatch(window, message, wparam, lparam);
}

LRESULT TEngineWindowHook::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC oldProc = FOldProc;
  TMessage record{.Msg = message, .WParam = wparam, .LParam = lparam};
  bool handled = false;
  try {
    if (FEvent) FEvent(record, handled);
  } catch (...) {
    // Nothing may unwind into the system's dispatch, whatever the re-raise setting; the message
    // still goes to the engine, which would otherwise lose it.
    ReportStoppedException(FRoutine);
    handled = false;
  }
  if (!handled) {
    record.Result = oldProc != nullptr ? CallWindowProcW(oldProc, window, message, wparam, lparam)
                                       : DefWindowProcW(window, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    // The window is gone: nothing to put back later.
    RemovePropW(window, kHookProperty);
    FHookedWindow = nullptr;
    FOldProc = nullptr;
    FHandle = nullptr;
  }
  return record.Result;
}
