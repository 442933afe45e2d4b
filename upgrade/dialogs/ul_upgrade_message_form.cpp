#include "upgrade/dialogs/ul_upgrade_message_form.h"

#include "ui/application.h"
#include "upgrade/dialogs/ul_dialog_support.h"
#include "upgrade/dialogs/ul_pictures.h"

namespace {

TulUplinerUpgradeMessageForm* gInstance = nullptr;

}  // namespace

std::wstring UpgradeQuestionTitle(std::wstring_view appTitle) {
  if (appTitle.find(kUnsetTitleMarker) != std::wstring_view::npos) return L"<AppTitle>";
  return std::wstring(appTitle);
}

std::wstring UpgradeQuestionText(std::wstring_view title, std::wstring_view upgradeMsg) {
  std::wstring text(title);
  text += L"已经有新版本推出，\n";
  if (!upgradeMsg.empty()) text.append(L"\n").append(upgradeMsg).append(L"\n");
  return text + L"\n您要升级到新版本吗？";
}

bool TulUplinerUpgradeMessageForm::Ask(const std::wstring& upgradeMsg) {
  if (gInstance != nullptr) return false;
  TulUplinerUpgradeMessageForm form;
  form.Prepare(upgradeMsg);
  return form.ShowModal() == mrYes;
}

TulUplinerUpgradeMessageForm* TulUplinerUpgradeMessageForm::Instance() { return gInstance; }

TulUplinerUpgradeMessageForm::TulUplinerUpgradeMessageForm() {
  gInstance = this;
  FFormFont.Create(L"宋体", 12, 0, GB2312_CHARSET);
  Create({.clientWidth = 323,
          .clientHeight = 120,
          .borderStyle = bsDialog,
          .borderIcons = biSystemMenu,
          .stayOnTop = true,
          .font = FFormFont.Handle()});
  Icon.Create({.parent = this, .bounds = {7, 5, 32, 32}, .bitmap = QuestionPicture()});
  Label1.Create({.parent = this, .bounds = {45, 5, 0, 0}, .wordWrap = true});
  BottomPanel.Create({.parent = this, .align = alBottom, .bounds = {0, 0, 0, 45}});
  YesBtn.Create({.parent = &BottomPanel,
                 .bounds = {78, 13, 75, 23},
                 .isDefault = true,
                 .modalResult = mrYes});
  LaterBtn.Create(
      {.parent = &BottomPanel, .bounds = {167, 13, 75, 23}, .isCancel = true, .modalResult = mrNo});
  // Shown over whatever the user works in; showing must not move or activate anything else.
  OnShow = [this] { SetStayOnTop(true); };
}

TulUplinerUpgradeMessageForm::~TulUplinerUpgradeMessageForm() {
  if (gInstance == this) gInstance = nullptr;
}

void TulUplinerUpgradeMessageForm::Prepare(const std::wstring& upgradeMsg) {
  Label1.SetWidth(Width() - Label1.Left() - Scale(11));
  Label1.SetText(UpgradeQuestionText(UpgradeQuestionTitle(Application().Title()), upgradeMsg));
  SetCaption(kUpgradeCaption);
  YesBtn.SetText(L"[&Y]是");
  LaterBtn.SetText(L"[&L]稍等一下");
  FitClientHeight(*this, Label1, BottomPanel);
}
