#include "upgrade/dialogs/ul_password_form.h"

#include "upgrade/dialogs/ul_dialog_support.h"
#include "upgrade/dialogs/ul_pictures.h"

namespace {

TulUplinerPasswordForm* gInstance = nullptr;

}  // namespace

std::wstring PasswordPromptText(std::wstring_view fileName) {
  const size_t slash = fileName.find_last_of(L"/\\");
  const std::wstring_view name =
      slash == std::wstring_view::npos ? fileName : fileName.substr(slash + 1);
  return L"远端的文档\"" + std::wstring(name) +
         L"\"被密码保护，\n\n请输入您的帐号及密码[注册用户]来继续进行升级操作。";
}

bool TulUplinerPasswordForm::Ask(TulUpliner& upliner, const std::wstring& fileName) {
  if (gInstance != nullptr) return false;
  TulUplinerPasswordForm form;
  form.Upliner = &upliner;
  form.Prepare(fileName);
  return form.ShowModal() == mrOk;
}

TulUplinerPasswordForm* TulUplinerPasswordForm::Instance() { return gInstance; }

TulUplinerPasswordForm::TulUplinerPasswordForm() {
  gInstance = this;
  FFormFont.Create(kSansSerifFace, 14, 0, DEFAULT_CHARSET, 120);
  Create({.clientWidth = 366,
          .clientHeight = 174,
          .borderStyle = bsDialog,
          .borderIcons = biSystemMenu,
          .font = FFormFont.Handle(),
          .designDpi = 120});
  Image1.Create({.parent = this, .bounds = {9, 6, 32, 32}, .bitmap = PasswordPicture()});
  Label1.Create({.parent = this, .bounds = {55, 6, 0, 0}, .wordWrap = true});
  BottomPanel.Create({.parent = this, .align = alBottom, .bounds = {0, 0, 0, 121}});
  UsernameLab.Create({.parent = &BottomPanel, .bounds = {55, 17, 0, 0}});
  PasswordLab.Create({.parent = &BottomPanel, .bounds = {55, 47, 0, 0}});
  UsernameEdit.Create({.parent = &BottomPanel, .bounds = {150, 12, 193, 24}});
  PasswordEdit.Create({.parent = &BottomPanel, .bounds = {150, 42, 193, 24}, .password = true});
  OKBtn.Create({.parent = &BottomPanel,
                .bounds = {140, 84, 93, 28},
                .isDefault = true,
                .modalResult = mrOk});
  CancelBtn.Create({.parent = &BottomPanel,
                    .bounds = {251, 84, 92, 28},
                    .isCancel = true,
                    .modalResult = mrCancel});
  OKBtn.OnClick = [this] {
    Upliner->SetUsername(UsernameEdit.Text());
    Upliner->SetPassword(PasswordEdit.Text());
  };
}

TulUplinerPasswordForm::~TulUplinerPasswordForm() {
  if (gInstance == this) gInstance = nullptr;
}

void TulUplinerPasswordForm::Prepare(const std::wstring& fileName) {
  Label1.SetWidth(ClientWidth() - Label1.Left() - Scale(18));
  Label1.SetText(PasswordPromptText(fileName));
  SetCaption(L"请输入密码");
  UsernameLab.SetText(L"帐号");
  UsernameEdit.SetText(Upliner->Username());
  PasswordLab.SetText(L"密码");
  OKBtn.SetText(L"[&O]确定");
  CancelBtn.SetText(L"[&C]取消");
  PasswordEdit.SetText(L"");
  FitClientHeight(*this, Label1, BottomPanel);
}
