#ifndef OSTREL_ENGINE_ROUTING_CUSTOM_CALLBACKS_H_
#define OSTREL_ENGINE_ROUTING_CUSTOM_CALLBACKS_H_

// The tasks and asynchronous callbacks a browser control hands to the engine. Each reports to the
// control through its link and delivers one result: the first call takes the link, so an engine
// that calls back twice reaches the control once. The navigation visitor alone reports once per
// history entry. Exceptions go to the exception rule under the object's routine name; whatever
// the rule says, the engine callback stops them.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/callbacks/cef_completion_callback_own.h"
#include "engine/callbacks/cef_cookie_callbacks_own.h"
#include "engine/callbacks/cef_download_image_callback_own.h"
#include "engine/callbacks/cef_navigation_entry_visitor_own.h"
#include "engine/callbacks/cef_pdf_print_callback_own.h"
#include "engine/callbacks/cef_resolve_callback_own.h"
#include "engine/callbacks/cef_string_visitor_own.h"
#include "engine/callbacks/cef_task_own.h"
#include "engine/routing/custom_handlers.h"

template <class OwnBase>
class TCustomCallback : public OwnBase {
 public:
  explicit TCustomCallback(CefRefPtr<TChromiumEventsLink> events) noexcept
      : FEvents(std::move(events)) {}

 protected:
  ~TCustomCallback() override { FEvents = nullptr; }

  // The one engine thread running the object reads and clears the link: no lock.
  template <class Call>
  void ForwardOnce(std::wstring_view routine, Call&& call) {
    if (const CefRefPtr<TChromiumEventsLink> events = std::exchange(FEvents, nullptr)) {
      events->ForwardGuarded(routine, std::forward<Call>(call));
    }
  }

  CefRefPtr<TChromiumEventsLink> FEvents;
};

#define OSTREL_FORWARD_ONCE(Routine, Operation, ...) \
  this->ForwardOnce(Routine, [&](IChromiumEvents& events) { events.Operation(__VA_ARGS__); })

// ---- Tasks ----

class TCefUpdatePrefsTask final : public TCustomCallback<TCefTaskOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  void Execute() override {
    OSTREL_FORWARD_ONCE(L"TCefUpdatePrefsTask.Execute", RunUpdatePreferencesTask);
  }
};

class TCefSavePrefsTask final : public TCustomCallback<TCefTaskOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  void Execute() override {
    OSTREL_FORWARD_ONCE(L"TCefSavePrefsTask.Execute", Internal_SavePreferences);
  }
};

class TCefGenericTask final : public TCustomCallback<TCefTaskOwn> {
 public:
  TCefGenericTask(CefRefPtr<TChromiumEventsLink> events, uint32_t taskId) noexcept
      : TCustomCallback(std::move(events)), FTaskID(taskId) {}
  void Execute() override {
    OSTREL_FORWARD_ONCE(L"TCefGenericTask.Execute", HandleExecuteTaskOnCefThread, FTaskID);
  }

 private:
  const uint32_t FTaskID;
};

// ---- Results of asynchronous operations ----

// `resolvedIps` is the engine callback's temporary copy, gone when the event returns.
class TCefCustomResolveCallback final : public TCustomCallback<TCefResolveCallbackOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  void OnResolveCompleted(cef_errorcode_t result,
                          const std::vector<ustring>& resolvedIps) override {
    OSTREL_FORWARD_ONCE(L"TCefCustomResolveCallback.OnResolveCompleted",
                        HandleResolvedHostAvailable, result, resolvedIps);
  }
};

class TCefCustomPDFPrintCallBack final : public TCustomCallback<TCefPdfPrintCallbackOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  void OnPdfPrintFinished(const ustring& path, bool ok) override {
    OSTREL_FORWARD_ONCE(L"TCefCustomPDFPrintCallBack.OnPdfPrintFinished", HandlePdfPrintFinished,
                        path, ok);
  }
};

class TCefCustomDownloadImageCallback final : public TCustomCallback<TCefDownloadImageCallbackOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  void OnDownloadImageFinished(const ustring& imageUrl, int httpStatusCode,
                               Ref<ICefImage> image) override {
    OSTREL_FORWARD_ONCE(L"TCefCustomDownloadImageCallback.OnDownloadImageFinished",
                        HandleDownloadImageFinished, imageUrl, httpStatusCode, image);
  }
};

class TCustomCefStringVisitor final : public TCustomCallback<TCefStringVisitorOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  void Visit(const ustring& str) override {
    OSTREL_FORWARD_ONCE(L"TCustomCefStringVisitor.Visit", HandleTextResultAvailable, str);
  }
};

class TCefCustomDeleteCookiesCallback final : public TCustomCallback<TCefDeleteCookiesCallbackOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  void OnComplete(int numDeleted) override {
    OSTREL_FORWARD_ONCE(L"TCefCustomDeleteCookiesCallback.OnComplete", HandleCookiesDeleted,
                        numDeleted);
  }
};

// Called once per history entry: keeps its link, and the walk goes on while the control answers
// true. A failed call stops it.
class TCustomCefNavigationEntryVisitor final
    : public TCustomCallback<TCefNavigationEntryVisitorOwn> {
 public:
  using TCustomCallback::TCustomCallback;
  bool Visit(Ref<ICefNavigationEntry> entry, bool current, int index, int total) override {
    if (!FEvents) return false;
    return FEvents->ForwardGuarded(
        L"TCustomCefNavigationEntryVisitor.Visit", false, [&](IChromiumEvents& events) {
          return events.HandleNavigationVisitorResult(entry, current, index, total);
        });
  }
};

// ---- Completion of cookie-store and network maintenance ----

using TCefCustomCompletionCallback = TCustomCallback<TCefCompletionCallbackOwn>;

class TCefFlushStoreCompletionCallback final : public TCefCustomCompletionCallback {
 public:
  using TCefCustomCompletionCallback::TCefCustomCompletionCallback;
  void OnComplete() override {
    OSTREL_FORWARD_ONCE(L"TCefFlushStoreCompletionCallback.OnComplete", HandleCookiesFlushed);
  }
};

class TCefClearCertificateExceptionsCompletionCallback final : public TCefCustomCompletionCallback {
 public:
  using TCefCustomCompletionCallback::TCefCustomCompletionCallback;
  void OnComplete() override {
    OSTREL_FORWARD_ONCE(L"TCefClearCertificateExceptionsCompletionCallback.OnComplete",
                        HandleCertificateExceptionsCleared);
  }
};

class TCefClearHttpAuthCredentialsCompletionCallback final : public TCefCustomCompletionCallback {
 public:
  using TCefCustomCompletionCallback::TCefCustomCompletionCallback;
  void OnComplete() override {
    OSTREL_FORWARD_ONCE(L"TCefClearHttpAuthCredentialsCompletionCallback.OnComplete",
                        HandleHttpAuthCredentialsCleared);
  }
};

class TCefCloseAllConnectionsCompletionCallback final : public TCefCustomCompletionCallback {
 public:
  using TCefCustomCompletionCallback::TCefCustomCompletionCallback;
  void OnComplete() override {
    OSTREL_FORWARD_ONCE(L"TCefCloseAllConnectionsCompletionCallback.OnComplete",
                        HandleAllConnectionsClosed);
  }
};

#endif  // OSTREL_ENGINE_ROUTING_CUSTOM_CALLBACKS_H_
