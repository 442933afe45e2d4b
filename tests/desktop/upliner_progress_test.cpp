// The progress window: its texts and lines, the layout without the address, the caller's
// picture, the completed state, giving up (asked first, by the cancel button or the close box)
// and closing, which ends the controller's wait; one window at a time.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/loopback_server.h"
#include "tests/support/modal_test_support.h"
#include "tests/support/upliner_dialogs_fixture.h"
#include "upgrade/dialogs/ul_pictures.h"
#include "upgrade/dialogs/ul_wizard_form.h"

namespace {

using ui_test::Click;
using ui_test::MessageBoxOf;
using ui_test::PumpUntil;
using ui_test::WhenReady;

// A message box appearing on a machine busy with other builds.
constexpr DWORD kPatienceMs = 15000;
constexpr wchar_t kGiveUp[] = L"升级操作尚未完成，\n您确定要放弃升级吗？";

bool TopMost(const TWindow& window) {
  return (GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HANDLE ImageOf(const TImage& image) {
  return reinterpret_cast<HANDLE>(SendMessageW(image.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

class UplinerDialogsProgress : public ui_test::UplinerDialogsTest {
 protected:
  void SetUp() override {
    UplinerDialogsTest::SetUp();
    upliner.OnAborted = [this](TulUpliner&) { ++aborted; };
  }
  TulUplinerWizardForm& Shown() {
    dialogs.ShowProgress(upliner);
    return *TulUplinerWizardForm::Instance();
  }
  // Asks to give up through `ask` and answers `answer`; returns the question's text.
  std::wstring GiveUp(TulUplinerWizardForm& wizard, const std::function<void()>& ask, int answer) {
    HWND window = wizard.Handle();
    std::wstring text;
    std::wstring caption;
    WhenReady reply([window] { return MessageBoxOf(window) != nullptr; },
                    [&] {
                      HWND box = MessageBoxOf(window);
                      text = ui_test::MessageBoxText(box);
                      caption = ui_test::WindowText(box);
                      Click(GetDlgItem(box, answer));
                    });
    ask();
    EXPECT_TRUE(
        PumpUntil([&] { return reply.Done() && MessageBoxOf(window) == nullptr; }, kPatienceMs));
    EXPECT_EQ(caption, L"OstrelMini");
    return text;
  }
  int aborted = 0;
};

TEST_F(UplinerDialogsProgress, ShowsItsTextsAndLinesWithoutWaiting) {
  TulUplinerWizardForm& wizard = Shown();
  EXPECT_TRUE(dialogs.ProgressShown());
  EXPECT_TRUE(IsWindowVisible(wizard.Handle()));
  EXPECT_TRUE(TopMost(wizard));
  EXPECT_EQ(wizard.Text(), L"软件升级精灵");
  EXPECT_EQ(wizard.WizardTitle.Text(), L"文档下载中");
  EXPECT_EQ(wizard.LCurrentFile.Text(), L" 当前的文档 ");
  EXPECT_EQ(wizard.LAllFiles.Text(), L" 全部的文档 ");
  EXPECT_EQ(wizard.LDownloadingFileFrom.Text(), L"文档下载源");
  EXPECT_EQ(wizard.LEstimatedTime.Text(), L"估计剩余时间");
  EXPECT_EQ(wizard.AboutLabel.Text(), L" 自动升级 ");
  EXPECT_EQ(wizard.AboutShadow.Text(), L" 自动升级 ");
  EXPECT_EQ(wizard.FinishBtn.Text(), L"[&N]下一个>");
  EXPECT_FALSE(wizard.FinishBtn.Enabled());
  EXPECT_EQ(wizard.CancelBtn.Text(), L"[&C]取消");
  EXPECT_TRUE(wizard.CancelBtn.Enabled());
  EXPECT_EQ(ImageOf(wizard.Image1), SidePicture());

  dialogs.SetProgressLine(plFileURL, L"https://updates.example.org/pavix/x64/OstrelMini.exe");
  dialogs.SetProgressLine(plAllDownloading, L"当前正在下载:1 of 2");
  dialogs.SetProgressLine(plFileSize, L"文档大小:1,024.00Kb");
  dialogs.SetProgressLine(plTransferRate, L"传输速率:12.5 Kb/s");
  dialogs.SetProgressLine(plEstimatedTime, L"估计剩余时间:0:1:5");
  dialogs.SetProgressBars(40, 70);
  EXPECT_EQ(wizard.FileURL.Text(), L"https://updates.example.org/pavix/x64/OstrelMini.exe");
  EXPECT_EQ(wizard.AllDownloading.Text(), L"当前正在下载:1 of 2");
  EXPECT_EQ(wizard.LFileSize.Text(), L"文档大小:1,024.00Kb");
  EXPECT_EQ(wizard.LTransferRate.Text(), L"传输速率:12.5 Kb/s");
  EXPECT_EQ(wizard.LEstimatedTime.Text(), L"估计剩余时间:0:1:5");
  EXPECT_EQ(wizard.ProgressCurrentFile.Position(), 40);
  EXPECT_EQ(wizard.ProgressAllFiles.Position(), 70);
}

TEST_F(UplinerDialogsProgress, TheAddressCannotBeEditedButCanBeSelected) {
  TulUplinerWizardForm& wizard = Shown();
  dialogs.SetProgressLine(plFileURL, L"https://a.example/x.exe");
  SendMessageW(wizard.FileURL.Handle(), WM_CHAR, L'z', 1);
  EXPECT_EQ(wizard.FileURL.Text(), L"https://a.example/x.exe");
  wizard.FileURL.SelectAll();
  DWORD end = 0;
  SendMessageW(wizard.FileURL.Handle(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 23u);
}

TEST_F(UplinerDialogsProgress, WithoutTheAddressTheOtherLinesMoveUpOnce) {
  TulUplinerWizardForm& plain = Shown();
  const TBounds from = plain.LDownloadingFileFrom.Bounds();
  const TBounds box = plain.LCurrentFile.Bounds();
  const TBounds size = plain.LFileSize.Bounds();
  dialogs.CloseProgress();
  ASSERT_FALSE(dialogs.ProgressShown());

  upliner.Wizard.HideFileLocation = true;
  upliner.Wizard.StayOnTop = false;
  TulUplinerWizardForm& wizard = Shown();
  EXPECT_FALSE(TopMost(wizard));
  EXPECT_FALSE(IsWindowVisible(wizard.FileURL.Handle()));
  EXPECT_FALSE(IsWindowVisible(wizard.LDownloadingFileFrom.Handle()));
  const int s16 = wizard.Scale(16);
  const int s20 = wizard.Scale(20);
  EXPECT_EQ(wizard.LFileSize.Top(), from.top);
  EXPECT_LT(wizard.LFileSize.Top(), size.top);
  EXPECT_EQ(wizard.LTransferRate.Top(), from.top + s16);
  EXPECT_EQ(wizard.LEstimatedTime.Top(), from.top + 2 * s16);
  EXPECT_EQ(wizard.ProgressCurrentFile.Top(), from.top + 2 * s16 + s20);
  EXPECT_EQ(wizard.LCurrentFile.Top(), box.top + wizard.Scale(10));
  EXPECT_EQ(wizard.LCurrentFile.Height(), box.height - wizard.Scale(30));
  EXPECT_EQ(wizard.LFileSize.Left(), size.left);

  // Shown again while open: the same window, nothing moved twice.
  EXPECT_EQ(&Shown(), &wizard);
  EXPECT_EQ(wizard.LFileSize.Top(), from.top);
  EXPECT_EQ(wizard.LCurrentFile.Top(), box.top + wizard.Scale(10));
}

TEST_F(UplinerDialogsProgress, TheCallersPictureReplacesTheBuiltInOne) {
  BITMAP built_in{};
  ASSERT_NE(GetObjectW(SidePicture(), sizeof(built_in), &built_in), 0);
  EXPECT_EQ(built_in.bmWidth, 118);
  EXPECT_EQ(built_in.bmHeight, 218);

  HDC screen = GetDC(nullptr);
  HBITMAP own = CreateCompatibleBitmap(screen, 118, 218);
  ReleaseDC(nullptr, screen);
  upliner.Wizard.Pic118x218 = own;
  EXPECT_EQ(ImageOf(Shown().Image1), own);
  dialogs.CloseProgress();
  DeleteObject(own);
}

TEST_F(UplinerDialogsProgress, FinishLeavesOnlyOk) {
  TulUplinerWizardForm& wizard = Shown();
  dialogs.FinishProgress();
  EXPECT_EQ(wizard.WizardTitle.Text(), L"升级完成！");
  EXPECT_EQ(wizard.AfterNote.Text(), L"OstrelMini升级已经完成，\n\n请按[确定]按钮重新启动程序。");
  EXPECT_TRUE(IsWindowVisible(wizard.AfterNote.Handle()));
  EXPECT_TRUE(wizard.AfterNote.AutoSize());
  EXPECT_GT(wizard.AfterNote.Height(), 3 * wizard.Scale(12) - 1);
  EXPECT_FALSE(IsWindowVisible(wizard.LCurrentFile.Handle()));
  EXPECT_FALSE(IsWindowVisible(wizard.LAllFiles.Handle()));
  EXPECT_FALSE(wizard.CancelBtn.Enabled());
  EXPECT_EQ(wizard.FinishBtn.Text(), L"[&O]确定");
  EXPECT_TRUE(wizard.FinishBtn.Enabled());
  EXPECT_TRUE(wizard.FinishBtn.Focused());
}

TEST_F(UplinerDialogsProgress, OkAfterFinishClosesWithoutAQuestion) {
  TulUplinerWizardForm& wizard = Shown();
  HWND window = wizard.Handle();
  dialogs.FinishProgress();
  bool asked = false;
  WhenReady watch([window] { return MessageBoxOf(window) != nullptr; },
                  [&] {
                    asked = true;
                    Click(GetDlgItem(MessageBoxOf(window), IDNO));
                  });
  Click(wizard.FinishBtn.Handle());
  EXPECT_FALSE(dialogs.ProgressShown());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(asked);
  EXPECT_EQ(aborted, 0);
}

TEST_F(UplinerDialogsProgress, TheCloseBoxAsksAndNoKeepsTheDownloadsGoing) {
  TulUplinerWizardForm& wizard = Shown();
  HWND window = wizard.Handle();
  EXPECT_EQ(GiveUp(
                wizard, [window] { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDNO),
            kGiveUp);
  EXPECT_TRUE(dialogs.ProgressShown());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(aborted, 0);
}

TEST_F(UplinerDialogsProgress, CancelAsksAndYesClosesAndAborts) {
  TulUplinerWizardForm& wizard = Shown();
  HWND window = wizard.Handle();
  EXPECT_EQ(GiveUp(
                wizard, [&] { Click(wizard.CancelBtn.Handle()); }, IDYES),
            kGiveUp);
  EXPECT_FALSE(dialogs.ProgressShown());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(aborted, 1);
  EXPECT_TRUE(upliner.Aborted());
}

TEST_F(UplinerDialogsProgress, AfterFinishTheCloseBoxStillAsksAndYesAborts) {
  TulUplinerWizardForm& wizard = Shown();
  HWND window = wizard.Handle();
  dialogs.FinishProgress();
  EXPECT_EQ(GiveUp(
                wizard, [window] { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDYES),
            kGiveUp);
  EXPECT_FALSE(dialogs.ProgressShown());
  EXPECT_EQ(aborted, 1);
}

// A transfer that stops closes the window (and with it the question) while the user is asked.
TEST_F(UplinerDialogsProgress, ClosedWhileAskingItNeitherAbortsNorFails) {
  HWND window = Shown().Handle();
  WhenReady transferStops([window] { return MessageBoxOf(window) != nullptr; },
                          [this] { dialogs.CloseProgress(); });
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(PumpUntil([&] { return transferStops.Done() && !IsWindow(window); }, kPatienceMs));
  EXPECT_FALSE(dialogs.ProgressShown());
  EXPECT_EQ(aborted, 0);
}

TEST_F(UplinerDialogsProgress, OneWindowHowEverOftenShown) {
  TulUplinerWizardForm& first = Shown();
  EXPECT_EQ(&Shown(), &first);
  EXPECT_EQ(ui_test::VisibleWindowsCaptioned(L"软件升级精灵"), 1);
}

// A check that waits for its info file is the one wait of the controller a test can start; the
// window's closing must end it like the wait after the downloads.
TEST_F(UplinerDialogsProgress, ClosingTheWindowEndsTheControllersWait) {
  test_support::LoopbackServer server(
      {{"/info.inf", {.content_type = "text/plain", .body = "#version=0.1\r\n", .hold_after = 3}}});
  ASSERT_NE(server.port(), 0);
  upliner.VersionControl = byNumber;
  upliner.VersionNumber = L"1.0";
  upliner.InfoFileURL = server.Url("/info.inf");
  WhenReady closeAfterFinish([] { return true; },
                             [this] {
                               dialogs.ShowProgress(upliner);
                               dialogs.FinishProgress();
                               Click(TulUplinerWizardForm::Instance()->FinishBtn.Handle());
                             });
  upliner.CheckUpdate(true);
  EXPECT_TRUE(closeAfterFinish.Done());
  EXPECT_FALSE(dialogs.ProgressShown());
  EXPECT_TRUE(upliner.Busy());  // the info file is still on its way
  upliner.Abort(false);
  server.Release();
  EXPECT_TRUE(PumpUntil([&] { return !upliner.Busy(); }, 20000));
}

}  // namespace
