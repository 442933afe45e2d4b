#ifndef OSTREL_UPGRADE_DIALOGS_UL_WIZARD_FORM_H_
#define OSTREL_UPGRADE_DIALOGS_UL_WIZARD_FORM_H_

// TulUplinerWizardForm: the progress window of the downloads, and at their end the note that the
// upgrade is complete. At most one is open; it frees itself when it closes, whichever way, and
// then tells its controller (ProgressClosed). Giving up before the end is asked first and aborts
// the upgrade. UI thread only.

#include "ui/controls.h"
#include "ui/font.h"
#include "upgrade/controller/ul_upliner.h"

class TulUplinerWizardForm : public TForm {
 public:
  // Prepares the window for `upliner` and shows it without waiting; shown already, it is only
  // linked to `upliner` again.
  static void ShowFor(TulUpliner& upliner);
  // The open progress window, or nullptr.
  static TulUplinerWizardForm* Instance();

  TulUplinerWizardForm();
  ~TulUplinerWizardForm() override;

  void SetLine(TulProgressLine line, const std::wstring& text);
  void SetBars(int currentFile, int allFiles);
  // The completed state: only OK is left, and it closes without a question.
  void Finish();

  TFont FFormFont;
  TFont FTitleFont;
  TFont FAddressFont;
  TPanel Panel1;
  TImage Image1;
  TLabel WizardTitle;
  TLabel AfterNote;
  TGroupBox LCurrentFile;
  TLabel LDownloadingFileFrom;
  TEdit FileURL;
  TLabel LFileSize;
  TLabel LTransferRate;
  TLabel LEstimatedTime;
  TProgressBar ProgressCurrentFile;
  TGroupBox LAllFiles;
  TLabel AllDownloading;
  TProgressBar ProgressAllFiles;
  TLabel AboutLabel;
  TLabel AboutShadow;
  TBevel Bevel1;
  TButton FinishBtn;
  TButton CancelBtn;
  // Told when the window closes and when the user gives up; nullptr: nobody is told.
  TulUpliner* Upliner = nullptr;

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;
  void HandleDestroyed() override;

 private:
  void Prepare();
  void HideFileLocation();
  void AskToGiveUp();
  bool FClosing = false;
};

#endif  // OSTREL_UPGRADE_DIALOGS_UL_WIZARD_FORM_H_
