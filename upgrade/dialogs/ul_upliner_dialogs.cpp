#include "upgrade/dialogs/ul_upliner_dialogs.h"

#include "upgrade/dialogs/ul_password_form.h"
#include "upgrade/dialogs/ul_upgrade_message_form.h"
#include "upgrade/dialogs/ul_wizard_form.h"

TulUplinerDialogs::~TulUplinerDialogs() {
  if (TulUplinerWizardForm* wizard = TulUplinerWizardForm::Instance()) {
    wizard->Upliner = nullptr;
    wizard->Close();
  }
}

bool TulUplinerDialogs::AskUpgrade(TulUpliner& /*upliner*/, const std::wstring& upgradeMsg) {
  return TulUplinerUpgradeMessageForm::Ask(upgradeMsg);
}

void TulUplinerDialogs::ShowProgress(TulUpliner& upliner) {
  TulUplinerWizardForm::ShowFor(upliner);
}

bool TulUplinerDialogs::ProgressShown() const {
  return TulUplinerWizardForm::Instance() != nullptr;
}

void TulUplinerDialogs::SetProgressLine(TulProgressLine line, const std::wstring& text) {
  if (TulUplinerWizardForm* wizard = TulUplinerWizardForm::Instance()) wizard->SetLine(line, text);
}

void TulUplinerDialogs::SetProgressBars(int currentFile, int allFiles) {
  if (TulUplinerWizardForm* wizard = TulUplinerWizardForm::Instance()) {
    wizard->SetBars(currentFile, allFiles);
  }
}

void TulUplinerDialogs::FinishProgress() {
  if (TulUplinerWizardForm* wizard = TulUplinerWizardForm::Instance()) wizard->Finish();
}

void TulUplinerDialogs::CloseProgress() {
  if (TulUplinerWizardForm* wizard = TulUplinerWizardForm::Instance()) wizard->Close();
}

bool TulUplinerDialogs::AskPassword(TulUpliner& upliner, const std::wstring& fileName) {
  return TulUplinerPasswordForm::Ask(upliner, fileName);
}
