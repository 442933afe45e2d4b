// The main window at 150 % (144 dots per inch) on the 1280 x 1024 test screen, where its design
// size no longer fits. The screen's DPI is a setting of the whole Wine prefix that each program
// reads at its start, so these tests run alone (RUN_SERIAL) and put the setting back.

#include <windows.h>

#include <commctrl.h>

#include "tests/e2e/commands_support.h"
#include "tests/e2e/running_program.h"

namespace e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

void SetScreenDpi(DWORD dpi) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
  RegCloseKey(key);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

class MainWindowDpi : public RunningProgram {
 protected:
  void TearDown() override { SetScreenDpi(96); }

  // Starts the program at `dpi`; the main window's and its status bar's rectangles once the page
  // is there, then closes it.
  std::pair<RECT, RECT> WindowAndStatusBarAt(DWORD dpi) {
    SetScreenDpi(dpi);
    auto program = Launch();
    HWND window = WaitForLoadedWindow(*program);
    if (window == nullptr) return {};
    const RECT status_bar = WindowRect(FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr));
    const RECT rect = WindowRect(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitForExit(kStartTimeout), std::optional<DWORD>(0));
    return {rect, status_bar};
  }
};

TEST_F(MainWindowDpi, AtOneAndAHalfTimesItIsFittedIntoTheScreenWithItsControlsScaled) {
  const auto [window96, status96] = WindowAndStatusBarAt(96);
  const auto [window144, status144] = WindowAndStatusBarAt(144);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);

  EXPECT_LT(window96.right - window96.left, work.right - work.left) << "fits unscaled";
  EXPECT_GE(window144.left, work.left);
  EXPECT_GE(window144.top, work.top);
  EXPECT_LE(window144.right, work.right);
  EXPECT_LE(window144.bottom, work.bottom);
  EXPECT_GT(window144.right - window144.left, window96.right - window96.left);
  const int height96 = status96.bottom - status96.top;
  const int height144 = status144.bottom - status144.top;
  EXPECT_GE(height144 * 10, height96 * 13) << "status bar " << height96 << " -> " << height144;
  EXPECT_TRUE(status144.left >= window144.left && status144.right <= window144.right &&
              status144.top >= window144.top && status144.bottom <= window144.bottom)
      << "the status bar stays inside the fitted window";
}

class PreferencesDpi : public Commands {
 protected:
  void SetUp() override {
    SetScreenDpi(144);
    Commands::SetUp();
  }
  void TearDown() override {
    Commands::TearDown();
    SetScreenDpi(96);
  }
};

TEST_F(PreferencesDpi, AtOneAndAHalfTimesTheDialogIsScaledAndOnTheScreen) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  ChooseConfigItem(kPreferences);
  HWND dialog = program_->WaitForWindow(L"Preferences", kStartTimeout);
  ASSERT_NE(dialog, nullptr);
  RECT client{}, rect{}, work{};
  GetClientRect(dialog, &client);
  GetWindowRect(dialog, &rect);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // Designed as 428 x 388 at 96 dots per inch.
  EXPECT_NEAR(client.right, 642, 1);
  EXPECT_NEAR(client.bottom, 582, 1);
  EXPECT_TRUE(rect.left >= work.left && rect.top >= work.top && rect.right <= work.right &&
              rect.bottom <= work.bottom);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, kStartTimeout));
}

}  // namespace
}  // namespace e2e
