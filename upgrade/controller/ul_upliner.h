#ifndef OSTREL_UPGRADE_CONTROLLER_UL_UPLINER_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_UPLINER_H_

// TulUpliner: keeps the application up to date. It is itself the HTTP client: it fetches the
// info file (always with the no-cache pragma), compares the version offered with its own and,
// when the server has a newer one with files, asks the user. Every outcome is an event on the
// main thread. Create, use and destroy it on the main thread.
//
// It hooks the client's OnDone, OnHTTPError, OnHostUnreachable and OnConnLost: the application
// uses the component's own events, which hide the client's of the same names.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/timer.h"
#include "ui/window.h"
#include "upgrade/controller/ul_info_file.h"
#include "upgrade/controller/ul_language.h"
#include "upgrade/controller/ul_rollback.h"
#include "upgrade/controller/ul_upliner_ui.h"
#include "upgrade/http/ul_http.h"
#include "upgrade/support/ul_crypto.h"
#include "upgrade/support/ul_string_list.h"
#include "upgrade/support/ul_utils.h"
#include "upgrade/support/ul_wait.h"

enum TulUplinerShowMessage : int {
  mAskUpgrade,
  mConnLost,
  mHostUnreachable,
  mLostFile,
  mNoInfoFile,
  mNoUpdateAvailable,
  mPasswordRequest,
};
using TulUplinerShowMessages = TulOptionSet<TulUplinerShowMessage>;
enum TzeMiscFilesUpgradeBehavior : int { mfuAlwaysDownload, mfuOnlyIfSizeDifferent };

// Authoring data for an info file; the check never reads it.
struct TulUplinerInfo {
  TulStringList Files;
  TzeUpgradeMethod UpgradeMethod = umSelfUpgrade;
  std::wstring UpgradeMsg;
};

struct TulUplinerWizard {
  bool Enabled = true;  // the progress window during downloads
  bool HideFileLocation = false;
  HBITMAP Pic118x218 = nullptr;  // shown instead of the built-in side picture; the owner keeps it
  bool StayOnTop = true;
};

class TulUpliner;
using TulUplinerEvent = std::function<void(TulUpliner& sender)>;
using TulBeginUpgradeEvent =
    std::function<void(TulUpliner& sender, const std::wstring& upgradeMsg,
                       TzeUpgradeMethod upgradeMethod, TulStringList& files, bool& canUpgrade)>;
using TulUplinerHostUnreachableEvent =
    std::function<void(TulUpliner& sender, const std::wstring& url, const std::wstring& hostname)>;
using TulEndUpgradeEvent = std::function<void(TulUpliner& sender, bool& restartImediately)>;
using TulUplinerProgressEvent =
    std::function<void(TulUpliner& sender, const std::wstring& fileURL, uint64_t fileSize,
                       uint64_t bytesRead, uint32_t elapsedTime, int64_t estimatedTimeLeft,
                       uint8_t percentsDone, uint8_t totalPercentsDone, float transferRate)>;
using TulFileStartEvent =
    std::function<void(TulUpliner& sender, const std::wstring& fileURL, uint64_t fileSize,
                       TDateTime fileTime, bool& canUpgrade)>;
using TulFileDoneEvent = std::function<void(TulUpliner& sender, const std::wstring& fileName)>;
using TulLostFileEvent = std::function<void(TulUpliner& sender, const std::wstring& fileURL,
                                            int errorCode, bool& continueUpgrade)>;
using TulUplinerPasswordEvent =
    std::function<void(TulUpliner& sender, const std::wstring& realm, bool& tryAgain)>;

class TulUpliner : public TulCustomHTTP {
 public:
  TulUpliner();
  ~TulUpliner() override;
  TulUpliner(const TulUpliner&) = delete;
  TulUpliner& operator=(const TulUpliner&) = delete;

  // Starts a check. Without `justCheckIsUpdateAvailable` returns at once (the outcome comes as
  // events); with it waits, handling messages, until the info file has been dealt with, never
  // asks and never downloads. Nothing starts while the worker runs; then only a pending info
  // file is waited for. Returns CanUpgrade().
  bool CheckUpdate(bool justCheckIsUpdateAvailable = false);
  // Stops whatever runs and raises OnAborted; `imediately` kills the worker instead of letting
  // it notice.
  void Abort(bool imediately);

  // The progress window has closed (OK after completion, or cancelled): ends the wait for it.
  void ProgressClosed();

  // Restarts the program through the updater, which puts the downloaded files in place first
  // (with incomplete downloads, their temporary files are deleted first). Empty `params`:
  // RestartParams and the upgrade method's digit. When the updater cannot be written or started
  // the program stays as it was: the user is told, the reason logged, the downloads deleted.
  void RestartApplication(const std::wstring& params = L"");
  // Deletes the application folder's "*.uTMP" files.
  static void DeleteTemporaryFiles();
  // Deletes the "*.uTMP" files of the queued targets, wherever they lie, and the application
  // folder's.
  void DeleteQueuedTemporaryFiles() const;

  // Once the properties are set: raises OnAfterRestart when the program's first argument is
  // RestartParams (as the updater restarts it); after an upgrade the updater had to put back,
  // logs why.
  void Loaded() { Loaded(FirstProgramArgument()); }
  void Loaded(const std::wstring& firstArgument);
  // The program is up, its main window shown and the engine working: tells the updater that
  // installed this version, which keeps the previous files until it hears so.
  void ReportRunning();
  // Once, after Loaded found that the last upgrade was put back: tells the user.
  void TellRolledBack();

  bool Aborted() const { return FAborted; }
  // Set once an update was found; later checks do not clear it.
  bool CanUpgrade() const { return FCanUpgrade; }
  TulStringList& DownloadQueue() { return FDownloadQueue; }
  bool QInfoStage() const { return FQueryInfoStage; }
  bool Restarting() const { return FRestarting; }
  void SetQInfoStage(bool value);

  const std::wstring& RestartParams() const { return FRestartParams; }
  void SetRestartParams(const std::wstring& value) {
    FRestartParams = value.empty() ? L" " : value;
  }
  bool StoresRestartParams() const { return FRestartParams != L"/afterupgrade"; }

  TulUplinerLanguage WizardLanguage() const { return FLanguage; }
  // The process's message language; wlAuto chooses it from the system's again.
  void SetWizardLanguage(TulUplinerLanguage language);

  // Checks once by itself, AutoCheckDelay ms after it is switched on (again after a check that
  // found the host unreachable); while the computer is offline it keeps waiting.
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool value);

  int AutoCheckDelay = 10000;  // ms
  TulCacheOptions CacheOptions{coReloadIfNoExpireInformation, coReloadUpdatedObjects,
                               coCreateTempFilesIfCantCache};
  TulUplinerInfo InfoFile;
  std::wstring InfoFileURL = L"http://";
  TzeMiscFilesUpgradeBehavior MiscFilesUpgrade = mfuAlwaysDownload;
  TulUplinerVersionControl VersionControl = byDate;
  std::wstring VersionDate;  // "MM/DD/YYYY", today's at construction
  bool VersionDateAutoSet = true;
  std::wstring VersionNumber;
  TulUplinerShowMessages ShowMessages{mAskUpgrade, mConnLost, mLostFile, mPasswordRequest};
  TulUplinerWizard Wizard;
  // The publisher's keys (at most kMostTrustedKeys; more than one while a key is replaced). With
  // any, an info file counts only when its last line signs the rest with one of them and it
  // gives every file's SHA-256; a download is installed only when it has that SHA-256. What the
  // signature or the SHA-256 vouches for needs no Content-Length to be known whole.
  std::vector<TulP256Key> PublicKeys;

  TulBeginUpgradeEvent OnBeginUpgrade;
  TulUplinerEvent OnLaterUpgrade;
  TulUplinerEvent OnAborted;
  TulUplinerEvent OnAfterRestart;
  TulUplinerEvent OnConnLost;
  TulUplinerHostUnreachableEvent OnHostUnreachable;
  TulUplinerEvent OnNoUpdateAvailable;
  TulUplinerEvent OnNoInfoFile;
  TulEndUpgradeEvent OnEndUpgrade;
  TulUplinerProgressEvent OnProgress;
  TulFileStartEvent OnFileStart;
  TulFileDoneEvent OnFileDone;
  TulLostFileEvent OnLostFile;
  TulUplinerPasswordEvent OnPasswordRequest;
  // Replaces closing the main window once the updater runs.
  TulUplinerEvent OnDoOwnCloseAppMethod;

  // The question, progress and password windows (the upgrade dialogs); none: a Yes/No box for
  // the question, no progress window and no password prompt.
  TulUplinerUi* UI = nullptr;

  // Shows the component's message boxes (text, caption, MB_... flags) and gives the button
  // pressed; unset: the system's message box.
  std::function<int(const std::wstring& text, const std::wstring& caption, UINT flags)> ShowMessage;

 private:
  void UpdateTimer();
  void AutoCheckTimer();
  void InfoStageDone(TulStream* stream);
  // The info file's text, once the key (if any) vouches for it; else nothing, and `refusal`
  // says why.
  std::optional<std::wstring> VouchedInfoText(TulStream* stream, std::wstring& refusal) const;
  void NoInfoFile();
  void Log(const std::wstring& line);
  // The download sequence (ul_upliner_download.cpp).
  void StartDownloads();
  void CurrentFile();
  void NextFile();
  void Finish();
  void FileStart(TulHTTPHeaderInfo& info);
  void FileProgress(const TulHTTPProgress& progress);
  void FileDone();
  // Why the file just downloaded may not be installed; empty when it may.
  std::wstring DownloadRefusal() const;
  std::wstring TargetOf(int index) const;
  void LostFile(int status);
  void PasswordRequest(const std::wstring& realm, bool& tryAgain);
  // Why the updater does not run; empty once it does.
  [[nodiscard]] std::wstring LaunchUpdater(const std::wstring& params);
  [[nodiscard]] DWORD WriteUpdater() const;    // ERROR_SUCCESS or the system's error
  [[nodiscard]] DWORD WriteQueueFile() const;  // likewise
  void HTTPError(int status);
  void HostUnreachable();
  void ConnLost();
  void StopTransfer();
  int Message(const std::wstring& text, UINT flags, const std::wstring& caption = L"软件升级精灵");
  bool Ask(const std::wstring& upgradeMsg);

  TMessageWindow FWindow;  // hears of the session ending
  TTimer FAutoCheckTimer;
  bool FAutoCheck = false;
  bool FAutoCheckDone = false;
  bool FAborted = false;
  bool FCanUpgrade = false;
  bool FJustCheckButDontUpgrade = false;
  bool FIsAutoCheck = false;
  bool FQueryInfoStage = false;
  bool FUpdatesReady = false;
  bool FRestarting = false;
  TzeUpgradeMethod FUpdateMethod = umSelfUpgrade;
  std::wstring FCurrentFileName;
  TDateTime FCurrentFileTime = 0;
  int FCurrentFileIndex = 0;
  TulStringList FDownloadQueue;
  TulWaitHandle FWaitHandle{INVALID_HANDLE_VALUE};
  std::wstring FRestartParams = L"/afterupgrade";
  TulUplinerLanguage FLanguage = wlAuto;
  std::optional<TulRollBack> FRollBack;  // what the updater said when it started this version
};

// The message language from the system's default language: once at the program's start.
void ChooseUplinerLanguage();

// Where the updater program is put to run: the temporary folder's "Zudarada4.exe".
const std::wstring& UpdaterProgramPath();

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_UPLINER_H_
