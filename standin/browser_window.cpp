// The engine's window tree of a browser, created on (and owned by) the engine UI thread:
//   "CefBrowserWindow" (the host's window handle; the window description's style, position and
//   parent) > "Chrome_WidgetWin_0" (empty title) > "Chrome_RenderWidgetHostHWND" titled
//   "Chrome Legacy Window", which draws the page's title and text and takes keyboard and mouse
//   input. Each child fills its parent. When the browser window is destroyed (by the engine or
//   with its parent) the close completes in a task on the UI thread.

#include <algorithm>

#include "standin/browser.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

constexpr wchar_t kBrowserClass[] = L"CefBrowserWindow";
constexpr wchar_t kWidgetClass[] = L"Chrome_WidgetWin_0";
constexpr wchar_t kRenderClass[] = L"Chrome_RenderWidgetHostHWND";

HINSTANCE Module() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&Module), &module);
  return module;
}

// The Browser a window belongs to; valid while the window exists (the Browser keeps itself
// alive until its browser window is gone).
Browser* Owner(HWND window) {
  return reinterpret_cast<Browser*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void FillParent(HWND window) {
  HWND child = GetWindow(window, GW_CHILD);
  if (!child) return;
  RECT client;
  GetClientRect(window, &client);
  SetWindowPos(child, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK BrowserProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      FillParent(window);
      return 0;
    case WM_SETFOCUS:
      if (HWND widget = GetWindow(window, GW_CHILD)) SetFocus(GetWindow(widget, GW_CHILD));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCDESTROY:
      if (Browser* owner = Owner(window)) {
        std::shared_ptr<Browser> browser = owner->shared_from_this();
        // Not from inside the destruction: the program's before-close handler runs in a task.
        PostClosure(TID_UI, [browser] { browser->OnWindowDestroyed(); });
      }
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK WidgetProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SIZE) {
    FillParent(window);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK RenderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Browser* owner = Owner(window);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      if (owner) owner->Paint(dc, client);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // Paint fills the whole window
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      SetFocus(window);
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      if (owner) owner->OnRenderInput(message, wparam, lparam);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void RegisterClasses() {
  static const bool registered = [] {
    const struct {
      const wchar_t* name;
      WNDPROC proc;
    } classes[] = {
        {kBrowserClass, &BrowserProc}, {kWidgetClass, &WidgetProc}, {kRenderClass, &RenderProc}};
    for (const auto& c : classes) {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.style = CS_DBLCLKS;
      wc.lpfnWndProc = c.proc;
      wc.hInstance = Module();
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.lpszClassName = c.name;
      RegisterClassExW(&wc);
    }
    return true;
  }();
  (void)registered;
}

}  // namespace

bool Browser::CreateWindows(const cef_window_info_t& info, const std::wstring& name) {
  RegisterClasses();
  DWORD style = info.style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (!info.parent_window && !(style & WS_CHILD) && !(style & WS_POPUP)) {
    style |= WS_OVERLAPPEDWINDOW;  // a top-level browser (a pop-up) without a style of its own
  }
  const bool top_level = !(style & WS_CHILD);
  const int x = top_level && info.width <= 0 ? CW_USEDEFAULT : info.x;
  const int y = top_level && info.height <= 0 ? CW_USEDEFAULT : info.y;
  const int width = top_level && info.width <= 0 ? CW_USEDEFAULT : info.width;
  const int height = top_level && info.height <= 0 ? CW_USEDEFAULT : info.height;
  HWND window = CreateWindowExW(info.ex_style, kBrowserClass, name.c_str(), style, x, y, width,
                                height, info.parent_window, info.menu, Module(), nullptr);
  if (!window) return false;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  RECT client;
  GetClientRect(window, &client);
  const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  HWND widget = CreateWindowExW(0, kWidgetClass, L"", child, 0, 0, client.right, client.bottom,
                                window, nullptr, Module(), nullptr);
  HWND render =
      widget ? CreateWindowExW(0, kRenderClass, L"Chrome Legacy Window", child | WS_TABSTOP, 0, 0,
                               client.right, client.bottom, widget, nullptr, Module(), nullptr)
             : nullptr;
  if (!render) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);  // never created: no close sequence
    DestroyWindow(window);
    return false;
  }
  SetWindowLongPtrW(widget, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(render, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  std::lock_guard<std::mutex> guard(lock_);
  window_ = window;
  widget_ = widget;
  render_ = render;
  return true;
}

void Browser::Paint(HDC dc, const RECT& client) {
  Page page = CurrentPage();
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW log{};
  GetObjectW(font, sizeof log, &log);
  log.lfHeight = log.lfHeight * 3 / 2;
  log.lfWeight = FW_BOLD;
  HFONT title_font = CreateFontIndirectW(&log);
  HGDIOBJ old = SelectObject(dc, title_font);
  RECT area{client.left + 12, client.top + 10, client.right - 12, client.bottom - 10};
  std::wstring title = page.error.empty() ? page.title : L"This page cannot be shown";
  RECT measured = area;
  DrawTextW(dc, title.c_str(), -1, &measured, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  DrawTextW(dc, title.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
  area.top = measured.bottom + 10;
  SelectObject(dc, font);
  std::wstring text = page.error.empty() ? page.text : page.url + L"\n" + page.error;
  measured = area;
  DrawTextW(dc, text.c_str(), -1, &measured, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  DrawTextW(dc, text.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
  area.top = measured.bottom + 10;
  // The links, one per line, underlined: a click follows one, hovering shows it in the status.
  log.lfHeight = log.lfHeight * 2 / 3;
  log.lfWeight = FW_NORMAL;
  log.lfUnderline = TRUE;
  HFONT link_font = CreateFontIndirectW(&log);
  SelectObject(dc, link_font);
  SetTextColor(dc, RGB(0, 0, 200));
  std::vector<RECT> rects;
  for (const auto& [label, href] : page.links) {
    RECT line = area;
    DrawTextW(dc, label.c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    DrawTextW(dc, label.c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX);
    rects.push_back(line);
    area.top = line.bottom + 4;
  }
  SetTextColor(dc, RGB(0, 0, 0));
  SelectObject(dc, old);
  DeleteObject(title_font);
  DeleteObject(link_font);
  std::lock_guard<std::mutex> guard(lock_);
  link_rects_ = std::move(rects);
}

}  // namespace standin
