#ifndef OSTREL_FORMS_RUNNING_COPY_H_
#define OSTREL_FORMS_RUNNING_COPY_H_

// One running copy per user and program folder: two browser processes cannot share the engine's
// cache in the folder, and each copy's upgrade would clear the other's downloads. A second start
// brings the running copy's main window to the front instead.

#include <windows.h>

// Takes the lock of this program folder (session-local) for the rest of the process's life,
// waiting up to `waitMs` for a copy that is still ending; false when another copy holds it.
bool TakeProgramFolderLock(DWORD waitMs);

// Has the main window of the other copy from this folder come to the front (restored if it is
// minimised): it is allowed to take the foreground, and told so by its own message.
void ActivateRunningCopy();

// The message the main window answers by coming to the front.
UINT ActivateCopyMessage();

#endif  // OSTREL_FORMS_RUNNING_COPY_H_
