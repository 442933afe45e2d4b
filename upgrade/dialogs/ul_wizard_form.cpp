#include "upgrade/dialogs/ul_wizard_form.h"

#include <iterator>
#include <utility>

#include "ui/application.h"
#include "ui/ui_task.h"
#include "upgrade/dialogs/ul_dialog_support.h"
#include "upgrade/dialogs/ul_pictures.h"

namespace {

TulUplinerWizardForm* gInstance = nullptr;

void MoveTo(TWindow& window, int top) {
  TBounds bounds = window.Bounds();
  bounds.top = top;
  window.SetBounds(bounds);
}

}  // namespace

void TulUplinerWizardForm::ShowFor(TulUpliner& upliner) {
  const bool created = gInstance == nullptr;
  TulUplinerWizardForm* form = created ? new TulUplinerWizardForm() : gInstance;
  form->Upliner = &upliner;
  // Prepared once: the lines it moves must not move again.
  if (created) form->Prepare();
  form->Show();
}

TulUplinerWizardForm* TulUplinerWizardForm::Instance() { return gInstance; }

TulUplinerWizardForm::TulUplinerWizardForm() {
  gInstance = this;
  FFormFont.Create(L"宋体", 12, 0, GB2312_CHARSET);
  // The Chinese character set, so that a face without Chinese glyphs gives way to one with them.
  FTitleFont.Create(L"Times New Roman", 18, fsBold | fsItalic, GB2312_CHARSET);
  FAddressFont.Create(kSansSerifFace, 11);
  Create({.clientWidth = 485,
          .clientHeight = 291,
          .borderStyle = bsDialog,
          .borderIcons = biSystemMenu,
          .font = FFormFont.Handle()});
  Panel1.Create({.parent = this, .bounds = {10, 10, 120, 220}, .lowered = true});
  Image1.Create({.parent = &Panel1, .align = alClient, .bitmap = SidePicture()});
  WizardTitle.Create({.parent = this, .bounds = {136, 10, 0, 0}, .font = FTitleFont.Handle()});
  // Hidden until the end: it lies under the group boxes, which it would cover.
  AfterNote.Create({.parent = this,
                    .bounds = {136, 44, 319, 13},
                    .visible = false,
                    .wordWrap = true,
                    .autoSize = false});

  LCurrentFile.Create({.parent = this, .bounds = {136, 34, 319, 125}});
  LDownloadingFileFrom.Create({.parent = &LCurrentFile, .bounds = {6, 14, 0, 0}});
  // Read-only rather than deaf to keys: the address can still be selected and copied.
  FileURL.Create({.parent = &LCurrentFile,
                  .bounds = {10, 28, 301, 13},
                  .font = FAddressFont.Handle(),
                  .tabStop = false,
                  .readOnly = true,
                  .border = false});
  FileURL.SetColors(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_BTNFACE));
  LFileSize.Create({.parent = &LCurrentFile, .bounds = {6, 44, 0, 0}});
  LTransferRate.Create({.parent = &LCurrentFile, .bounds = {6, 60, 0, 0}});
  LEstimatedTime.Create({.parent = &LCurrentFile, .bounds = {6, 76, 0, 0}});
  ProgressCurrentFile.Create({.parent = &LCurrentFile, .bounds = {6, 96, 307, 22}});

  LAllFiles.Create({.parent = this, .bounds = {136, 162, 319, 67}});
  AllDownloading.Create({.parent = &LAllFiles, .bounds = {6, 16, 0, 0}});
  ProgressAllFiles.Create({.parent = &LAllFiles, .bounds = {6, 38, 307, 22}});

  // The same text twice, one pixel apart, over the bevel's line: an engraved legend.
  AboutLabel.Create({.parent = this,
                     .bounds = {30, 233, 0, 0},
                     .transparent = true,
                     .textColor = GetSysColor(COLOR_BTNSHADOW)});
  AboutShadow.Create(
      {.parent = this, .bounds = {31, 234, 0, 0}, .textColor = GetSysColor(COLOR_BTNHIGHLIGHT)});
  Bevel1.Create({.parent = this, .bounds = {10, 238, 447, 2}});

  FinishBtn.Create({.parent = this, .bounds = {280, 248, 75, 25}, .enabled = false});
  CancelBtn.Create(
      {.parent = this, .bounds = {388, 248, 75, 25}, .isDefault = true, .isCancel = true});
  FinishBtn.OnClick = [this] { Close(); };
  // Through the system menu's command, so that the button and the close box ask alike.
  CancelBtn.OnClick = [this] { PostMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); };

  OnClose = [this](TCloseAction& action) {
    FClosing = true;
    action = caFree;
  };
  OnDestroy = [this] {
    if (gInstance == this) gInstance = nullptr;
    if (TulUpliner* upliner = std::exchange(Upliner, nullptr)) upliner->ProgressClosed();
  };
}

TulUplinerWizardForm::~TulUplinerWizardForm() {
  if (gInstance == this) gInstance = nullptr;
}

void TulUplinerWizardForm::Prepare() {
  AboutLabel.SetText(L" 自动升级 ");
  AboutShadow.SetText(L" 自动升级 ");
  if (Upliner->Wizard.StayOnTop) SetStayOnTop(true);
  if (Upliner->Wizard.HideFileLocation) HideFileLocation();
  if (Upliner->Wizard.Pic118x218 != nullptr) Image1.SetBitmap(Upliner->Wizard.Pic118x218);
  LEstimatedTime.SetText(L"估计剩余时间");
  SetCaption(kUpgradeCaption);
  WizardTitle.SetText(L"文档下载中");
  LCurrentFile.SetText(L" 当前的文档 ");
  LAllFiles.SetText(L" 全部的文档 ");
  LDownloadingFileFrom.SetText(L"文档下载源");
  FinishBtn.SetText(L"[&N]下一个>");
  CancelBtn.SetText(L"[&C]取消");
}

// The size, rate and time lines take the place of the address lines.
void TulUplinerWizardForm::HideFileLocation() {
  FileURL.Hide();
  LDownloadingFileFrom.Hide();
  MoveTo(LFileSize, LDownloadingFileFrom.Top());
  MoveTo(LTransferRate, LFileSize.Top() + Scale(16));
  MoveTo(LEstimatedTime, LTransferRate.Top() + Scale(16));
  MoveTo(ProgressCurrentFile, LEstimatedTime.Top() + Scale(20));
  TBounds box = LCurrentFile.Bounds();
  box.top += Scale(10);
  box.height -= Scale(30);
  LCurrentFile.SetBounds(box);
}

void TulUplinerWizardForm::SetLine(TulProgressLine line, const std::wstring& text) {
  TWindow* const lines[] = {&FileURL, &AllDownloading, &LFileSize, &LTransferRate, &LEstimatedTime};
  if (line >= 0 && line < static_cast<int>(std::size(lines))) lines[line]->SetText(text);
}

void TulUplinerWizardForm::SetBars(int currentFile, int allFiles) {
  ProgressCurrentFile.SetPosition(currentFile);
  ProgressAllFiles.SetPosition(allFiles);
}

void TulUplinerWizardForm::Finish() {
  WizardTitle.SetText(L"升级完成！");
  AfterNote.SetText(Application().Title() + L"升级已经完成，\n\n请按[确定]按钮重新启动程序。");
  AfterNote.SetAutoSize(true);
  AfterNote.Show();
  LCurrentFile.Hide();
  LAllFiles.Hide();
  CancelBtn.SetEnabled(false);
  FinishBtn.SetText(L"[&O]确定");
  FinishBtn.SetEnabled(true);
  FinishBtn.SetFocus();
  SetDefaultButton(&FinishBtn);
}

LRESULT TulUplinerWizardForm::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_CLOSE) {
    AskToGiveUp();
    return 0;
  }
  return TForm::WndProc(message, wparam, lparam);
}

void TulUplinerWizardForm::AskToGiveUp() {
  const auto life = LifeToken();
  const int answer = MessageBoxW(Handle(), L"升级操作尚未完成，\n您确定要放弃升级吗？",
                                 Application().Title().c_str(), MB_YESNO | MB_ICONQUESTION);
  // The downloads went on meanwhile: their end may have closed the window, or even freed it.
  if (answer != IDYES || life.expired() || Handle() == nullptr) return;
  TulUpliner* upliner = Upliner;
  Close();
  if (upliner != nullptr) upliner->Abort(false);
}

// Closed by its owner's end rather than by Close: nobody else frees it.
void TulUplinerWizardForm::HandleDestroyed() {
  if (!FClosing) DeleteLater(this);
}
