// The browser control's placement of the form that owns it: moves stay on the virtual desktop
// (never left of or above 0), and sizes are client sizes of at least 100.

#include <gtest/gtest.h>

#include <windows.h>

#include "browser/chromium.h"
#include "tests/support/ui_test_support.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/ui_task.h"

namespace {

class ChromiumPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Application().Initialize());
    ASSERT_TRUE(form.Create({.caption = L"Owner", .clientWidth = 300, .clientHeight = 200}));
  }
  void TearDown() override {
    form.Destroy();
    uitask::Destroy();
  }

  TForm form;
  TChromium chromium{&form};
  const int desktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int desktopHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
};

TEST_F(ChromiumPlacement, MovesStayOnTheVirtualDesktop) {
  chromium.MoveFormTo(-500, -20);
  EXPECT_EQ(form.Left(), 0);
  EXPECT_EQ(form.Top(), 0);
  chromium.MoveFormTo(desktopWidth, desktopHeight);
  EXPECT_EQ(form.Left(), desktopWidth - form.Width());
  EXPECT_EQ(form.Top(), desktopHeight - form.Height());
  chromium.MoveFormTo(10, 20);
  chromium.MoveFormBy(5, 7);
  EXPECT_EQ(form.Left(), 15);
  EXPECT_EQ(form.Top(), 27);
  chromium.SetFormLeftTo(40);
  chromium.SetFormTopTo(-3);
  EXPECT_EQ(form.Left(), 40);
  EXPECT_EQ(form.Top(), 0);
  // Each of these two moves its own coordinate only, where the other may lie.
  form.SetBounds({-50, -60, form.Width(), form.Height()});
  chromium.SetFormLeftTo(30);
  EXPECT_EQ(form.Top(), -60);
  chromium.SetFormTopTo(20);
  EXPECT_EQ(form.Left(), 30);
  EXPECT_EQ(form.Top(), 20);
}

TEST_F(ChromiumPlacement, SizesAreClientSizesOfAtLeastAHundred) {
  const int width = form.Width(), height = form.Height();
  chromium.ResizeFormWidthTo(250);
  EXPECT_EQ(form.ClientWidth(), 250);
  chromium.ResizeFormHeightTo(20);
  EXPECT_EQ(form.ClientHeight(), 100);
  EXPECT_NE(form.Width(), width);
  EXPECT_NE(form.Height(), height);
}

}  // namespace
