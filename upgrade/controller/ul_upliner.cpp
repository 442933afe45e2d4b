#include "upgrade/controller/ul_upliner.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "base/handle.h"
#include "base/log.h"
#include "base/ui_thread.h"
#include "ui/ui_error.h"
#include "upgrade/controller/ul_download_texts.h"
#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/controller/ul_installation.h"
#include "upgrade/controller/ul_version.h"
#include "upgrade/support/ul_upgrade_protocol.h"
#include "upgrade/support/ul_utils.h"

namespace {

TDateTimeParts Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

std::string BodyBytes(TulStream* stream) {
  if (stream == nullptr) return {};
  std::string bytes(static_cast<size_t>(stream->Size()), '\0');
  stream->Seek(0);
  bytes.resize(stream->Read(bytes.data(), bytes.size()));
  return bytes;
}

}  // namespace

TulUpliner::TulUpliner() {
  OutputFileAttributes = {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY,
                          FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY};
  TulCustomHTTP::OnHeaderInfo = [this](TulCustomHTTP&, TulHTTPHeaderInfo& info) {
    if (!FQueryInfoStage) FileStart(info);
  };
  TulCustomHTTP::OnProgress = [this](TulCustomHTTP&, const TulHTTPProgress& progress) {
    if (!FQueryInfoStage) FileProgress(progress);
  };
  TulCustomHTTP::OnDone = [this](TulCustomHTTP&, const std::wstring&, uint64_t, TulStream* stream) {
    if (FQueryInfoStage) {
      InfoStageDone(stream);
    } else {
      FileDone();
    }
  };
  TulCustomHTTP::OnDoneInterrupted = [this](TulCustomHTTP&) {
    if (!FQueryInfoStage) NextFile();
  };
  TulCustomHTTP::OnHTTPError = [this](TulCustomHTTP&, int status, TulStream*) {
    HTTPError(status);
  };
  TulCustomHTTP::OnPasswordRequest = [this](TulCustomHTTP&, const std::wstring& realm,
                                            bool& tryAgain) { PasswordRequest(realm, tryAgain); };
  TulCustomHTTP::OnHostUnreachable = [this](TulCustomHTTP&) { HostUnreachable(); };
  TulCustomHTTP::OnConnLost = [this](TulCustomHTTP&, const std::wstring&, uint64_t, uint64_t,
                                     TulStream*) { ConnLost(); };
  DeleteFileW(UpdaterProgramPath().c_str());  // left by the last upgrade
  // Left by a download that never ended (the program was ended, the connection lost): the
  // updater would install whatever it finds of them next time.
  DeleteTemporaryFiles();
  VersionDate = VersionDateText(Today());
  // Top-level: a message-only window would never hear of the session ending, which it agrees to.
  FWindow.OnMessage = [](UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_QUERYENDSESSION) return false;
    result = 1;
    return true;
  };
  if (!FWindow.Create(true))
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "TulUpliner window");
  FAutoCheckTimer.OnTimer = [this] { AutoCheckTimer(); };
}

TulUpliner::~TulUpliner() { SetAutoCheck(false); }

void TulUpliner::SetAutoCheck(bool value) {
  FAutoCheck = value;
  UpdateTimer();
}

void TulUpliner::UpdateTimer() {
  FAutoCheckTimer.SetEnabled(false);
  if (FAutoCheck && !FAutoCheckDone && AutoCheckDelay > 0) {
    FAutoCheckTimer.SetInterval(static_cast<unsigned>(AutoCheckDelay));
    FAutoCheckTimer.SetEnabled(true);
    if (!FAutoCheckTimer.Ticking()) throw std::runtime_error("Not enough timers available");
  }
}

void TulUpliner::AutoCheckTimer() {
  // Offline, the timer stays and asks again after the same delay.
  if (!IsConnectedToNetwork() || !FAutoCheck) return;
  FAutoCheckDone = true;
  UpdateTimer();
  CheckUpdate(false);
  FIsAutoCheck = true;
}

bool TulUpliner::CheckUpdate(bool justCheckIsUpdateAvailable) {
  AssertUiThread();
  if (justCheckIsUpdateAvailable) FJustCheckButDontUpgrade = true;
  FAborted = false;
  FIsAutoCheck = false;
  if (!ThreadBusy()) {
    SetQInfoStage(true);
    URL = InfoFileURL;
    OutputFileName.clear();
    // A cut-off info file may list fewer files: without a signature to vouch for it, only an
    // announced length tells a whole one from a part.
    LengthRequired = PublicKeys.empty();
    Read();
  }
  // Only an info file on its way signals the end of the wait. A worker still ending (a check
  // from an event of the last one) or a file download would leave it waiting for ever.
  if (justCheckIsUpdateAvailable && Busy() && FQueryInfoStage) {
    WaitForSignal(FWaitHandle, 0, true);
  }
  FJustCheckButDontUpgrade = false;
  return FCanUpgrade;
}

void TulUpliner::Abort(bool imediately) {
  AssertUiThread();
  FAborted = true;
  // The file being written goes with the transfer: the worker may still hold it open now.
  TulCustomHTTP::Abort(true, imediately);
  // A check waiting for the info file would otherwise wait for ever: no event of the stopped
  // transfer follows.
  SignalWaitHandle(FWaitHandle);
  if (UI != nullptr) UI->CloseProgress();
  DeleteQueuedTemporaryFiles();
  if (OnAborted) OnAborted(*this);
}

void TulUpliner::ProgressClosed() { SignalWaitHandle(FWaitHandle); }

void TulUpliner::Loaded(const std::wstring& firstArgument) {
  if (OnAfterRestart && firstArgument == FRestartParams) OnAfterRestart(*this);
  FRollBack = ReadRollBack(firstArgument);
  if (FRollBack) Log(FRollBack->LogLine);
}

void TulUpliner::ReportRunning() {
  // Settings → Apps names the version that runs, the upgraded one too.
  if (!RecordInstalledVersion(InstallationOf(ApplicationFolder()), ApplicationFolder(),
                              VersionNumber)) {
    Log(L"The installed version " + VersionNumber + L" could not be entered in the list of apps");
  }
  const std::wstring variable(kStartedEventVariable.begin(), kStartedEventVariable.end());
  wchar_t name[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(variable.c_str(), name, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  // The programs this one starts were not installed by that updater.
  SetEnvironmentVariableW(variable.c_str(), nullptr);
  if (const THandle started{OpenEventW(EVENT_MODIFY_STATE, FALSE, name)}) SetEvent(started.get());
}

void TulUpliner::TellRolledBack() {
  if (const std::optional<TulRollBack> rollBack = std::exchange(FRollBack, std::nullopt))
    Message(rollBack->UserText, MB_OK | MB_ICONWARNING);
}

void TulUpliner::SetQInfoStage(bool value) {
  FQueryInfoStage = value;
  TulCustomHTTP::CacheOptions = CacheOptions;
  if (value) TulCustomHTTP::CacheOptions.Include(coPragmaNoCache);
}

void TulUpliner::SetWizardLanguage(TulUplinerLanguage language) {
  if (language == FLanguage) return;
  FLanguage = language;
  if (language == wlAuto) {
    ChooseUplinerLanguage();
  } else {
    SetMessageBase(MessageBaseOf(language));
  }
}

// The signature is checked on the bytes as served, before they are decoded, and only the signed
// part is read: nothing after the signature line can add a key.
std::optional<std::wstring> TulUpliner::VouchedInfoText(TulStream* stream,
                                                        std::wstring& refusal) const {
  const std::string bytes = BodyBytes(stream);
  if (PublicKeys.empty()) return FromAnsi(bytes);
  const std::optional<TulSignedInfo> signedInfo = SplitSignedInfo(bytes);
  if (!signedInfo) {
    refusal = L"Upgrade info file refused: it carries no signature - URL:" + InfoFileURL;
    return std::nullopt;
  }
  if (std::ranges::none_of(PublicKeys, [&](const TulP256Key& key) {
        return VerifyP256(key, signedInfo->Signed, signedInfo->Signature);
      })) {
    refusal = L"Upgrade info file refused: its signature does not verify - URL:" + InfoFileURL;
    return std::nullopt;
  }
  return FromAnsi(SignedInfoText(signedInfo->Signed));
}

void TulUpliner::InfoStageDone(TulStream* stream) {
  std::wstring refusal;
  const std::optional<std::wstring> text = VouchedInfoText(stream, refusal);
  const TulInfoText info(text.value_or(std::wstring()));
  const TulLocalVersion local{VersionControl, VersionNumber, VersionDate, Today()};
  const bool offered = text && OffersUpgrade(info, local, FDownloadQueue);
  if (offered && !PublicKeys.empty()) {
    if (const std::wstring unhashed = FirstEntryWithoutSha256(FDownloadQueue); !unhashed.empty())
      refusal = L"Upgrade info file refused: it gives no SHA-256 for " + unhashed;
  }
  if (!refusal.empty()) {
    // A refused file counts as none: it offers nothing.
    FDownloadQueue.Clear();
    Log(refusal);
    NoInfoFile();
    return;
  }
  if (offered) {
    FCanUpgrade = true;
    const std::wstring upgradeMsg = info.BracedValue(L"#message");
    FUpdateMethod = ReadUpgradeMethod(info);
    bool canUpgrade = FCanUpgrade;
    if (OnBeginUpgrade)
      OnBeginUpgrade(*this, upgradeMsg, FUpdateMethod, FDownloadQueue, canUpgrade);
    if (!FJustCheckButDontUpgrade) {
      if (!canUpgrade || (ShowMessages.Has(mAskUpgrade) && !Ask(upgradeMsg))) {
        if (OnLaterUpgrade) OnLaterUpgrade(*this);
      } else if (FUpdateMethod == umRedirectToURL) {
        OpenAddress(FDownloadQueue.Strings(0), true);
      } else {
        SignalWaitHandle(FWaitHandle);
        StartDownloads();
        return;
      }
    }
  } else {
    if (OnNoUpdateAvailable) OnNoUpdateAvailable(*this);
    if (!FIsAutoCheck && ShowMessages.Has(mNoUpdateAvailable)) {
      Message(std::wstring(UplinerMessage(kRowNoUpdateAvailable)), MB_OK | MB_ICONINFORMATION);
    }
  }
  SignalWaitHandle(FWaitHandle);
}

void TulUpliner::HTTPError(int status) {
  if (!FQueryInfoStage) {
    LostFile(status);
    return;
  }
  NoInfoFile();
}

void TulUpliner::NoInfoFile() {
  SignalWaitHandle(FWaitHandle);
  if (OnNoInfoFile) OnNoInfoFile(*this);
  if (ShowMessages.Has(mNoInfoFile)) {
    Message(std::wstring(UplinerMessage(kRowNoInfoFile)), MB_OK | MB_ICONERROR);
  }
}

void TulUpliner::Log(const std::wstring& line) { WriteLogLine(line, kLogWarning); }

void TulUpliner::HostUnreachable() {
  const std::wstring host = HostName();
  if (OnHostUnreachable) OnHostUnreachable(*this, URL, host);
  if (FIsAutoCheck) {
    FAutoCheckDone = false;  // try again after the delay
    UpdateTimer();
  } else if (ShowMessages.Has(mHostUnreachable)) {
    Message(HostUnreachableText(host), MB_OK | MB_ICONERROR);
  }
  StopTransfer();
}

void TulUpliner::ConnLost() {
  if (OnConnLost) OnConnLost(*this);
  if (ShowMessages.Has(mConnLost)) {
    Message(std::wstring(UplinerMessage(kRowConnLost)), MB_OK | MB_ICONERROR);
  }
  StopTransfer();
}

void TulUpliner::StopTransfer() {
  SignalWaitHandle(FWaitHandle);
  TulCustomHTTP::Abort(false, false);
  if (UI != nullptr) UI->CloseProgress();
}

int TulUpliner::Message(const std::wstring& text, UINT flags, const std::wstring& caption) {
  if (ShowMessage) return ShowMessage(text, caption, flags);
  return MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
}

bool TulUpliner::Ask(const std::wstring& upgradeMsg) {
  if (UI != nullptr) return UI->AskUpgrade(*this, upgradeMsg);
  return Message(upgradeMsg, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

const std::wstring& UpdaterProgramPath() {
  static const std::wstring path = GetSpecialFolder(sfTemp) + L"Zudarada4.exe";
  return path;
}

void ChooseUplinerLanguage() {
  SetMessageBase(MessageBaseOf(LanguageOfLangId(GetSystemDefaultLangID())));
}
