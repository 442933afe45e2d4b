// The engine window lookup and the replacement of the engine windows' procedures: what reaches
// the engine, what the program may keep from it, and what is put back.

#include "browser/engine_window_hook.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The engine's side: every window of this class records the messages it receives.
std::vector<UINT> gEngineMessages;
constexpr LRESULT kEngineAnswer = 0x5EED;
constexpr UINT kProbe = WM_APP + 77;

LRESULT CALLBACK EngineProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kProbe) {
    gEngineMessages.push_back(message);
    return kEngineAnswer + static_cast<LRESULT>(wparam);
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void RegisterEngineClass(const wchar_t* name) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = EngineProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = name;
  RegisterClassW(&windowClass);
}

HWND MakeWindow(const wchar_t* className, const wchar_t* title, HWND parent) {
  return CreateWindowExW(0, className, title, parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

class EngineWindowHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEngineClass(L"OstrelTestBrowserWindow");
    RegisterEngineClass(L"Chrome_WidgetWin_0");
    RegisterEngineClass(L"Chrome_RenderWidgetHostHWND");
    gEngineMessages.clear();
    browser = MakeWindow(L"OstrelTestBrowserWindow", L"", nullptr);
    ASSERT_NE(browser, nullptr);
  }
  void TearDown() override {
    if (IsWindow(browser)) DestroyWindow(browser);
  }

  HWND browser = nullptr;
  TEngineWindowHook::TEvent event;
};

TEST_F(EngineWindowHookTest, LookupTakesTheUntitledWidgetAndItsLegacyRenderWindow) {
  const HWND titledWidget = MakeWindow(L"Chrome_WidgetWin_0", L"Intermediate", browser);
  const HWND widget = MakeWindow(L"Chrome_WidgetWin_0", L"", browser);
  MakeWindow(L"Chrome_RenderWidgetHostHWND", L"Other", widget);
  const HWND render = MakeWindow(L"Chrome_RenderWidgetHostHWND", L"Chrome Legacy Window", widget);
  MakeWindow(L"Chrome_RenderWidgetHostHWND", L"Chrome Legacy Window", titledWidget);

  const TEngineWindows windows = FindEngineWindows(browser);
  EXPECT_EQ(windows.browser, browser);
  EXPECT_EQ(windows.widget, widget);
  EXPECT_EQ(windows.render, render);
}

TEST_F(EngineWindowHookTest, LookupStopsAtTheFirstMissingWindow) {
  EXPECT_EQ(FindEngineWindows(nullptr).widget, nullptr);
  const TEngineWindows bare = FindEngineWindows(browser);
  EXPECT_EQ(bare.widget, nullptr);
  EXPECT_EQ(bare.render, nullptr);
  const HWND widget = MakeWindow(L"Chrome_WidgetWin_0", L"", browser);
  const TEngineWindows noRender = FindEngineWindows(browser);
  EXPECT_EQ(noRender.widget, widget);
  EXPECT_EQ(noRender.render, nullptr);
}

TEST_F(EngineWindowHookTest, WithoutAnEventNothingIsReplaced) {
  const auto original = GetWindowLongPtrW(browser, GWLP_WNDPROC);
  TEngineWindowHook hook(event, L"TChromium.BrowserCompWndProc");
  hook.SetHandle(browser);
  EXPECT_FALSE(hook.Install());
  EXPECT_FALSE(hook.Installed());
  EXPECT_EQ(GetWindowLongPtrW(browser, GWLP_WNDPROC), original);
  EXPECT_EQ(hook.Handle(), browser);
}

TEST_F(EngineWindowHookTest, UnhandledMessagesReachTheEngineUnchanged) {
  std::vector<UINT> seen;
  event = [&](TMessage& message, bool&) { seen.push_back(message.Msg); };
  TEngineWindowHook hook(event, L"TChromium.BrowserCompWndProc");
  hook.SetHandle(browser);
  ASSERT_TRUE(hook.Install());

  EXPECT_EQ(SendMessageW(browser, kProbe, 3, 0), kEngineAnswer + 3);
  EXPECT_EQ(gEngineMessages, std::vector<UINT>{kProbe});
  EXPECT_NE(std::find(seen.begin(), seen.end(), kProbe), seen.end());
}

TEST_F(EngineWindowHookTest, AHandledMessageIsKeptFromTheEngineWithTheProgramsResult) {
  event = [](TMessage& message, bool& handled) {
    if (message.Msg != kProbe) return;
    message.Result = 42;
    handled = true;
  };
  TEngineWindowHook hook(event, L"TChromium.RenderCompWndProc");
  hook.SetHandle(browser);
  ASSERT_TRUE(hook.Install());
  EXPECT_EQ(SendMessageW(browser, kProbe, 0, 0), 42);
  EXPECT_TRUE(gEngineMessages.empty());
}

TEST_F(EngineWindowHookTest, AThrowingHandlerStillLetsTheMessageThrough) {
  event = [](TMessage& message, bool& handled) {
    handled = true;
    if (message.Msg == kProbe) throw std::runtime_error("handler failed");
  };
  TEngineWindowHook hook(event, L"TChromium.WidgetCompWndProc");
  hook.SetHandle(browser);
  ASSERT_TRUE(hook.Install());
  EXPECT_EQ(SendMessageW(browser, kProbe, 1, 0), kEngineAnswer + 1);
  EXPECT_EQ(gEngineMessages.size(), 1u);
}

TEST_F(EngineWindowHookTest, ReplacesOnceAndPutsTheOldProcedureBack) {
  const auto original = GetWindowLongPtrW(browser, GWLP_WNDPROC);
  event = [](TMessage&, bool&) {};
  {
    TEngineWindowHook hook(event, L"TChromium.BrowserCompWndProc");
    hook.SetHandle(browser);
    ASSERT_TRUE(hook.Install());
    const auto replaced = GetWindowLongPtrW(browser, GWLP_WNDPROC);
    EXPECT_NE(replaced, original);
    EXPECT_FALSE(hook.Install());
    EXPECT_EQ(GetWindowLongPtrW(browser, GWLP_WNDPROC), replaced);
  }
  EXPECT_EQ(GetWindowLongPtrW(browser, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(browser, kProbe, 0, 0), kEngineAnswer);
}

TEST_F(EngineWindowHookTest, AWindowDestroyedWhileHookedLeavesNothingToRestore) {
  event = [](TMessage&, bool&) {};
  TEngineWindowHook hook(event, L"TChromium.BrowserCompWndProc");
  hook.SetHandle(browser);
  ASSERT_TRUE(hook.Install());
  DestroyWindow(browser);
  EXPECT_FALSE(hook.Installed());
  hook.Remove();  // touches no window
  EXPECT_EQ(hook.Handle(), nullptr);
}

TEST_F(EngineWindowHookTest, InstalledOnTheEngineThreadRemovedOnTheMainThread) {
  event = [](TMessage&, bool&) {};
  TEngineWindowHook hook(event, L"TChromium.RenderCompWndProc");
  HWND engineWindow = nullptr;
  LONG_PTR original = 0;
  HANDLE removed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread engine([&] {
    engineWindow = MakeWindow(L"Chrome_RenderWidgetHostHWND", L"Chrome Legacy Window", nullptr);
    original = GetWindowLongPtrW(engineWindow, GWLP_WNDPROC);
    hook.SetHandle(engineWindow);
    EXPECT_TRUE(hook.Install());
    // Stays alive (and owns its window) until the main thread has removed the hook.
    WaitForSingleObject(removed, 5000);
    DestroyWindow(engineWindow);
  });
  for (int i = 0; i < 500 && !hook.Installed(); ++i) Sleep(10);
  const bool installed = hook.Installed();
  EXPECT_TRUE(installed) << "not installed on the engine thread";
  if (installed) {
    hook.Remove();
    EXPECT_EQ(GetWindowLongPtrW(engineWindow, GWLP_WNDPROC), original);
  }
  SetEvent(removed);
  engine.join();
  CloseHandle(removed);
}

}  // namespace
