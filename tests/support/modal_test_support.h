#ifndef OSTREL_TESTS_SUPPORT_MODAL_TEST_SUPPORT_H_
#define OSTREL_TESTS_SUPPORT_MODAL_TEST_SUPPORT_H_

// Driving modal windows and message boxes from a test: they run loops of their own, which a
// timer of this thread reaches too. Windows are found by their owner and class, never by which
// one the display made active.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "ui/timer.h"

namespace ui_test {

// Runs `act` once, from whichever loop runs when `ready` first holds (asked every 20 ms).
class WhenReady {
 public:
  WhenReady(std::function<bool()> ready, std::function<void()> act)
      : FReady(std::move(ready)), FAct(std::move(act)) {
    FTimer.OnTimer = [this] {
      if (FDone || !FReady()) return;
      FDone = true;
      FTimer.SetEnabled(false);
      FAct();
    };
    FTimer.SetEnabled(true);
  }
  bool Done() const { return FDone; }

 private:
  std::function<bool()> FReady;
  std::function<void()> FAct;
  TTimer FTimer{20};
  bool FDone = false;
};

// The visible message box (a system dialog) that `owner` owns, or nullptr.
inline HWND MessageBoxOf(HWND owner) {
  struct TFind {
    HWND owner;
    HWND found;
  } find{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* f = reinterpret_cast<TFind*>(param);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) ||
            GetWindow(window, GW_OWNER) != f->owner) {
          return TRUE;
        }
        f->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), text.size())));
  return text;
}

// A message box's message: the longest text among its static controls.
inline std::wstring MessageBoxText(HWND box) {
  std::wstring longest;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    const std::wstring text = WindowText(child);
    if (_wcsicmp(name, L"Static") == 0 && text.size() > longest.size()) longest = text;
  }
  return longest;
}

inline void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

// Calls `ask`, which shows the modal window Form::Instance(), and runs `act` on that window once
// it is visible; returns what `ask` returned.
template <typename Form>
bool AnswerWhenShown(const std::function<bool()>& ask, const std::function<void(Form& form)>& act) {
  auto shown = [] {
    Form* form = Form::Instance();
    return form != nullptr && IsWindowVisible(form->Handle()) ? form : nullptr;
  };
  WhenReady answer([&] { return shown() != nullptr; }, [&] { act(*shown()); });
  return ask();
}

// How many visible windows of this thread have the caption `caption`.
inline int VisibleWindowsCaptioned(const std::wstring& caption) {
  struct TCount {
    const std::wstring& caption;
    int count;
  } count{caption, 0};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* c = reinterpret_cast<TCount*>(param);
        if (IsWindowVisible(window) && WindowText(window) == c->caption) ++c->count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.count;
}

}  // namespace ui_test

#endif  // OSTREL_TESTS_SUPPORT_MODAL_TEST_SUPPORT_H_
