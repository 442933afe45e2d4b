// The main window's side of the upgrade: it owns the one upgrade controller, checks each time it
// is shown, and answers two of the outcomes itself. The question, the download and the restart
// are the controller's.

#include "forms/mini_browser_form.h"

#include "engine/core/engine_log.h"
#include "ostrel_config.h"
#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/support/ul_utils.h"

namespace {

constexpr wchar_t kUpdateServer[] = L"https://" OSTREL_UPDATE_HOST;
constexpr wchar_t kHintCaption[] = L"提示";
// The updater starts the program with this, and the system error, when it could not install an
// upgrade and put the previous files back.
constexpr std::wstring_view kUpgradeRolledBack = L"/upgraderolledback:";

void LogRolledBackUpgrade() {
  const std::wstring argument = FirstProgramArgument();
  if (!argument.starts_with(kUpgradeRolledBack)) return;
  EngineLog(L"Upgrade not installed: the updater could not replace a file (error " +
                argument.substr(kUpgradeRolledBack.size()) + L") and put the previous files back",
            kLogError);
}

}  // namespace

void TMiniBrowserFrm::ConfigureUpgrade() {
  LogRolledBackUpgrade();
  atpgrdr1.VersionControl = byNumber;
  // The file's own version, as the caption shows it: what the updater installed.
  const std::wstring version = GetApplicationVersionText();
  atpgrdr1.VersionNumber = version.empty() ? std::wstring(OSTREL_VERSION) : version;
  atpgrdr1.VersionDate = L"10/04/2026";
  atpgrdr1.VersionDateAutoSet = true;
  atpgrdr1.InfoFileURL = std::wstring(kUpdateServer) + L"/metadata/px/windows/pavix_x86_pc.inf";
  atpgrdr1.PublicKey = ParseP256Key(OSTREL_UPDATE_PUBLIC_KEY);
  atpgrdr1.OnLog = [](TulUpliner&, const std::wstring& line) { EngineLog(line, kLogWarning); };
  atpgrdr1.UI = &FUplinerDialogs;
  atpgrdr1.OnNoInfoFile = Calls<&TMiniBrowserFrm::atpgrdr1NoInfoFile>();
  atpgrdr1.OnNoUpdateAvailable = Calls<&TMiniBrowserFrm::atpgrdr1NoUpdateAvailable>();
}

void TMiniBrowserFrm::Check_Upgrade(bool ShowHint) {
  FShowUpgradeHint = ShowHint;
  atpgrdr1.InfoFileURL = std::wstring(kUpdateServer) + L"/metadata/pavix/windows/pavix_x64_pc.inf";
  atpgrdr1.CheckUpdate(false);
}

void TMiniBrowserFrm::atpgrdr1NoInfoFile(TulUpliner& sender) {
  if (!FShowUpgradeHint) return;
  const std::wstring text = L"升级信息文件不存在。" + sender.InfoFileURL;
  MessageBoxW(Handle(), text.c_str(), kHintCaption, MB_OK | MB_ICONINFORMATION);
}

void TMiniBrowserFrm::atpgrdr1NoUpdateAvailable(TulUpliner&) {
  if (!FShowUpgradeHint) return;
  MessageBoxW(Handle(), L"您当前的版本已经是最新版，不需要升级。", kHintCaption,
              MB_OK | MB_ICONINFORMATION);
}
