#include "ui/window.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "base/ui_thread.h"
#include "ui/dpi.h"
#include "ui/ui_error.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x4F53;  // "OS": marks our subclass among others

// Finds the object of a subclassed control. (GetWindowSubclass would, but it is exported by
// ordinal only and MinGW's import library lacks it.)
LPCWSTR ObjectProperty() {
  static const ATOM atom = GlobalAddAtomW(L"OstrelUiWindowObject");
  return MAKEINTATOM(atom);
}

bool RegisterOnce(const wchar_t* name, WNDPROC procedure, HBRUSH background, UINT style) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  if (GetClassInfoExW(instance, name, &window_class)) return true;
  window_class.style = style;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

// Ids only tell siblings apart; they start above IDOK/IDCANCEL, which the dialog keys send.
HMENU NextControlId() {
  static int next = 1000;
  const int id = next;
  next = next >= 0x7FFF ? 1000 : next + 1;
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

TWindow::TWindow() : FLife(std::make_shared<int>(0)) {}

TWindow::~TWindow() {
  FLife.reset();
  for (TWindow* child : FChildren) child->FParent = nullptr;
  if (FParent != nullptr) std::erase(FParent->FChildren, this);
  HWND window = FHandle;
  Unbind();
  if (window != nullptr && IsWindow(window)) {
    // A focused child losing its window would hand the focus to its parent, which may be an
    // object half-way through its own destruction (members go before the base).
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0) {
      HWND focus = GetFocus();
      if (focus == window || IsChild(window, focus)) ::SetFocus(nullptr);
    }
    DestroyWindow(window);
  }
  if (FBackBrush != nullptr) DeleteObject(FBackBrush);
}

TWindow* TWindow::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  if (GetClassLongPtrW(window, GCLP_WNDPROC) == reinterpret_cast<ULONG_PTR>(&WindowProc)) {
    return reinterpret_cast<TWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  return static_cast<TWindow*>(GetPropW(window, ObjectProperty()));
}

bool TWindow::CreateHandle(const TCreateParams& params) {
  AssertUiThread();
  if (FHandle != nullptr || params.className == nullptr) return false;
  if (params.custom &&
      !RegisterOnce(params.className, WindowProc, params.background, params.classStyle)) {
    return false;
  }
  const std::wstring text(params.text);
  const TBounds& b = params.bounds;
  HWND window = CreateWindowExW(params.exStyle, params.className, text.c_str(), params.style,
                                b.left, b.top, b.width, b.height, params.parent, params.menu,
                                GetModuleHandleW(nullptr), params.custom ? this : nullptr);
  if (window == nullptr) return false;
  if (!params.custom) {
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) ||
        !SetPropW(window, ObjectProperty(), this)) {
      RemoveWindowSubclass(window, SubclassProc, kSubclassId);
      DestroyWindow(window);
      return false;
    }
    FHandle = window;
    FSubclassed = true;
  }
  return FHandle == window;
}

bool TWindow::CreateChild(const wchar_t* className, bool custom, DWORD style, DWORD exStyle,
                          const TPlacement& placement) {
  TWindow* parent = placement.parent;
  if (parent == nullptr || parent->FHandle == nullptr || FHandle != nullptr) return false;
  FDesignDpi = parent->FDesignDpi;
  FBounds = ScaleForDpi(placement.bounds, DisplayDpi(), FDesignDpi);
  FAlign = placement.align;
  FVisible = placement.visible;
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (placement.visible) style |= WS_VISIBLE;
  if (placement.tabStop) style |= WS_TABSTOP;
  if (!placement.enabled) style |= WS_DISABLED;
  // Parent notifications would reach a parent that may be half destroyed when members go.
  exStyle |= WS_EX_NOPARENTNOTIFY;
  TCreateParams params{.className = className,
                       .custom = custom,
                       .style = style,
                       .exStyle = exStyle,
                       .text = placement.text,
                       .parent = parent->FHandle,
                       .bounds = FBounds,
                       .menu = NextControlId()};
  if (!CreateHandle(params)) return false;
  FParent = parent;
  parent->FChildren.push_back(this);
  SetFont(placement.font != nullptr ? placement.font : parent->FFont);
  if (FAlign != alNone) {
    parent->Realign();
  } else {
    PlaceHandle(FBounds);
  }
  return true;
}

void TWindow::SetBounds(const TBounds& bounds) {
  FBounds = bounds;
  if (FParent != nullptr && FAlign != alNone && FVisible) {
    FParent->Realign();
  } else if (FHandle != nullptr) {
    PlaceHandle(FBounds);
  }
}

void TWindow::SetWidth(int width) { SetBounds({FBounds.left, FBounds.top, width, FBounds.height}); }

void TWindow::SetHeight(int height) {
  SetBounds({FBounds.left, FBounds.top, FBounds.width, height});
}

int TWindow::ClientWidth() const {
  RECT rect{};
  if (FHandle != nullptr) GetClientRect(FHandle, &rect);
  return rect.right;
}

int TWindow::ClientHeight() const {
  RECT rect{};
  if (FHandle != nullptr) GetClientRect(FHandle, &rect);
  return rect.bottom;
}

int TWindow::Scale(int designValue) const {
  return ScaleForDpi(designValue, DisplayDpi(), FDesignDpi);
}

void TWindow::SetAlign(TAlign align) {
  FAlign = align;
  if (FParent != nullptr) FParent->Realign();
}

void TWindow::SetPadding(const TPadding& padding) {
  FPadding = padding;
  Realign();
}

TBounds TWindow::AlignArea() const { return {0, 0, ClientWidth(), ClientHeight()}; }

void TWindow::Realign() {
  if (FHandle == nullptr) return;
  std::vector<TAlignItem> items;
  items.reserve(FChildren.size());
  bool docked = false;
  for (const TWindow* child : FChildren) {
    items.push_back({child->FAlign, child->FVisible, child->FBounds});
    docked = docked || child->FAlign != alNone;
  }
  if (!docked) return;
  AlignItems(AlignArea(), FPadding, items);
  // Copied first: placing a child sends it WM_SIZE, whose handlers may change the list.
  const std::vector<TWindow*> children = FChildren;
  for (size_t i = 0; i < children.size(); ++i) {
    TWindow* child = children[i];
    if (child->FAlign == alNone || !child->FVisible) continue;
    child->FBounds = items[i].bounds;
    if (child->FHandle != nullptr) child->PlaceHandle(child->FBounds);
  }
}

void TWindow::PlaceHandle(const TBounds& bounds) {
  SetWindowPos(FHandle, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindow::SetVisible(bool visible) {
  FVisible = visible;
  if (FHandle == nullptr) return;
  const bool docked = FParent != nullptr && FAlign != alNone;
  if (visible && docked) FParent->Realign();  // placed before it shows
  ShowWindow(FHandle, visible ? SW_SHOWNA : SW_HIDE);
  if (!visible && docked) FParent->Realign();
}

bool TWindow::Enabled() const { return FHandle != nullptr && IsWindowEnabled(FHandle); }

void TWindow::SetEnabled(bool enabled) {
  if (FHandle != nullptr) EnableWindow(FHandle, enabled);
}

std::wstring TWindow::Text() const {
  if (FHandle == nullptr) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(FHandle)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(FHandle, text.data(), text.size())));
  return text;
}

void TWindow::SetText(std::wstring_view text) {
  if (FHandle != nullptr) SetWindowTextW(FHandle, std::wstring(text).c_str());
}

void TWindow::SetFont(HFONT font) {
  FFont = font;
  if (FHandle != nullptr) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TWindow::SetColors(COLORREF text, COLORREF background) {
  FTextColor = text;
  if (background != FBackColor && FBackBrush != nullptr) {
    DeleteObject(FBackBrush);
    FBackBrush = nullptr;
  }
  FBackColor = background;
  Invalidate();
}

void TWindow::SetFocus() {
  if (FHandle != nullptr) ::SetFocus(FHandle);
}

bool TWindow::Focused() const { return FHandle != nullptr && GetFocus() == FHandle; }

void TWindow::Invalidate() {
  if (FHandle != nullptr) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWindow::Destroy() {
  AssertUiThread();
  if (FHandle != nullptr) DestroyWindow(FHandle);
}

bool TWindow::WantsKey(WPARAM /*key*/) const { return false; }

LRESULT TWindow::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (TWindow* child = FromHandle(reinterpret_cast<HWND>(lparam));
          child != nullptr && child != this && child->OnCommand(HIWORD(wparam))) {
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      TWindow* child = header != nullptr ? FromHandle(header->hwndFrom) : nullptr;
      LRESULT result = 0;
      if (child != nullptr && child != this && child->OnNotify(*header, result)) return result;
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (TWindow* child = FromHandle(reinterpret_cast<HWND>(lparam));
          child != nullptr && child != this) {
        if (HBRUSH brush = child->ControlColor(message, reinterpret_cast<HDC>(wparam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_SIZE:
      Realign();
      break;
    case WM_WINDOWPOSCHANGED:
      if (FParent == nullptr && FHandle != nullptr) {  // top level: follow the user's moves
        RECT rect{};
        GetWindowRect(FHandle, &rect);
        FBounds = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
      }
      break;
    default:
      break;
  }
  return DefaultProc(message, wparam, lparam);
}

LRESULT TWindow::DefaultProc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (FHandle == nullptr) return 0;
  return FSubclassed ? DefSubclassProc(FHandle, message, wparam, lparam)
                     : DefWindowProcW(FHandle, message, wparam, lparam);
}

bool TWindow::OnCommand(WORD /*code*/) { return false; }

bool TWindow::OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

HBRUSH TWindow::ControlColor(UINT message, HDC dc) {
  if (FTextColor == CLR_INVALID && FBackColor == CLR_INVALID) return nullptr;
  if (FTextColor != CLR_INVALID) SetTextColor(dc, FTextColor);
  if (FBackColor == CLR_INVALID) {
    const int system = message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(system));
    return GetSysColorBrush(system);
  }
  SetBkColor(dc, FBackColor);
  if (FBackBrush == nullptr) FBackBrush = CreateSolidBrush(FBackColor);
  return FBackBrush;
}

LRESULT TWindow::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  try {
    return WndProc(message, wparam, lparam);
  } catch (...) {
    ReportUiException(L"TWindow.WndProc");
    return 0;
  }
}

void TWindow::Unbind() {
  if (FHandle == nullptr) return;
  if (FSubclassed) {
    RemovePropW(FHandle, ObjectProperty());
    RemoveWindowSubclass(FHandle, SubclassProc, kSubclassId);
  } else {
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
  }
  FHandle = nullptr;
  FSubclassed = false;
}

void TWindow::Destroyed() noexcept {
  Unbind();
  GuardUi(L"TWindow.HandleDestroyed", [this] { HandleDestroyed(); });
}

LRESULT CALLBACK TWindow::WindowProc(HWND window, UINT message, WPARAM wparam,
                                     LPARAM lparam) noexcept {
  TWindow* self;
  if (message == WM_NCCREATE) {
    self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    if (self != nullptr) {
      self->FHandle = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  } else {
    self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    self->Destroyed();
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->Dispatch(message, wparam, lparam);
}

LRESULT CALLBACK TWindow::SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR /*id*/, DWORD_PTR data) noexcept {
  auto* self = reinterpret_cast<TWindow*>(data);
  if (self == nullptr || self->FHandle != window) {
    return DefSubclassProc(window, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    self->Destroyed();
    return DefSubclassProc(window, message, wparam, lparam);
  }
  return self->Dispatch(message, wparam, lparam);
}

// ---- TMessageWindow ----

bool TMessageWindow::Create(bool topLevel) {
  return CreateHandle({.className = L"OstrelMessageWindow",
                       .background = nullptr,
                       .style = topLevel ? WS_POPUP : 0u,
                       .parent = topLevel ? nullptr : HWND_MESSAGE});
}

LRESULT TMessageWindow::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (OnMessage) {
    LRESULT result = 0;
    auto handler = OnMessage;
    if (handler(message, wparam, lparam, result)) return result;
  }
  return TWindow::WndProc(message, wparam, lparam);
}
