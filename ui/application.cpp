#include "ui/application.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "ui/form.h"
#include "ui/ui_error.h"
#include "ui/ui_task.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

bool TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  return uitask::Initialize();
}

void TApplication::AdoptForm(TForm* form) {
  FForms.push_back(form);
  if (FMainForm == nullptr) FMainForm = form;
  GuardUi(L"TApplication.CreateForm", [form] { RaiseEvent(form->OnCreate); });
}

bool TApplication::OwnsForm(const TForm* form) const {
  return std::find(FForms.begin(), FForms.end(), form) != FForms.end();
}

void TApplication::ForgetForm(TForm* form) {
  std::erase(FForms, form);
  if (FMainForm == form) FMainForm = nullptr;
}

void TApplication::Run(int showCommand) {
  if (FMainForm == nullptr) return;
  if (showCommand == SW_SHOWMAXIMIZED || showCommand == SW_MAXIMIZE) {
    FMainForm->SetWindowState(wsMaximized);
  } else if (showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE ||
             showCommand == SW_SHOWMINNOACTIVE) {
    FMainForm->SetWindowState(wsMinimized);
  }
  FTerminated = false;
  FMainForm->Show();
  // A nested loop (a modal form, ProcessMessages) may be the one that takes WM_QUIT.
  while (!FTerminated && HandleMessage()) {
  }
}

bool TApplication::HandleMessage() {
  MSG message;
  const BOOL result = GetMessageW(&message, nullptr, 0, 0);
  if (result == 0 || result == -1) {
    FTerminated = true;
    return false;
  }
  ProcessMessage(message);
  return true;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      FTerminated = true;
      return;
    }
    ProcessMessage(message);
  }
}

void TApplication::ProcessMessage(MSG& message) {
  bool handled = false;
  if (OnMessage) {
    GuardUi(L"TApplication.OnMessage", [&] { RaiseEvent(OnMessage, message, handled); });
  }
  if (handled || IsDialogKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Keys of a form with dialog keys go through IsDialogMessageW (Tab, arrows, Return, Escape,
// Alt+letter), unless the focused control or one of its parents wants the key itself.
bool TApplication::IsDialogKey(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(root));
  if (form == nullptr || !form->DialogKeys()) return false;
  for (HWND window = message.hwnd; window != nullptr && window != root;
       window = GetParent(window)) {
    if (TWindow* control = TWindow::FromHandle(window);
        control != nullptr && control->WantsKey(message.wParam)) {
      return false;
    }
  }
  return IsDialogMessageW(root, &message) != FALSE;
}

// The loops end when they take WM_QUIT, after the messages queued before it.
void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Finalize() {
  FMainForm = nullptr;  // destroying it now must not post another quit
  while (!FForms.empty()) {
    TForm* form = FForms.back();
    FForms.pop_back();
    form->Destroy();  // its OnDestroy runs while the whole object still exists
    delete form;
  }
  uitask::Destroy();
}

const std::wstring& TApplication::Title() const {
  if (FTitle.empty()) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring_view name(path, length);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    FTitle = name.substr(0, name.rfind(L'.'));
  }
  return FTitle;
}

HICON TApplication::Icon() const {
  return FIcon != nullptr ? FIcon : LoadIconW(nullptr, IDI_APPLICATION);
}
