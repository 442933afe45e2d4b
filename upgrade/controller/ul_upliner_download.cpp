// The download sequence after the user agreed to an update: every listed file is fetched into a
// temporary file beside its target ("<target>.uTMP"), one after the other, each started from the
// completion of the one before; then the updater program, written from the program's resources,
// moves them into place once the program has closed, and restarts it.

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cwctype>

#include "base/files.h"
#include "base/text.h"
#include "ui/application.h"
#include "ui/form.h"
#include "upgrade/controller/ul_download_texts.h"
#include "upgrade/controller/ul_installation.h"
#include "upgrade/controller/ul_updater_rights.h"
#include "upgrade/controller/ul_upliner.h"
#include "upgrade/support/ul_utils.h"

namespace {

constexpr wchar_t kTemporarySuffix[] = L".uTMP";

std::wstring QueueFilePath() { return GetSpecialFolder(sfTemp) + L"UpgraderQueue.txt"; }

// "1,234.50" in the user's number format.
std::wstring LocaleNumber(double value) {
  const std::wstring plain = std::to_wstring(value);
  NUMBERFMTW format{};
  wchar_t decimal[8] = L".", thousand[8] = L",";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, 8);
  format.NumDigits = 2;
  format.Grouping = 3;
  format.lpDecimalSep = decimal;
  format.lpThousandSep = thousand;
  format.NegativeOrder = 1;
  wchar_t text[64] = {};
  if (GetNumberFormatW(LOCALE_USER_DEFAULT, 0, plain.c_str(), &format, text, 64) == 0) return plain;
  return text;
}

// " (error N)" for the log.
std::wstring SystemError(DWORD error) { return L" (error " + std::to_wstring(error) + L")"; }

// How long the updater gives the new version to say that it runs: its own limit, unless
// OSTREL_UPGRADE_START_LIMIT (seconds) in the environment asks for another (the tests do).
std::wstring StartLimitOption() {
  wchar_t text[16];
  const DWORD length = GetEnvironmentVariableW(L"OSTREL_UPGRADE_START_LIMIT", text, 16);
  const std::wstring_view seconds(text, length < 16 ? length : 0);
  if (seconds.empty() || !std::ranges::all_of(seconds, iswdigit)) return {};
  return L"/startlimit:" + std::wstring(seconds) + L" ";
}

// The system's error of a call that failed, and one at all when it left none.
DWORD ErrorOfFailure() {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
}

}  // namespace

void TulUpliner::StartDownloads() {
  // What an earlier upgrade left (a file cut short when its connection was lost) would be moved
  // into place by the updater's folder scan along with this upgrade's files.
  DeleteTemporaryFiles();
  SetQInfoStage(false);
  FUpdatesReady = false;
  FCurrentFileIndex = 0;
  if (Wizard.Enabled && UI != nullptr) UI->ShowProgress(*this);
  CurrentFile();
}

void TulUpliner::NextFile() {
  ++FCurrentFileIndex;
  CurrentFile();
}

void TulUpliner::CurrentFile() {
  const int count = FDownloadQueue.Count();
  if (FCurrentFileIndex >= count) {
    Finish();
    return;
  }
  const std::wstring address = FDownloadQueue.GetName(FCurrentFileIndex);
  FCurrentFileName = address;
  if (UI != nullptr) {
    UI->SetProgressLine(plFileURL, address);
    UI->SetProgressLine(plAllDownloading, AllDownloadingText(FCurrentFileIndex, count));
  }
  URL = address;
  const std::wstring target = TargetOf(FCurrentFileIndex);
  if (!FDownloadQueue.GetValue(FCurrentFileIndex).empty())
    FDownloadQueue.SetValue(FCurrentFileIndex, target);
  SHCreateDirectoryExW(nullptr, std::wstring(ExtractFilePath(target)).c_str(),
                       nullptr);  // fails when it exists
  FCurrentFileName = target + kTemporarySuffix;
  FCurrentFileTime = 0;
  OutputFileName = FCurrentFileName;
  // A file cut short would be installed: where no SHA-256 vouches for what arrives, only an
  // announced length tells a whole file from a part.
  LengthRequired = QueuedSha256(FDownloadQueue, FCurrentFileIndex) == nullptr;
  Read();
}

std::wstring TulUpliner::TargetOf(int index) const {
  std::wstring target = FDownloadQueue.GetValue(index);
  if (target.empty()) return DefaultTarget(FDownloadQueue.GetName(index), ApplicationFolder());
  target = ExpandPath(target, true);
  return ExtractFilePath(target).empty() ? ApplicationFolder() + target : target;
}

void TulUpliner::FileStart(TulHTTPHeaderInfo& info) {
  FCurrentFileTime = info.LastModified;
  if (UI != nullptr) {
    UI->SetProgressLine(plFileSize,
                        L"文档大小:" + LocaleNumber(info.ContentLength / 1024.0) + L"Kb");
  }
  bool canUpgrade = info.ContinueDownload;
  if (MiscFilesUpgrade == mfuOnlyIfSizeDifferent && FDownloadQueue.Count() > 1) {
    const std::wstring target = TargetOf(FCurrentFileIndex);
    const std::wstring name = target.substr(target.find_last_of(L'\\') + 1);
    const std::wstring own = ApplicationFile().substr(ApplicationFile().find_last_of(L'\\') + 1);
    const TulSha256* sha256 = QueuedSha256(FDownloadQueue, FCurrentFileIndex);
    if (CompareStringOrdinal(name.c_str(), -1, own.c_str(), -1, TRUE) != CSTR_EQUAL &&
        GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
      // A file of the same size may still differ: where the content is known, it decides.
      if (sha256 != nullptr) {
        canUpgrade = FileSha256(target) != *sha256;
      } else if (info.ContentLength != 0) {
        canUpgrade = GetFileSizeOf(target) != info.ContentLength;
      }
    }
  }
  if (OnFileStart) OnFileStart(*this, URL, info.ContentLength, FCurrentFileTime, canUpgrade);
  info.ContinueDownload = canUpgrade;
}

void TulUpliner::FileProgress(const TulHTTPProgress& progress) {
  const uint8_t total =
      TotalPercentsDone(FCurrentFileIndex, FDownloadQueue.Count(), progress.PercentsDone);
  if (OnProgress) {
    OnProgress(*this, URL, progress.DataSize, progress.BytesRead, progress.ElapsedTime,
               progress.EstimatedTimeLeft, progress.PercentsDone, total, progress.TransferRate);
  }
  if (UI == nullptr) return;
  UI->SetProgressBars(progress.PercentsDone, total);
  UI->SetProgressLine(plTransferRate, TransferRateText(progress.TransferRate));
  UI->SetProgressLine(plEstimatedTime, EstimatedTimeText(progress.EstimatedTimeLeft));
}

void TulUpliner::FileDone() {
  if (const std::wstring refusal = DownloadRefusal(); !refusal.empty()) {
    Log(refusal);
    const std::wstring name = FileName();
    Abort(false);
    Message(RefusedFileText(name), MB_OK | MB_ICONERROR);
    return;
  }
  if (FCurrentFileTime != 0) SetFileTimes(FCurrentFileName, FCurrentFileTime, FCurrentFileTime, -1);
  if (OnFileDone) OnFileDone(*this, FCurrentFileName);
  NextFile();
}

std::wstring TulUpliner::DownloadRefusal() const {
  const TulSha256* expected = QueuedSha256(FDownloadQueue, FCurrentFileIndex);
  if (expected == nullptr) {
    // Entries the application added itself (OnBeginUpgrade) have none either.
    return PublicKeys.empty() ? std::wstring() : L"Upgrade refused: no SHA-256 for " + URL;
  }
  const std::optional<TulSha256> actual = FileSha256(FCurrentFileName);
  if (!actual) return L"Upgrade refused: cannot read the download of " + URL;
  if (*actual != *expected)
    return L"Upgrade refused: the SHA-256 of " + URL + L" is not the listed one";
  return {};
}

void TulUpliner::LostFile(int status) {
  bool continueUpgrade = false;
  if (OnLostFile) OnLostFile(*this, URL, status, continueUpgrade);
  if (ShowMessages.Has(mLostFile)) {
    continueUpgrade = Message(LostFileText(FileName()), MB_YESNO | MB_ICONWARNING | MB_SYSTEMMODAL,
                              L"错误 #" + std::to_wstring(status)) == IDYES;
  }
  if (continueUpgrade) {
    NextFile();
  } else {
    Abort(false);
  }
}

void TulUpliner::PasswordRequest(const std::wstring& realm, bool& tryAgain) {
  if (OnPasswordRequest) OnPasswordRequest(*this, realm, tryAgain);
  if (!tryAgain && ShowMessages.Has(mPasswordRequest) && UI != nullptr) {
    tryAgain = UI->AskPassword(*this, FileName());
  }
  if (!tryAgain) Abort(false);
}

void TulUpliner::Finish() {
  if (UI != nullptr && UI->ProgressShown()) {
    UI->FinishProgress();
    WaitForSignal(FWaitHandle, 0, true);
    if (FAborted) return;
  }
  FUpdatesReady = true;
  bool restartImediately = true;
  if (OnEndUpgrade) OnEndUpgrade(*this, restartImediately);
  if (restartImediately) RestartApplication();
}

void TulUpliner::RestartApplication(const std::wstring& params) {
  if (!FUpdatesReady) DeleteQueuedTemporaryFiles();
  if (const std::wstring failure = LaunchUpdater(params); !failure.empty()) {
    // The program goes on as it was: a later updater run would install whatever this upgrade
    // left, so nothing of it stays.
    Log(L"Upgrade not installed: " + failure);
    DeleteQueuedTemporaryFiles();
    DeleteFileW(QueueFilePath().c_str());
    DeleteFileW(UpdaterProgramPath().c_str());
    FUpdatesReady = false;
    Message(UpdaterNotStartedText(), MB_OK | MB_ICONERROR);
    return;
  }
  FRestarting = true;
  if (OnDoOwnCloseAppMethod) {
    OnDoOwnCloseAppMethod(*this);
  } else if (TForm* main = Application().MainForm()) {
    main->Close();  // the main window's own close handshake ends the program
  } else {
    Application().Terminate();
  }
}

std::wstring TulUpliner::LaunchUpdater(const std::wstring& params) {
  if (const DWORD error = WriteUpdater(); error != ERROR_SUCCESS)
    return L"the updater could not be written to " + UpdaterProgramPath() + SystemError(error);
  if (const DWORD error = WriteQueueFile(); error != ERROR_SUCCESS)
    return L"the list of files could not be written to " + QueueFilePath() + SystemError(error);
  const std::wstring arguments =
      StartLimitOption() +
      UpdaterArguments(ApplicationFile(),
                       params.empty()
                           ? FRestartParams + std::to_wstring(static_cast<int>(FUpdateMethod))
                           : params);
  std::vector<std::wstring> paths{ApplicationFolder()};
  for (int index = 0; index < FDownloadQueue.Count(); ++index) paths.push_back(TargetOf(index));
  const bool elevate =
      UpdaterNeedsElevation(InstallationOf(ApplicationFolder()) == inAllUsers, paths, MayReplace);
  Log(elevate ? L"Upgrade: the updater is started with administrator rights"
              : L"Upgrade: the updater is started with the user's rights");
  // Through the shell, which asks the user for administrator rights (who may decline:
  // ERROR_CANCELLED) where CreateProcess would refuse them.
  SHELLEXECUTEINFOW launch{.cbSize = sizeof(SHELLEXECUTEINFOW),
                           .fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI,
                           .lpVerb = elevate ? L"runas" : nullptr,
                           .lpFile = UpdaterProgramPath().c_str(),
                           .lpParameters = arguments.c_str(),
                           .nShow = SW_SHOWNORMAL};
  if (!ShellExecuteExW(&launch))
    return L"the updater could not be started" + SystemError(ErrorOfFailure());
  return {};
}

DWORD TulUpliner::WriteUpdater() const {
  std::string updater;
  if (!LoadResourceToStream(nullptr, L"ULUPG", L"ULUPG", updater))
    return ERROR_RESOURCE_NAME_NOT_FOUND;
  return WriteWholeFile(UpdaterProgramPath(), updater, FILE_ATTRIBUTE_TEMPORARY);
}

// One line a file whose target was given: the updater moves "<line>.uTMP" to "<line>". The
// others lie in the program's folder, where the updater finds them by name.
DWORD TulUpliner::WriteQueueFile() const {
  const std::wstring path = QueueFilePath();
  // A queue left by an earlier upgrade must not be replayed by this one's updater.
  if (!DeleteFileW(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return GetLastError();
  return FDownloadQueue.WriteValuesToFile(path) ? ERROR_SUCCESS : ErrorOfFailure();
}

// Those beside targets in other folders (sub\bar.dat, %appdata%\x.ini) too, which the folder's
// search does not see.
void TulUpliner::DeleteQueuedTemporaryFiles() const {
  for (int index = 0; index < FDownloadQueue.Count(); ++index)
    DeleteFileW((TargetOf(index) + kTemporarySuffix).c_str());
  DeleteTemporaryFiles();
}

void TulUpliner::DeleteTemporaryFiles() {
  const std::wstring folder = ApplicationFolder();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*" + kTemporarySuffix).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}
