// The main window's side of the upgrade: it owns the one upgrade controller, checks each time it
// is shown, and answers two of the outcomes itself. The question, the download and the restart
// are the controller's.

#include "forms/mini_browser_form.h"

#include "forms/update_policy.h"
#include "ostrel_config.h"
#include "upgrade/controller/ul_info_signature.h"

namespace {

constexpr wchar_t kHintCaption[] = L"提示";

}  // namespace

void TMiniBrowserFrm::ConfigureUpgrade() {
  FUpdatePolicy = ReadUpdatePolicy();
  FUpdateServer = L"https://" + (FUpdatePolicy.Host.empty() ? std::wstring(OSTREL_UPDATE_HOST)
                                                            : FUpdatePolicy.Host);
  atpgrdr1.VersionControl = byNumber;
  // The file's own version, as the caption shows it: what the updater installed.
  const std::wstring version = GetApplicationVersionText();
  atpgrdr1.VersionNumber = version.empty() ? std::wstring(OSTREL_VERSION) : version;
  atpgrdr1.VersionDate = L"10/04/2026";
  atpgrdr1.VersionDateAutoSet = true;
  atpgrdr1.InfoFileURL = FUpdateServer + L"/metadata/px/windows/pavix_x86_pc.inf";
  // The configure step refuses a malformed list; were one built in all the same, it would
  // trust nobody rather than everybody.
  atpgrdr1.PublicKeys =
      ParseP256Keys(OSTREL_UPDATE_PUBLIC_KEY).value_or(std::vector<TulP256Key>{TulP256Key{}});
  atpgrdr1.UI = &FUplinerDialogs;
  atpgrdr1.OnNoInfoFile = Calls<&TMiniBrowserFrm::atpgrdr1NoInfoFile>();
  atpgrdr1.OnNoUpdateAvailable = Calls<&TMiniBrowserFrm::atpgrdr1NoUpdateAvailable>();
  atpgrdr1.Loaded();
}

void TMiniBrowserFrm::Check_Upgrade(bool ShowHint) {
  FShowUpgradeHint = ShowHint;
  if (!FUpdatePolicy.CheckAllowed) {
    if (ShowHint) {
      MessageBoxW(Handle(), L"软件升级已由系统管理员关闭。", kHintCaption,
                  MB_OK | MB_ICONINFORMATION);
    }
    return;
  }
  atpgrdr1.InfoFileURL = FUpdateServer + L"/metadata/pavix/windows/pavix_x64_pc.inf";
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
