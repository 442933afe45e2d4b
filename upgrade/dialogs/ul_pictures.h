#ifndef OSTREL_UPGRADE_DIALOGS_UL_PICTURES_H_
#define OSTREL_UPGRADE_DIALOGS_UL_PICTURES_H_

// The upgrade windows' own pictures, painted on the window face at first use and kept for the
// process's life: the question's and the password prompt's 32 × 32 icons and the progress
// window's 118 × 218 side picture.

#include <windows.h>

HBITMAP QuestionPicture();
HBITMAP PasswordPicture();
HBITMAP SidePicture();

#endif  // OSTREL_UPGRADE_DIALOGS_UL_PICTURES_H_
