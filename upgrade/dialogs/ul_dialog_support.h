#ifndef OSTREL_UPGRADE_DIALOGS_UL_DIALOG_SUPPORT_H_
#define OSTREL_UPGRADE_DIALOGS_UL_DIALOG_SUPPORT_H_

// What the upgrade windows share.

#include "ui/controls.h"

inline constexpr wchar_t kUpgradeCaption[] = L"软件升级精灵";
// The TrueType face of "MS Sans Serif": the bitmap face has no font links, so Chinese texts (and
// Chinese parts of an address) would show as boxes.
inline constexpr wchar_t kSansSerifFace[] = L"Microsoft Sans Serif";

// Makes `form` as high as `label` (from the client's top edge) and `bottom` (the panel docked
// at the bottom) need, but no higher than the screen's work area (the label is cut then).
void FitClientHeight(TForm& form, TLabel& label, const TWindow& bottom);

#endif  // OSTREL_UPGRADE_DIALOGS_UL_DIALOG_SUPPORT_H_
