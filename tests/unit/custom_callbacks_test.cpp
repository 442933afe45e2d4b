// The tasks and asynchronous callbacks a browser control hands to the engine, driven through their
// engine structures as the engine calls them: each reaches the control once, whatever the engine
// does; the navigation visitor once per entry, for as long as the control answers true; nothing
// reaches a detached control; an exception stops at the object.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/core/exception_policy.h"
#include "engine/routing/custom_callbacks.h"
#include "tests/unit/fake_chromium_events.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

class Recorder : public FakeChromiumEvents {
 public:
  void HandleResolvedHostAvailable(cef_errorcode_t result,
                                   const std::vector<ustring>& ips) override {
    FakeChromiumEvents::HandleResolvedHostAvailable(result, ips);
    resolved = ips;
    resolveResult = result;
  }
  bool HandleNavigationVisitorResult(const CefRefPtr<ICefNavigationEntry>& entry, bool current,
                                     int index, int total) override {
    FakeChromiumEvents::HandleNavigationVisitorResult(entry, current, index, total);
    indexes.push_back(index);
    if (throwOnVisit) throw std::runtime_error("handler failed");
    return index < total - 1 && keepWalking;
  }
  void HandleExecuteTaskOnCefThread(uint32_t taskId) override {
    FakeChromiumEvents::HandleExecuteTaskOnCefThread(taskId);
    taskIds.push_back(taskId);
    if (throwOnTask) throw std::runtime_error("handler failed");
  }

  std::vector<ustring> resolved;
  cef_errorcode_t resolveResult = ERR_FAILED;
  std::vector<int> indexes;
  std::vector<uint32_t> taskIds;
  bool keepWalking = true;
  bool throwOnVisit = false;
  bool throwOnTask = false;
};

class CustomCallbacks : public ::testing::Test {
 protected:
  void SetUp() override { SetReRaiseExceptionsPolicy(false); }
  void TearDown() override { link->Detach(); }

  Recorder control;
  CefRefPtr<TChromiumEventsLink> link = MakeRefCounted<TChromiumEventsLink>(&control);
};

TEST_F(CustomCallbacks, CompletionCallbacksReportOnceEachToTheirOwnOperation) {
  struct Case {
    CefRefPtr<ICefCompletionCallback> callback;
    const char* operation;
  };
  const Case cases[] = {
      {MakeRefCounted<TCefFlushStoreCompletionCallback>(link), "HandleCookiesFlushed"},
      {MakeRefCounted<TCefClearCertificateExceptionsCompletionCallback>(link),
       "HandleCertificateExceptionsCleared"},
      {MakeRefCounted<TCefClearHttpAuthCredentialsCompletionCallback>(link),
       "HandleHttpAuthCredentialsCleared"},
      {MakeRefCounted<TCefCloseAllConnectionsCompletionCallback>(link),
       "HandleAllConnectionsClosed"},
  };
  for (const Case& c : cases) {
    auto* data = Give<cef_completion_callback_t>(c.callback);
    data->on_complete(data);
    data->on_complete(data);  // an engine that calls back twice
    Drop(data);
    EXPECT_EQ(control.CallCount(c.operation), 1) << c.operation;
  }
  EXPECT_EQ(control.Calls().size(), 4u);
}

TEST_F(CustomCallbacks, ResultCallbacksReportOnceWithTheirArguments) {
  auto* deleted =
      Give<cef_delete_cookies_callback_t>(MakeRefCounted<TCefCustomDeleteCookiesCallback>(link));
  deleted->on_complete(deleted, 3);
  deleted->on_complete(deleted, 4);
  Drop(deleted);

  auto* pdf = Give<cef_pdf_print_callback_t>(MakeRefCounted<TCefCustomPDFPrintCallBack>(link));
  pdf->on_pdf_print_finished(pdf, nullptr, 1);
  pdf->on_pdf_print_finished(pdf, nullptr, 0);
  Drop(pdf);

  auto* text = Give<cef_string_visitor_t>(MakeRefCounted<TCustomCefStringVisitor>(link));
  text->visit(text, nullptr);
  text->visit(text, nullptr);
  Drop(text);

  auto* image =
      Give<cef_download_image_callback_t>(MakeRefCounted<TCefCustomDownloadImageCallback>(link));
  image->on_download_image_finished(image, nullptr, 404, nullptr);  // no image: an empty one
  image->on_download_image_finished(image, nullptr, 200, nullptr);
  Drop(image);

  for (const char* operation : {"HandleCookiesDeleted", "HandlePdfPrintFinished",
                                "HandleTextResultAvailable", "HandleDownloadImageFinished"}) {
    EXPECT_EQ(control.CallCount(operation), 1) << operation;
  }
}

TEST_F(CustomCallbacks, TasksRunTheirOperationOnceAndTheGenericTaskCarriesItsId) {
  auto* update = Give<cef_task_t>(MakeRefCounted<TCefUpdatePrefsTask>(link));
  auto* save = Give<cef_task_t>(MakeRefCounted<TCefSavePrefsTask>(link));
  auto* generic = Give<cef_task_t>(MakeRefCounted<TCefGenericTask>(link, 4000000000u));
  for (cef_task_t* task : {update, save, generic}) {
    task->execute(task);
    task->execute(task);
    Drop(task);
  }
  EXPECT_EQ(control.CallCount("RunUpdatePreferencesTask"), 1);
  EXPECT_EQ(control.CallCount("Internal_SavePreferences"), 1);
  EXPECT_EQ(control.taskIds, std::vector<uint32_t>{4000000000u});
}

TEST_F(CustomCallbacks, AFailedReportIsStoppedAndStillCountsAsTheOneResult) {
  control.throwOnTask = true;
  auto* task = Give<cef_task_t>(MakeRefCounted<TCefGenericTask>(link, 1));
  task->execute(task);  // must not throw into the engine
  control.throwOnTask = false;
  task->execute(task);
  Drop(task);
  EXPECT_EQ(control.taskIds.size(), 1u);
}

TEST_F(CustomCallbacks, NothingReachesADetachedControl) {
  auto* flushed =
      Give<cef_completion_callback_t>(MakeRefCounted<TCefFlushStoreCompletionCallback>(link));
  auto* visitor =
      Give<cef_navigation_entry_visitor_t>(MakeRefCounted<TCustomCefNavigationEntryVisitor>(link));
  link->Detach();
  flushed->on_complete(flushed);
  EXPECT_EQ(visitor->visit(visitor, nullptr, 1, 0, 3), 0);
  Drop(flushed);
  Drop(visitor);
  EXPECT_TRUE(control.Calls().empty());
}

TEST_F(CustomCallbacks, NavigationWalkGoesOnWhileTheControlAnswersTrue) {
  auto* visitor =
      Give<cef_navigation_entry_visitor_t>(MakeRefCounted<TCustomCefNavigationEntryVisitor>(link));
  EXPECT_EQ(visitor->visit(visitor, nullptr, 0, 0, 3), 1);
  EXPECT_EQ(visitor->visit(visitor, nullptr, 0, 1, 3), 1);
  EXPECT_EQ(visitor->visit(visitor, nullptr, 1, 2, 3), 0);  // the last entry stops it
  control.keepWalking = false;
  EXPECT_EQ(visitor->visit(visitor, nullptr, 0, 0, 3), 0);
  control.throwOnVisit = true;
  EXPECT_EQ(visitor->visit(visitor, nullptr, 0, 0, 3), 0);  // a failed handler stops the walk
  Drop(visitor);
  EXPECT_EQ(control.indexes, (std::vector<int>{0, 1, 2, 0, 0}));
}

class CustomCallbacksWithEngine : public LoadedEngine {
 protected:
  void TearDown() override {
    link->Detach();
    LoadedEngine::TearDown();
  }

  Recorder control;
  CefRefPtr<TChromiumEventsLink> link = MakeRefCounted<TChromiumEventsLink>(&control);
};

TEST_F(CustomCallbacksWithEngine, ResolvedAddressesArriveOnceAsATemporaryCopy) {
  auto* callback = Give<cef_resolve_callback_t>(MakeRefCounted<TCefCustomResolveCallback>(link));
  cef_string_list_t list = cef_string_list_alloc();
  for (const wchar_t* ip : {L"127.0.0.1", L"::1"}) {
    const cef_string_t record{const_cast<wchar_t*>(ip), wcslen(ip), nullptr};
    cef_string_list_append(list, &record);
  }
  callback->on_resolve_completed(callback, ERR_NONE, list);
  callback->on_resolve_completed(callback, ERR_NAME_NOT_RESOLVED, list);
  Drop(callback);
  EXPECT_EQ(cef_string_list_size(list), 2u);  // the engine's list stays the engine's
  cef_string_list_free(list);
  EXPECT_EQ(control.CallCount("HandleResolvedHostAvailable"), 1);
  EXPECT_EQ(control.resolveResult, ERR_NONE);
  EXPECT_EQ(control.resolved, (std::vector<ustring>{L"127.0.0.1", L"::1"}));
}

}  // namespace
