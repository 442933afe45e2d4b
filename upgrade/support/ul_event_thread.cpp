#include "upgrade/support/ul_event_thread.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

#include "ui/ui_error.h"
#include "upgrade/support/ul_utils.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TulThreadWindow";
constexpr DWORD kResumeFailed = static_cast<DWORD>(-1);
// A killed thread is gone at once; the bound only keeps a surprise from freezing the program.
constexpr DWORD kKillWaitMs = 5000;

LRESULT CALLBACK SyncWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  if (message != kThreadSyncMessage) return DefWindowProcW(window, message, wparam, lparam);
  TulEventThread::Dispatch(reinterpret_cast<TulEventThread*>(lparam), wparam);
  return 0;
}

// The synchronisation window, shared by every run, and the runs that use it (their number is
// the usage count). Only the main thread takes the lock: a worker never does, so none can die
// holding it. For the same reason the worker finds its run in a system TLS slot, not in a
// thread_local, whose first use on a thread may lock and allocate.
struct TSyncWindow {
  std::mutex lock;
  std::vector<TulEventThread*> users;
  std::atomic<HWND> window{nullptr};
  std::atomic<uintptr_t> lastCall{0};
  const DWORD runSlot = TlsAlloc();
};

TSyncWindow& Sync() {
  static TSyncWindow sync;
  return sync;
}

// A raw message-only window rather than ui/'s TMessageWindow: the last run to go may be a
// worker, which can only ask the window to close, and the next run may need a new one before
// the old one has.
HWND CreateSyncWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{.cbSize = sizeof(WNDCLASSEXW)};
  if (!GetClassInfoExW(instance, kWindowClass, &windowClass)) {
    windowClass.lpfnWndProc = SyncWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0) return nullptr;
  }
  return CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                         nullptr);
}

void AcquireWindow(TulEventThread* user) {
  TSyncWindow& sync = Sync();
  std::lock_guard guard(sync.lock);
  if (sync.window.load() == nullptr) sync.window = CreateSyncWindow();
  sync.users.push_back(user);
}

void ReleaseWindow(TulEventThread* user) {
  TSyncWindow& sync = Sync();
  HWND window;
  {
    std::lock_guard guard(sync.lock);
    std::erase(sync.users, user);
    if (!sync.users.empty()) return;
    window = sync.window.exchange(nullptr);
  }
  if (window == nullptr) return;
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
    DestroyWindow(window);
  } else {
    PostToWindow(window, WM_CLOSE);  // only its own thread can destroy it
  }
}

// Whether `run` still exists and `call` is the one it waits for (0: it asks to be freed). The
// run may be gone (killed while its message waited), its memory even reused by another run:
// the call number tells.
bool IsPending(TulEventThread* run, WPARAM call) {
  TSyncWindow& sync = Sync();
  std::lock_guard guard(sync.lock);
  if (std::find(sync.users.begin(), sync.users.end(), run) == sync.users.end()) return false;
  return call == 0 ? run->FPhase.load() == rpOrphan : run->FCall.load() == call;
}

// Where the program's own code lies (the runtime libraries are linked into it).
struct TImage {
  uintptr_t base = 0;
  uintptr_t size = 0;
};

TImage ProgramImage() {
  static const TImage image = [] {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ProgramImage), &module);
    const auto base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return TImage{reinterpret_cast<uintptr_t>(base), nt->OptionalHeader.SizeOfImage};
  }();
  return image;
}

// Suspends `thread` where it runs the program's own code, if it gets there within a moment: not
// inside the system's heap, its loader or a wait for a critical section, whose locks a thread
// stopped for good would keep (or, as a waiter, upset). A thread that stays in the system, as
// one blocked in a network call does, is suspended where it is. False when it cannot be.
bool SuspendAtSafePoint(HANDLE thread) {
  constexpr int kAttempts = 100;
  const TImage image = ProgramImage();
  for (int attempt = 0;; ++attempt) {
    if (SuspendThread(thread) == kResumeFailed) return false;
    // Also waits until the thread has stopped: SuspendThread only asks.
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    if (!GetThreadContext(thread, &context) || context.Rip - image.base < image.size ||
        attempt == kAttempts) {
      return true;
    }
    ResumeThread(thread);
    Sleep(attempt < 10 ? 0 : 1);
  }
}

// False when `thread` cannot be resumed.
bool ResumeFully(HANDLE thread) {
  for (;;) {
    const DWORD previous = ResumeThread(thread);
    if (previous == kResumeFailed) return false;
    if (previous <= 1) return true;
  }
}

}  // namespace

// ---- Main thread ----

TulEventThread::TulEventThread(TulCustomThread& owner, int priority)
    : FOwner(&owner), FCreator(&owner) {
  AcquireWindow(this);
  FHandle.reset(CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &FThreadID));
  if (FHandle.get()) SetThreadPriority(FHandle.get(), priority);
}

TulEventThread::~TulEventThread() {
  if (FHandle.get()) {
    FTerminated = true;
    // A killed thread was waited for already. One never started sees the stop flag in its first
    // step and ends.
    bool wait = FPhase.load() != rpKilled;
    if (int idle = rpIdle; FPhase.compare_exchange_strong(idle, rpStarted)) {
      wait = ResumeFully(FHandle.get());
    }
    if (wait) WaitForSingleObject(FHandle.get(), INFINITE);
  }
  ReleaseWindow(this);
}

bool TulEventThread::Start() {
  TulCustomThread* owner = FOwner.load();
  if (owner == nullptr || !FHandle) return false;
  FOnExecute = owner->OnExecute;
  FOnException = owner->OnException;
  FOnTerminate = owner->OnTerminate;
  FHandleExceptions = owner->FHandleExceptions;
  FFreeOnTerminate = owner->FFreeOwnerOnTerminate;
  if (int idle = rpIdle; !FPhase.compare_exchange_strong(idle, rpStarted)) return false;
  FRunning = true;
  const DWORD previous = ResumeThread(FHandle.get());
  FSuspended = previous > 1;
  return previous != kResumeFailed;
}

void TulEventThread::Retire(TulEventThread* run) {
  run->FOwner = nullptr;
  for (;;) {
    int phase = run->FPhase.load();
    switch (phase) {
      case rpIdle:
      case rpEnded:
        delete run;
        return;
      case rpStarted:
        if (!run->FPhase.compare_exchange_strong(phase, rpKilled)) continue;
        if (run->FInSync > 0) {
          run->FKillAfterSync = true;  // the call running now may use the worker's data
          return;
        }
        run->Kill();
        delete run;
        return;
      case rpFinishing:
        if (!run->FPhase.compare_exchange_strong(phase, rpOrphan)) continue;
        return;
      default:
        return;
    }
  }
}

void TulEventThread::Kill() {
  if (!FHandle) return;
  ResumeFully(FHandle.get());  // frozen where it is, it may be anywhere
  // A thread that has not reached its procedure yet is still in the loader's hands.
  for (int waited = 0; !FEntered && waited < 1000; ++waited) {
    if (WaitForSingleObject(FHandle.get(), 1) != WAIT_TIMEOUT) return;
  }
  SuspendAtSafePoint(FHandle.get());
  TerminateThread(FHandle.get(), 0);
  WaitForSingleObject(FHandle.get(), kKillWaitMs);
}

void TulEventThread::Suspend() {
  // Already frozen, it only counts one more.
  if (FSuspended ? SuspendThread(FHandle.get()) != kResumeFailed
                 : SuspendAtSafePoint(FHandle.get())) {
    FSuspended = true;
  }
}

bool TulEventThread::OnMainThread() {
  const HWND window = Sync().window.load();
  return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

void TulEventThread::Dispatch(TulEventThread* run, WPARAM call) {
  if (!IsPending(run, call)) return;
  if (call == 0) {
    delete run;
  } else {
    run->RunSynchronized();
  }
}

void TulEventThread::RunSynchronized() {
  TulCustomThread* owner = FOwner.load();
  if (owner != nullptr && !owner->FDestroying && FMethod != nullptr) {
    ++FInSync;
    try {
      (*FMethod)();
    } catch (...) {
      if (FHandleExceptions) {
        RaiseOnException(std::current_exception());
      } else {
        FSynchronizeException = std::current_exception();
      }
    }
    --FInSync;
  }
  if (FInSync == 0 && FKillAfterSync) {
    Kill();
    delete this;
  }
}

void TulEventThread::RaiseOnException(const std::exception_ptr& error) {
  TulCustomThread* owner = FOwner.load();
  if (owner == nullptr || owner->FDestroying) return;
  if (!FOnException) {
    try {
      std::rethrow_exception(error);
    } catch (...) {
      ReportUiException(L"TulCustomThread.Execute");
    }
    return;
  }
  GuardUi(L"TulCustomThread.OnException", [&] { FOnException(*owner, error); });
}

void TulEventThread::TerminateStep() {
  TulCustomThread* owner = FOwner.load();
  if (FOnTerminate) {
    try {
      FOnTerminate(*owner);
    } catch (...) {
      if (!FHandleExceptions) throw;
      RaiseOnException(std::current_exception());
    }
  }
  owner = FOwner.load();  // OnTerminate may have started another run or freed the component
  if (!FFreeOnTerminate || owner == nullptr || owner->FDestroying || !owner->FFreeOwner) return;
  const std::function<void()> freeOwner = owner->FFreeOwner;
  owner->Replace();  // this run ends by itself, no longer the component's
  freeOwner();
}

// ---- Worker ----

TulEventThread* TulEventThread::OfCallingThread() {
  return static_cast<TulEventThread*>(TlsGetValue(Sync().runSlot));
}

DWORD WINAPI TulEventThread::ThreadProc(void* parameter) {
  auto* run = static_cast<TulEventThread*>(parameter);
  run->FEntered = true;
  TlsSetValue(Sync().runSlot, run);
  if (!run->FTerminated) {
    run->RunOnExecute();
    run->EnterFinishing();
    if (run->FOnTerminate || run->FFreeOnTerminate) {
      try {
        run->Synchronize([run] { run->TerminateStep(); });
      } catch (...) {
        ReportUiException(L"TulCustomThread.OnTerminate");
      }
    }
  } else {
    run->EnterFinishing();
  }
  return run->End();
}

void TulEventThread::RunOnExecute() {
  TulCustomThread* owner = FOwner.load();
  if (!FOnExecute || owner == nullptr || owner->FDestroying) return;
  try {
    FOnExecute(*owner);
  } catch (...) {
    if (!FHandleExceptions) {
      ReportUiException(L"TulCustomThread.Execute");
      return;
    }
    const std::exception_ptr error = std::current_exception();
    Synchronize([this, &error] { RaiseOnException(error); });
  }
}

void TulEventThread::EnterFinishing() {
  if (int started = rpStarted; !FPhase.compare_exchange_strong(started, rpFinishing)) Park();
}

DWORD TulEventThread::End() {
  const DWORD code = static_cast<DWORD>(FReturnValue.load());
  FRunning = false;
  if (int finishing = rpFinishing; !FPhase.compare_exchange_strong(finishing, rpEnded)) {
    // An orphan: the main thread frees it, after this thread has ended.
    PostToWindow(Sync().window.load(), kThreadSyncMessage, 0, reinterpret_cast<LPARAM>(this));
  }
  return code;  // once ended, the run may be freed at any moment: nothing of it is used here
}

void TulEventThread::Park() {
  // Marked for killing: wait for it here, where nothing is held.
  for (;;) Sleep(INFINITE);
}

void TulEventThread::Synchronize(const std::function<void()>& method) {
  if (FPhase.load() == rpKilled) Park();
  FMethod = &method;
  FSynchronizeException = nullptr;
  uintptr_t call = ++Sync().lastCall;
  if (call == 0) call = ++Sync().lastCall;
  FCall = call;
  if (const HWND window = Sync().window.load(); window != nullptr) {
    SendMessageW(window, kThreadSyncMessage, call, reinterpret_cast<LPARAM>(this));
  }
  FCall = 0;
  FMethod = nullptr;
  if (FPhase.load() == rpKilled) Park();
  if (std::exception_ptr error = std::exchange(FSynchronizeException, nullptr)) {
    std::rethrow_exception(error);
  }
}
