#ifndef OSTREL_UPGRADE_DIALOGS_UL_UPLINER_DIALOGS_H_
#define OSTREL_UPGRADE_DIALOGS_UL_UPLINER_DIALOGS_H_

// TulUplinerDialogs: the upgrade controller's windows (the question, the progress window and
// the password prompt), each open at most once. Install it with `upliner.UI = &dialogs;` and
// destroy it before the controller: it closes the progress window without telling anyone.
// UI thread only.

#include "upgrade/controller/ul_upliner_ui.h"

class TulUplinerDialogs : public TulUplinerUi {
 public:
  TulUplinerDialogs() = default;
  ~TulUplinerDialogs() override;
  TulUplinerDialogs(const TulUplinerDialogs&) = delete;
  TulUplinerDialogs& operator=(const TulUplinerDialogs&) = delete;

  bool AskUpgrade(TulUpliner& upliner, const std::wstring& upgradeMsg) override;
  void ShowProgress(TulUpliner& upliner) override;
  bool ProgressShown() const override;
  void SetProgressLine(TulProgressLine line, const std::wstring& text) override;
  void SetProgressBars(int currentFile, int allFiles) override;
  void FinishProgress() override;
  void CloseProgress() override;
  bool AskPassword(TulUpliner& upliner, const std::wstring& fileName) override;
};

#endif  // OSTREL_UPGRADE_DIALOGS_UL_UPLINER_DIALOGS_H_
