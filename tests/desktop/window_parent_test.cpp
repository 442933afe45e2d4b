// The host window control with a stand-in for the engine's browser window inside it: the child
// follows every size of the host, the host never erases behind it, focus is handed on to it,
// and the keys the page needs (Tab above all) reach it instead of moving between controls.

#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <vector>

#include "browser/cef_window_parent.h"
#include "tests/support/ui_test_support.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {

using ui_test::PumpUntil;

// What the engine window was sent.
struct EngineWindowLog {
  std::vector<WPARAM> focusFrom;  // WM_SETFOCUS: the window that lost the focus
  std::vector<LPARAM> focusLParams;
  std::vector<WPARAM> keys;  // WM_KEYDOWN
};
EngineWindowLog gLog;

LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETFOCUS) {
    gLog.focusFrom.push_back(wparam);
    gLog.focusLParams.push_back(lparam);
  }
  if (message == WM_KEYDOWN) gLog.keys.push_back(wparam);
  return DefWindowProcW(window, message, wparam, lparam);
}

// A window of a class of its own, as the engine's is; not bound to any TWindow.
HWND CreateEngineWindow(HWND parent, const RECT& rect = {5, 5, 15, 15}) {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = EngineWindowProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"OstrelTestEngineWindow";
    return RegisterClassExW(&window_class) != 0;
  }();
  if (!registered) return nullptr;
  return CreateWindowExW(0, L"OstrelTestEngineWindow", L"", WS_CHILD | WS_VISIBLE, rect.left,
                         rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The window's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The forms stay hidden: the focus inside a hidden form is this thread's own, while a shown one
// competes for the display's one foreground with every other test process, and losing it
// empties this thread's focus.
class WindowParent : public ui_test::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    gLog = {};
    ASSERT_TRUE(form.Create({.caption = L"host", .clientWidth = 400, .clientHeight = 300}));
  }
  void CreateHost() { ASSERT_TRUE(host.Create({.parent = &form, .align = alClient})); }

  TForm form;
  TCEFWindowParent host;
};

TEST_F(WindowParent, TheEngineWindowIsTheHostsFirstChild) {
  EXPECT_EQ(host.ChildWindowHandle(), nullptr);  // no window yet
  CreateHost();
  EXPECT_EQ(host.ChildWindowHandle(), nullptr);
  HWND engine = CreateEngineWindow(host.Handle());
  ASSERT_NE(engine, nullptr);
  EXPECT_EQ(host.ChildWindowHandle(), engine);
}

TEST_F(WindowParent, TheEngineWindowFollowsEverySizeOfTheHost) {
  CreateHost();
  HWND engine = CreateEngineWindow(host.Handle());
  HWND second = CreateEngineWindow(host.Handle(), {1, 1, 2, 2});  // below it in Z order
  ASSERT_NE(second, nullptr);
  host.UpdateSize();  // what the main window does once the browser exists
  RECT rect = PlaceInParent(engine);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, host.ClientWidth());
  EXPECT_EQ(rect.bottom, host.ClientHeight());

  form.SetClientSize(520, 330);  // the docked host grows with the form
  ASSERT_EQ(host.ClientWidth(), 520);
  rect = PlaceInParent(engine);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, 520);
  EXPECT_EQ(rect.bottom, 330);

  host.SetAlign(alNone);
  host.SetBounds({10, 20, 123, 77});
  rect = PlaceInParent(engine);
  EXPECT_EQ(rect.right - rect.left, 123);
  EXPECT_EQ(rect.bottom - rect.top, 77);
  EXPECT_EQ(GetWindow(host.Handle(), GW_CHILD), engine);  // still on top
  EXPECT_EQ(GetWindow(engine, GW_HWNDNEXT), second);
}

TEST_F(WindowParent, WithoutEngineWindowThereIsNothingToSizeOrDestroy) {
  EXPECT_FALSE(host.DestroyChildWindow());
  host.UpdateSize();
  host.InvalidateChildren();
  CreateHost();
  EXPECT_FALSE(host.DestroyChildWindow());
  HWND engine = CreateEngineWindow(host.Handle());
  EXPECT_TRUE(host.DestroyChildWindow());
  EXPECT_FALSE(IsWindow(engine));
  EXPECT_EQ(host.ChildWindowHandle(), nullptr);
}

TEST_F(WindowParent, NeverErasesBehindTheEngineWindow) {
  CreateHost();
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 40);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF marker = RGB(255, 0, 0);
  auto paint_marker = [&] {
    RECT all{0, 0, 40, 40};
    HBRUSH brush = CreateSolidBrush(marker);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
  };

  HWND engine = CreateEngineWindow(host.Handle());
  ASSERT_NE(engine, nullptr);
  paint_marker();
  EXPECT_NE(SendMessageW(host.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
  EXPECT_EQ(GetPixel(dc, 10, 10), marker);

  // Without the engine window the host paints its background like any control.
  DestroyWindow(engine);
  paint_marker();
  SendMessageW(host.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetPixel(dc, 10, 10), GetNearestColor(dc, GetSysColor(COLOR_BTNFACE)));

  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(WindowParent, HandsTheFocusOnToTheEngineWindow) {
  TButton button;
  ASSERT_TRUE(button.Create({.parent = &form, .align = alTop, .bounds = {0, 0, 0, 25}}));
  CreateHost();
  HWND engine = CreateEngineWindow(host.Handle());
  button.SetFocus();
  ASSERT_TRUE(button.Focused());
  gLog = {};
  host.SetFocus();
  ASSERT_TRUE(PumpUntil([] { return !gLog.focusFrom.empty(); }, 3000));
  EXPECT_EQ(gLog.focusFrom.front(), reinterpret_cast<WPARAM>(button.Handle()));
  EXPECT_EQ(gLog.focusLParams.front(), 0);
  EXPECT_EQ(host.ChildWindowHandle(), engine);
}

TEST_F(WindowParent, AsksForArrowKeysAndCharacters) {
  CreateHost();
  EXPECT_EQ(SendMessageW(host.Handle(), WM_GETDLGCODE, 0, 0), 0x81);
}

TEST_F(WindowParent, TheKeysOfThePageAreItsOwn) {
  CreateHost();
  for (WPARAM key : std::initializer_list<WPARAM>{VK_TAB, VK_F5, VK_BACK, 'A', VK_LEFT, VK_UP,
                                                  VK_RIGHT, VK_DOWN, VK_RETURN, VK_ESCAPE}) {
    EXPECT_TRUE(host.WantsKey(key)) << key;
  }
  // A form's default and cancel buttons keep Return and Escape.
  TButton ok;
  TButton cancel;
  ASSERT_TRUE(ok.Create({.parent = &form, .bounds = {0, 0, 60, 25}, .isDefault = true}));
  ASSERT_TRUE(cancel.Create({.parent = &form, .bounds = {70, 0, 60, 25}, .isCancel = true}));
  EXPECT_FALSE(host.WantsKey(VK_RETURN));
  EXPECT_FALSE(host.WantsKey(VK_ESCAPE));
  EXPECT_TRUE(host.WantsKey(VK_TAB));
  EXPECT_TRUE(host.WantsKey(VK_DOWN));
}

TEST_F(WindowParent, TabReachesThePageInsteadOfMovingTheFocus) {
  TButton button;
  ASSERT_TRUE(button.Create({.parent = &form, .align = alTop, .bounds = {0, 0, 0, 25}}));
  CreateHost();
  HWND engine = CreateEngineWindow(host.Handle());
  SetFocus(engine);
  ASSERT_EQ(GetFocus(), engine);
  for (WPARAM key : std::initializer_list<WPARAM>{VK_TAB, VK_DOWN, VK_RETURN, VK_ESCAPE}) {
    PostMessageW(engine, WM_KEYDOWN, key, 1);
  }
  ASSERT_TRUE(PumpUntil([] { return gLog.keys.size() == 4; }, 3000));
  EXPECT_EQ(gLog.keys, (std::vector<WPARAM>{VK_TAB, VK_DOWN, VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(GetFocus(), engine);
}

TEST_F(WindowParent, ReturnClicksTheFormsDefaultButtonInstead) {
  TButton ok;
  int clicks = 0;
  ok.OnClick = [&] { ++clicks; };
  ASSERT_TRUE(
      ok.Create({.parent = &form, .align = alTop, .bounds = {0, 0, 0, 25}, .isDefault = true}));
  CreateHost();
  HWND engine = CreateEngineWindow(host.Handle());
  SetFocus(engine);
  PostMessageW(engine, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(engine, WM_KEYDOWN, VK_TAB, 1);
  ASSERT_TRUE(PumpUntil([] { return !gLog.keys.empty(); }, 3000));  // Return went first
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(gLog.keys, std::vector<WPARAM>{VK_TAB});
}

}  // namespace
