#include "ui/form.h"

#include <vector>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/font.h"
#include "ui/ui_task.h"

namespace {

constexpr DWORD kBorderStyles =
    WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

DWORD StyleFor(TFormBorderStyle border, unsigned icons) {
  DWORD style = border == bsNone ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION;
  if (border == bsSizeable) style |= WS_THICKFRAME;
  if (border != bsNone && (icons & biSystemMenu) != 0) style |= WS_SYSMENU;
  if (border == bsSingle || border == bsSizeable) {
    if ((icons & biMinimize) != 0) style |= WS_MINIMIZEBOX;
    if ((icons & biMaximize) != 0) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD ExStyleFor(TFormBorderStyle border) { return border == bsDialog ? WS_EX_DLGMODALFRAME : 0; }

// The thread's other visible, enabled top-level windows, disabled while a modal form runs.
std::vector<HWND> DisableOtherWindows(HWND except) {
  struct TCollect {
    HWND except;
    std::vector<HWND> windows;
  } collect{except, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* c = reinterpret_cast<TCollect*>(data);
        if (window != c->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
          c->windows.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&collect));
  for (HWND window : collect.windows) EnableWindow(window, FALSE);
  return collect.windows;
}

}  // namespace

TForm::~TForm() { Application().ForgetForm(this); }

bool TForm::Create(const CreateArgs& args) {
  FDesignDpi = args.designDpi > 0 ? args.designDpi : 96;
  FBorderStyle = args.borderStyle;
  FBorderIcons = args.borderIcons;
  FPosition = args.position;
  FDialogKeys = args.dialogKeys;
  FVisible = false;
  const DWORD style = StyleFor(FBorderStyle, FBorderIcons) | WS_CLIPCHILDREN;
  DWORD ex_style = ExStyleFor(FBorderStyle) | WS_EX_CONTROLPARENT;
  if (args.stayOnTop) ex_style |= WS_EX_TOPMOST;
  TForm* main_form = Application().MainForm();
  if (main_form == nullptr && Application().MainFormOnTaskbar()) ex_style |= WS_EX_APPWINDOW;
  RECT rect{0, 0, Scale(args.clientWidth), Scale(args.clientHeight)};
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  TBounds bounds{CW_USEDEFAULT, CW_USEDEFAULT, rect.right - rect.left, rect.bottom - rect.top};
  if (FPosition == poDesigned)
    bounds = {Scale(args.left), Scale(args.top), bounds.width, bounds.height};
  TForm* owner = args.owner != nullptr ? args.owner : main_form;
  if (!CreateHandle({.className = L"OstrelForm",
                     .style = style,
                     .exStyle = ex_style,
                     .text = args.caption,
                     .parent = owner != nullptr ? owner->Handle() : nullptr,
                     .bounds = bounds})) {
    return false;
  }
  FitIntoWorkArea();
  if (FPosition == poScreenCenter) CentreOnScreen();
  SetPadding({Scale(args.padding.left), Scale(args.padding.top), Scale(args.padding.right),
              Scale(args.padding.bottom)});
  SetFont(args.font != nullptr ? args.font : MessageFont());
  if (HICON icon = args.icon != nullptr ? args.icon : Application().Icon()) {
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  return true;
}

namespace {

TBounds BoundsOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

TBounds WorkAreaOf(HWND window) {
  MONITORINFO monitor{.cbSize = sizeof(MONITORINFO)};
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return BoundsOf(monitor.rcWork);
}

TBounds WindowBounds(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return BoundsOf(rect);
}

}  // namespace

// Scaled for a high DPI, a form designed for a large screen may outgrow a small one.
void TForm::FitIntoWorkArea() {
  const TBounds bounds = WindowBounds(Handle());
  const TBounds fitted = ::FitIntoWorkArea(bounds, WorkAreaOf(Handle()));
  if (fitted == bounds) return;
  SetWindowPos(Handle(), nullptr, fitted.left, fitted.top, fitted.width, fitted.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::CentreOnScreen() {
  const TBounds bounds = WindowBounds(Handle());
  const TBounds area = WorkAreaOf(Handle());
  SetWindowPos(Handle(), nullptr, area.left + (area.width - bounds.width) / 2,
               area.top + (area.height - bounds.height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetVisible(bool visible) {
  FVisible = visible;
  if (Handle() == nullptr) return;
  if (!visible) {
    ShowWindow(Handle(), SW_HIDE);
    return;
  }
  if (FPosition == poScreenCenter && !IsWindowVisible(Handle())) CentreOnScreen();
  int command = SW_SHOW;
  if (FPendingState == wsMaximized) command = SW_SHOWMAXIMIZED;
  if (FPendingState == wsMinimized) command = SW_SHOWMINIMIZED;
  if (FPendingState == wsNormal) command = SW_SHOWNORMAL;
  FPendingState = -1;
  ShowWindow(Handle(), command);
  SetForegroundWindow(Handle());
}

bool TForm::CloseQuery() {
  bool can_close = true;
  RaiseEvent(OnCloseQuery, can_close);
  return can_close;
}

void TForm::Close() {
  if (!CloseQuery()) return;
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  TCloseAction action = Application().MainForm() == this ? caFree : caHide;
  RaiseEvent(OnClose, action);
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      ShowWindow(Handle(), SW_MINIMIZE);
      break;
    case caFree:
      Release();
      break;
    case caNone:
      break;
  }
}

void TForm::Release() {
  if (FReleased) return;
  FReleased = true;
  Destroy();
  // Our own handler may be on the stack (the close box): delete from a task, after it returns.
  if (!Application().OwnsForm(this)) DeleteLater(this);
}

int TForm::ShowModal() {
  if (Handle() == nullptr || FModal || IsWindowVisible(Handle()) || Application().Terminated()) {
    return mrCancel;
  }
  const auto life = LifeToken();
  HWND previous = GetActiveWindow();
  const std::vector<HWND> disabled = DisableOtherWindows(Handle());
  FModal = true;
  FModalResult = mrNone;
  Show();
  bool alive = true;
  // Ends too when the application ends (a nested loop may have taken WM_QUIT).
  while (FModalResult == mrNone && Handle() != nullptr && !Application().Terminated()) {
    Application().HandleMessage();
    alive = !life.expired();
    if (!alive) break;  // a handler deleted the form
  }
  // Enabled again before hiding, so the owner (not another program) becomes active.
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (!alive) return mrCancel;
  FModal = false;
  if (FModalResult == mrNone) FModalResult = mrCancel;
  Hide();
  if (previous != nullptr && IsWindow(previous)) SetActiveWindow(previous);
  return FModalResult;
}

void TForm::SetClientSize(int width, int height) {
  if (Handle() == nullptr) return;
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
  SetWindowPos(Handle(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetStayOnTop(bool stayOnTop) {
  SetWindowPos(Handle(), stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  FBorderStyle = style;
  ApplyStyle();
}

void TForm::SetBorderIcons(unsigned icons) {
  FBorderIcons = icons;
  ApplyStyle();
}

void TForm::ApplyStyle() {
  if (Handle() == nullptr) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  SetWindowLongPtrW(Handle(), GWL_STYLE,
                    (style & ~kBorderStyles) | StyleFor(FBorderStyle, FBorderIcons));
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE,
                    (ex_style & ~WS_EX_DLGMODALFRAME) | ExStyleFor(FBorderStyle));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TWindowState TForm::WindowState() const {
  if (Handle() == nullptr || !IsWindowVisible(Handle())) {
    return FPendingState >= 0 ? static_cast<TWindowState>(FPendingState) : wsNormal;
  }
  if (IsZoomed(Handle())) return wsMaximized;
  return IsIconic(Handle()) ? wsMinimized : wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
  if (Handle() == nullptr || !IsWindowVisible(Handle())) {
    FPendingState = state;
    return;
  }
  ShowWindow(Handle(), state == wsMaximized   ? SW_MAXIMIZE
                       : state == wsMinimized ? SW_MINIMIZE
                                              : SW_RESTORE);
}

void TForm::SetDefaultButton(TButton* button) {
  FDefaultButton = {button, button != nullptr ? button->LifeToken() : std::weak_ptr<const void>()};
}

void TForm::SetCancelButton(TButton* button) {
  FCancelButton = {button, button != nullptr ? button->LifeToken() : std::weak_ptr<const void>()};
}

void TForm::ClickButton(const TButtonRef& ref) {
  if (ref.button == nullptr || ref.life.expired()) return;
  if (ref.button->Enabled() && ref.button->Visible()) ref.button->Click();
}

TForm* TForm::FormOf(const TWindow* window) {
  while (window != nullptr && window->Parent() != nullptr) window = window->Parent();
  return window != nullptr ? dynamic_cast<TForm*>(const_cast<TWindow*>(window)) : nullptr;
}

LRESULT TForm::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_SHOWWINDOW:
      // lparam 0: shown by a call, not because the owner was restored.
      if (wparam != 0 && lparam == 0) RaiseEvent(OnShow);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) FLastFocus = focus;
      } else if (HIWORD(wparam) == 0) {  // not minimised: give the focus back to a control
        HWND target = FLastFocus;
        if (target == nullptr || !IsChild(Handle(), target) || !IsWindowVisible(target) ||
            !IsWindowEnabled(target)) {
          target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
        }
        if (target != nullptr && IsChild(Handle(), target)) {
          ::SetFocus(target);
          return 0;
        }
      }
      break;
    case WM_COMMAND:
      // Return and Escape, as IsDialogMessage reports them (no control behind the id).
      if (lparam == 0 && LOWORD(wparam) == IDOK) {
        ClickButton(FDefaultButton);
        return 0;
      }
      if (lparam == 0 && LOWORD(wparam) == IDCANCEL) {
        ClickButton(FCancelButton);
        return 0;
      }
      break;
    case WM_DESTROY:
      RaiseEvent(OnDestroy);
      if (Application().MainForm() == this) Application().Terminate();
      break;
    default:
      break;
  }
  return TWindow::WndProc(message, wparam, lparam);
}
