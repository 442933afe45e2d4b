#ifndef OSTREL_UPGRADE_DIALOGS_UL_PASSWORD_FORM_H_
#define OSTREL_UPGRADE_DIALOGS_UL_PASSWORD_FORM_H_

// TulUplinerPasswordForm: asks for the user name and password of a file the server protects.
// At most one is open; it lives while it asks. UI thread only.

#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/font.h"
#include "upgrade/controller/ul_upliner.h"

// Names the file (the last part of `fileName`, an address or a path) in double quotes.
std::wstring PasswordPromptText(std::wstring_view fileName);

class TulUplinerPasswordForm : public TForm {
 public:
  // Modal; on OK stores the user name and password in `upliner` and returns true. While one
  // is open, another is refused at once.
  static bool Ask(TulUpliner& upliner, const std::wstring& fileName);
  // The prompt being shown, or nullptr.
  static TulUplinerPasswordForm* Instance();

  TulUplinerPasswordForm();
  ~TulUplinerPasswordForm() override;

  TFont FFormFont;
  TImage Image1;
  TLabel Label1;
  TPanel BottomPanel;
  TLabel UsernameLab;
  TLabel PasswordLab;
  TEdit UsernameEdit;
  TEdit PasswordEdit;
  TButton OKBtn;
  TButton CancelBtn;
  TulUpliner* Upliner = nullptr;

 private:
  void Prepare(const std::wstring& fileName);
};

#endif  // OSTREL_UPGRADE_DIALOGS_UL_PASSWORD_FORM_H_
