// TButton: a push button. https://learn.microsoft.com/windows/win32/controls/buttons

#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"

bool TButton::Create(const CreateArgs& args) {
  FModalResult = args.modalResult;
  const DWORD style = args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (!CreateChild(WC_BUTTONW, false, style, 0, PlacementOf(args))) return false;
  if (TForm* form = TForm::FormOf(this)) {
    if (args.isDefault) form->SetDefaultButton(this);
    if (args.isCancel) form->SetCancelButton(this);
  }
  return true;
}

void TButton::Click() {
  if (FModalResult != mrNone) {
    if (TForm* form = TForm::FormOf(this)) form->SetModalResult(FModalResult);
  }
  RaiseEvent(OnClick);
}

bool TButton::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}
