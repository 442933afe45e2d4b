#ifndef OSTREL_UPGRADE_DIALOGS_UL_UPGRADE_MESSAGE_FORM_H_
#define OSTREL_UPGRADE_DIALOGS_UL_UPGRADE_MESSAGE_FORM_H_

// TulUplinerUpgradeMessageForm: asks whether to upgrade to the version the server offers. At
// most one is open; it lives while it is asked. UI thread only.

#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/font.h"

// A title still holding this word was never set for the product.
inline constexpr wchar_t kUnsetTitleMarker[] = L"Project1";

// The program's name in the question: `appTitle`, or "<AppTitle>" while it holds the marker.
std::wstring UpgradeQuestionTitle(std::wstring_view appTitle);
// `upgradeMsg` (the server's) stands between blank lines; an empty one leaves one blank line.
std::wstring UpgradeQuestionText(std::wstring_view title, std::wstring_view upgradeMsg);

class TulUplinerUpgradeMessageForm : public TForm {
 public:
  // Modal; true for Yes. While a question is open, another one is answered No at once.
  static bool Ask(const std::wstring& upgradeMsg);
  // The question being asked, or nullptr.
  static TulUplinerUpgradeMessageForm* Instance();

  TulUplinerUpgradeMessageForm();
  ~TulUplinerUpgradeMessageForm() override;

  TFont FFormFont;
  TImage Icon;
  TLabel Label1;
  TPanel BottomPanel;
  TButton YesBtn;
  TButton LaterBtn;

 private:
  void Prepare(const std::wstring& upgradeMsg);
};

#endif  // OSTREL_UPGRADE_DIALOGS_UL_UPGRADE_MESSAGE_FORM_H_
