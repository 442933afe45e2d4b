#ifndef OSTREL_BASE_HANDLE_H_
#define OSTREL_BASE_HANDLE_H_

// Owners that release what the system handed out when they go: a kernel object's handle and a
// COM interface pointer.

#include <unknwn.h>
#include <windows.h>

#include <memory>
#include <utility>

// Null is none.
struct THandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using THandle = std::unique_ptr<void, THandleCloser>;

// For the handles of files, pipes and snapshots, which are INVALID_HANDLE_VALUE when there is
// none: empty then.
inline THandle FileHandle(HANDLE handle) {
  return THandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// Holds one reference; Out() hands the system the place for a new one.
template <typename Interface>
class TComPtr {
 public:
  TComPtr() = default;
  ~TComPtr() { Reset(); }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;

  Interface* operator->() const { return FPointer; }
  explicit operator bool() const { return FPointer != nullptr; }
  Interface** Out() {
    Reset();
    return &FPointer;
  }
  void Reset() {
    if (Interface* pointer = std::exchange(FPointer, nullptr)) pointer->Release();
  }

 private:
  Interface* FPointer = nullptr;
};

#endif  // OSTREL_BASE_HANDLE_H_
