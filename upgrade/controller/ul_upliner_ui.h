#ifndef OSTREL_UPGRADE_CONTROLLER_UL_UPLINER_UI_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_UPLINER_UI_H_

// The windows through which the upgrade controller talks to the user: the question, the progress
// window and the password prompt. The upgrade dialogs implement it (they sit above the
// controller, which only knows this interface). Main thread only.

#include <string>

class TulUpliner;

// The progress window's lines the download sequence writes.
enum TulProgressLine : int {
  plFileURL,         // the address being downloaded
  plAllDownloading,  // "当前正在下载:" + n + " of " + count
  plFileSize,        // "文档大小:" ...
  plTransferRate,    // "传输速率:..."
  plEstimatedTime,   // "估计剩余时间:..."
};

class TulUplinerUi {
 public:
  virtual ~TulUplinerUi() = default;

  // Asks whether to upgrade, modally; true for Yes.
  virtual bool AskUpgrade(TulUpliner& upliner, const std::wstring& upgradeMsg) = 0;

  // Shows the progress window without blocking (at most one). Its closing, whichever way, calls
  // upliner.ProgressClosed(); cancelling it, once confirmed, calls upliner.Abort(false).
  virtual void ShowProgress(TulUpliner& upliner) = 0;
  virtual bool ProgressShown() const = 0;
  virtual void SetProgressLine(TulProgressLine line, const std::wstring& text) = 0;
  // Both bars, 0..100.
  virtual void SetProgressBars(int currentFile, int allFiles) = 0;
  // Switches the progress window to its completed state.
  virtual void FinishProgress() = 0;
  // Closes the progress window without asking, when it is shown.
  virtual void CloseProgress() = 0;

  // Asks for a user name and password for `fileName`, modally; on OK stores them in the
  // controller (SetUsername, SetPassword) and returns true.
  virtual bool AskPassword(TulUpliner& upliner, const std::wstring& fileName) = 0;
};

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_UPLINER_UI_H_
