#ifndef OSTREL_UPGRADE_SUPPORT_UL_HANDLE_H_
#define OSTREL_UPGRADE_SUPPORT_UL_HANDLE_H_

// A kernel object's handle, closed when its owner goes. Null is none; a file's handle is checked
// against INVALID_HANDLE_VALUE before it is given one.

#include <windows.h>

#include <memory>

struct TulHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TulHandle = std::unique_ptr<void, TulHandleCloser>;

#endif  // OSTREL_UPGRADE_SUPPORT_UL_HANDLE_H_
